#include "assets/generator/picture.h"

namespace altostrat::assets {

// One line per built-in picture; the host's resource script names the same files.
const std::vector<PictureEntry>& Pictures() {
    static const std::vector<PictureEntry> pictures = {
        {"sky.bmp", MakeSky, false},
        {"glow.bmp", MakeGlow, false},
        {"preview_still.bmp", MakePreviewStill, true},
    };
    return pictures;
}

}  // namespace altostrat::assets
