#pragma once
// Where the settings dialog's pieces go and how its background is painted, in numbers.
//
// The form is laid out in twips (host/controls/twips.h), so the dialog keeps its size on a scaled
// display. The background gradient divides by a third of the client height and the strip tiling
// steps by the strip's size: a minimised window (height 0) and an empty strip paint nothing
// instead of dividing by zero or stepping for ever.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/controls/twips.h"

namespace altostrat {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The form's client area and the places of its controls, in twips relative to the form's
// client area (the panel's controls are already moved by the panel's place). The panel holds the
// music section and, under it, the 画面 section; the form and the panel are taller than the
// music alone needs by that section's height, and the footer (credit line, link, 設定, ｷｬﾝｾﾙ)
// sits lower by as much. The section is its heading and five rows of 300 twips (20 pixels at
// 96 DPI): the three choices, the aircraft's box and the sky's; the 景色 group stands in the
// column beside them, level with them, so the dialog keeps its size. 2250 twips is 150 pixels at 96
// DPI and a whole number of pixels at 144 and 192, and the whole client height is one at 120 too,
// so the scaled dialog is the 100 % one made larger without rounding drift.
inline constexpr int kScreenSectionTwips = 2250;
inline constexpr int kDialogClientWidthTwips = 7440;
inline constexpr int kDialogClientHeightTwips = 3690 + kScreenSectionTwips;
inline constexpr TwipsRect kPanelPlace{180, 240, 7035, 2475 + kScreenSectionTwips};  // Pic_C

// The credit line's widest place: from its left edge to a little before 設定.
inline constexpr int kCreditRoomTwips = 4860 - 120 - 180;

// Captions in another language than the design's (English) are measured in the dialog's font,
// and the dialog grows where one would run past its room: the 景色 column moves right by COLUMN
// so that no caption of the left column reaches it, and the panel, the form and the footer's
// buttons by WIDTH, which also gives the 景色 captions room before the panel's right edge. Both
// are whole multiples of 60 twips, a whole number of pixels at 96, 120, 144 and 192 DPI, so the
// scaled dialog stays the smaller one made larger. The design's own captions keep the design's
// places: the dialog does not grow for them.
struct DialogGrowth {
    int column = 0;  // twips
    int width = 0;   // twips, never less than column
};
inline constexpr int kSceneryColumnLeft = 3990;  // the 景色 heading's frame
inline constexpr int kCaptionGapTwips = 120;     // kept free after a caption (8 pixels at 96 DPI)

// LEFT_ENDS and RIGHT_ENDS: where the captions of the left column's rows and of the 景色
// column's rows end, in twips of the form, at the design's places.
DialogGrowth GrowthFor(const std::vector<int>& leftEnds, const std::vector<int>& rightEnds);

// A place of the 景色 column, of the form's right side (the footer's buttons) and a place that
// widens with the form (the panel, the music file's label), after GROWTH.
TwipsRect InSceneryColumn(TwipsRect place, const DialogGrowth& growth);
TwipsRect MovedRight(TwipsRect place, const DialogGrowth& growth);
TwipsRect Widened(TwipsRect place, const DialogGrowth& growth);

// Of texts of the widths WIDTHS (in the order they are preferred), the first that fits ROOM;
// the last when none does (it is then drawn cut with an ellipsis, never under the buttons).
std::size_t FittingText(const std::vector<int>& widths, int room);

// A place inside the panel, in form coordinates.
TwipsRect OnPanel(const TwipsRect& placeInPanel);

// The dialog's top-left corner: centred across, a third of the free height from the top;
// integer division truncating toward zero, so a dialog larger than the screen sits above or
// left of it.
PixelPoint DialogPosition(int screenWidth, int screenHeight, int dialogWidth, int dialogHeight);

// Where the strip is copied, in order, to cover a panel: column by column from the top-left,
// each column going one strip past the panel's bottom, until a column starts past its right
// edge. Nothing for a strip of no size.
std::vector<PixelPoint> TilePositions(int panelWidth, int panelHeight, int stripWidth,
                                      int stripHeight);

// The grey level c of each pixel row 0 .. clientHeight of the background gradient, drawn in
// RGB(c, c, c + 30): |sin(row / (height / 3.142)) * 220| rounded, halves to even. Nothing for a
// height of 0 or less.
std::vector<std::uint8_t> GradientRows(int clientHeight);

}  // namespace altostrat
