#include "host/dialog/dialog_layout.h"

#include <cmath>

#include "host/text/number_conversion.h"

namespace altostrat {

TwipsRect OnPanel(const TwipsRect& placeInPanel) {
    return TwipsRect{kPanelPlace.left + placeInPanel.left, kPanelPlace.top + placeInPanel.top,
                     placeInPanel.width, placeInPanel.height};
}

PixelPoint DialogPosition(int screenWidth, int screenHeight, int dialogWidth, int dialogHeight) {
    return PixelPoint{(screenWidth - dialogWidth) / 2, (screenHeight - dialogHeight) / 3};
}

namespace {

// The smallest multiple of 60 twips that is at least OVERFLOW; 0 for none.
int WholeSteps(int overflow) {
    constexpr int step = 60;
    return overflow <= 0 ? 0 : (overflow + step - 1) / step * step;
}

int Widest(const std::vector<int>& ends) {
    int widest = 0;
    for (int end : ends) {
        widest = end > widest ? end : widest;
    }
    return widest;
}

}  // namespace

DialogGrowth GrowthFor(const std::vector<int>& leftEnds, const std::vector<int>& rightEnds) {
    DialogGrowth growth;
    growth.column = WholeSteps(Widest(leftEnds) - (kSceneryColumnLeft - kCaptionGapTwips));
    const int panelRight = kPanelPlace.left + kPanelPlace.width;
    growth.width = growth.column + WholeSteps(Widest(rightEnds) - (panelRight - kCaptionGapTwips));
    return growth;
}

TwipsRect InSceneryColumn(TwipsRect place, const DialogGrowth& growth) {
    place.left += growth.column;
    return place;
}

TwipsRect MovedRight(TwipsRect place, const DialogGrowth& growth) {
    place.left += growth.width;
    return place;
}

TwipsRect Widened(TwipsRect place, const DialogGrowth& growth) {
    place.width += growth.width;
    return place;
}

std::size_t FittingText(const std::vector<int>& widths, int room) {
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (widths[i] <= room) {
            return i;
        }
    }
    return widths.empty() ? 0 : widths.size() - 1;
}

std::vector<PixelPoint> TilePositions(int panelWidth, int panelHeight, int stripWidth,
                                      int stripHeight) {
    std::vector<PixelPoint> positions;
    if (stripWidth <= 0 || stripHeight <= 0 || panelWidth < 0 || panelHeight < 0) {
        return positions;
    }
    int x = 0;
    int y = 0;
    for (;;) {
        positions.push_back(PixelPoint{x, y});
        if (y > panelHeight) {
            if (x > panelWidth) {
                return positions;
            }
            x += stripWidth;
            y = 0;
        } else {
            y += stripHeight;
        }
    }
}

std::vector<std::uint8_t> GradientRows(int clientHeight) {
    std::vector<std::uint8_t> rows;
    if (clientHeight <= 0) {
        return rows;
    }
    const double k = clientHeight / 3.142;
    for (int i = 0; i <= clientHeight; ++i) {
        const double level = std::fabs(std::sin(i / k) * 220.0);
        rows.push_back(static_cast<std::uint8_t>(RoundHalfEven(level).value_or(0)));
    }
    return rows;
}

}  // namespace altostrat
