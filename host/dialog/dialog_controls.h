#pragma once
// The settings dialog's controls: their places in twips relative to the form's client area
// (the music panel's controls already moved by the panel's place), and the stored data its
// Command buttons are loaded from. Their captions are the host's texts (host/text/host_texts.h).

#include <array>
#include <string>

#include "host/controls/command_properties.h"
#include "host/dialog/dialog_layout.h"
#include "host/text/host_texts.h"

namespace altostrat {

// kPicture last, so the older buttons keep their control ids.
enum class DialogButton { kFile, kSet, kCancel, kPicture };

struct DialogButtonPlace {
    DialogButton button;
    TwipsRect place;
};

inline constexpr std::array<DialogButtonPlace, 4> kDialogButtons{{
    {DialogButton::kFile, {600, 1980, 615, 315}},  // Cmd_File, on the panel at 420, 1740
    {DialogButton::kSet, {4860, 3000 + kScreenSectionTwips, 1155, 375}},
    {DialogButton::kCancel, {6060, 3000 + kScreenSectionTwips, 1155, 375}},
    // The picture's "...", on the 景色 group's second row: one row high, so it keeps clear of the
    // folder box under it.
    {DialogButton::kPicture, {4110, 3615, 615, 300}},
}};

// The form's stored data of a button, as its form file holds it (lower-case keys: the extent,
// the caption of TEXTS and the font).
PropertyBag StoredButtonData(DialogButton button, const HostTexts& texts);

// The three choice rows, by music kind: the mark's place (its picture is 12 x 12 pixels at the
// top-left), and where the caption starts.
struct ChoicePlace {
    TwipsRect mark;
    TwipsRect caption;  // width and height 0: sized to the text
};
const ChoicePlace& ChoiceRow(int kind);

inline constexpr TwipsRect kRepeatComboPlace{1860, 1020, 615, 300};  // BGM_Repeat
inline constexpr TwipsRect kHeadingPlace{480, 600, 1665, 195};       // lbl(15), centred
inline constexpr TwipsRect kHeadingShapePlace{480, 540, 1695, 315};  // Shape3
inline constexpr TwipsRect kRepeatCaptionPlace{2520, 1080, 990, 195};
inline constexpr TwipsRect kFileLabelPlace{1260, 1980, 5595, 495};  // lbl_Fname, bordered
inline constexpr TwipsRect kCreditPlace{180, 2880 + kScreenSectionTwips, 2475, 195};  // lbl(7)
inline constexpr TwipsRect kLinkPlace{180, 3120 + kScreenSectionTwips, 3105, 195};    // lbl_URL

// The 画面 section under the music file row, in the music section's style: a heading in a framed
// box like "BGM", then its three choices with the same marks one row apart, and the aircraft's
// and the sky's check boxes on the rows after them, all on the column of the music choices.
inline constexpr TwipsRect kScreenHeadingPlace{480, 2850, 1665, 195};       // centred
inline constexpr TwipsRect kScreenHeadingShapePlace{480, 2790, 1695, 315};  // its frame
// 0 switch to 1024 x 768, 1 across all monitors, 2 each monitor its own flight
const ChoicePlace& ScreenRow(int choice);
inline constexpr ChoicePlace kAircraftRow{{600, 4230, 195, 195}, {840, 4230, 0, 0}};
inline constexpr ChoicePlace kSkyRow{{600, 4530, 195, 195}, {840, 4530, 0, 0}};

// The 景色 group, in the column right of the 画面 rows and level with them: a heading box like
// 画面's, the two choices on one row, the picture's "..." with its one-line path box, the folder
// box, the keeper's box and the clock's. Everything ends inside the panel (right edge 7215), the
// path box at the music path's right edge.
inline constexpr TwipsRect kSceneryHeadingPlace{3990, 2850, 1665, 195};       // centred
inline constexpr TwipsRect kSceneryHeadingShapePlace{3990, 2790, 1695, 315};  // its frame
// 0 the desktop, 1 a picture of the user's own
const ChoicePlace& SceneryRow(int kind);
inline constexpr TwipsRect kPicturePathPlace{4770, 3615, 2085, 300};  // bordered, one line
inline constexpr ChoicePlace kSceneryFolderRow{{4110, 3930, 195, 195}, {4350, 3930, 0, 0}};
inline constexpr ChoicePlace kKeeperRow{{4110, 4230, 195, 195}, {4350, 4230, 0, 0}};
// The clock's box under the keeper's, level with the sky's: the panel has room for no sixth row
// on the left, and here the dialog keeps its size.
inline constexpr ChoicePlace kClockRow{{4110, 4530, 195, 195}, {4350, 4530, 0, 0}};

// The credit line is the first of the texts' credits (longest first) that fits kCreditRoomTwips
// in the font the dialog got (a fallback font may be much wider than the designed one).
// The link opens the manual installed beside the programs (the README's part for users).
inline constexpr char kManualFileName[] = "MANUAL.txt";

// The file chooser's patterns, after the texts' filter names.
inline constexpr char kFileFilterPattern[] = "*.MP3;*.WAV";
// The picture chooser's: the formats Windows' imaging component decodes, and any file (a codec
// the machine has may read more).
inline constexpr char kPictureFilterPattern[] = "*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff";
inline constexpr char kAnyFilterPattern[] = "*.*";

}  // namespace altostrat
