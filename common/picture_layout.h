#pragma once
// How a picture is laid over the screens, the way Windows lays a wallpaper: each monitor shows
// it by the style (filled, fitted, stretched, tiled or centred), or one copy spans them all, on
// the desktop's background colour. Both the host (the wallpaper, a picture of the user's own)
// and the Linux program (a picture of the user's own, filled) lay pictures this way, and the
// flight then flies over the result as over a photograph of the screen.
//
// Coordinates are the virtual screen's (ScreenRect): the canvas is the rectangle the result
// covers, and a monitor left of or above the primary has negative ones. Tiles start at the
// virtual screen's origin, as Windows tiles, so neighbouring monitors continue one pattern.

#include <array>
#include <cstdint>
#include <vector>

#include "common/screen_rect.h"

namespace altostrat {

enum class PictureFit { kFill, kFit, kStretch, kTile, kCentre, kSpan };

// 8-bit red, green, blue pixels, the top row first, rows packed (width * 3 bytes).
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

using RgbColour = std::array<std::uint8_t, 3>;

// Where a picture lands: like ScreenRect, but in 64 bits, as a picture filled over a screen may
// reach far beyond it (a picture a million pixels wide and one high, filled over a screen 2160
// pixels high, is 2.16 billion pixels wide).
struct PlacedRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
    bool operator==(const PlacedRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// Where one copy of a picture of the given size lands for a monitor (for kSpan, pass the union
// of the monitors): filled covers it, scaled evenly, centred, the overhang cut off; fitted lies
// wholly inside it, centred; stretched is the monitor itself; centred (and a tile) keeps the
// picture's own size, centred. A picture with no pixels lands nowhere (an empty rectangle).
PlacedRect PlacePicture(int pictureWidth, int pictureHeight, const ScreenRect& monitor,
                        PictureFit fit);

// The union of the monitors' rectangles; an empty rectangle for none.
ScreenRect UnionOfMonitors(const std::vector<ScreenRect>& monitors);

// A picture covering CANVAS: the background colour, and over each monitor the picture laid by
// the style (clipped to that monitor; kSpan lays one copy over the union of all). Scaled copies
// are sampled bilinearly. An empty picture leaves the background alone.
RgbPicture LayPicture(const RgbPicture& picture, const ScreenRect& canvas,
                      const std::vector<ScreenRect>& monitors, PictureFit fit,
                      RgbColour background);

// The size a decoder needs to produce of a picture of the given size so that laying it over
// monitors no larger than NEED loses no detail: never larger than the picture, and for the
// scaling styles no more than NEED's pixels in either direction once scaled (a huge photograph
// is decoded at about screen size). Reducing decoders (JPEG's 1/2, 1/4, 1/8) pick the smallest
// reduction at least this large.
struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize SizeWorthDecoding(int pictureWidth, int pictureHeight, PictureSize need,
                              PictureFit fit);

}  // namespace altostrat
