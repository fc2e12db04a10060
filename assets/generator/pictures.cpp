#include "assets/generator/picture.h"

namespace altostrat::assets {

// One line per built-in picture; the host's resource script names the same files, and the
// Linux program builds in the sky, the glow and the ground.
const std::vector<PictureEntry>& Pictures() {
    static const std::vector<PictureEntry> pictures = {
        {"sky.bmp", MakeSky, false},
        {"glow.bmp", MakeGlow, false},
        {"ground.bmp", MakeGround, false},
        {"preview_still.bmp", MakePreviewStill, true},
        {"skin_normal.bmp", MakeSkinNormal, false},
        {"skin_highlight.bmp", MakeSkinHighLight, false},
        {"skin_highlight_select.bmp", MakeSkinHighLight, false},  // the same picture
        {"skin_pressed.bmp", MakeSkinPressed, false},
        {"skin_disable.bmp", MakeSkinDisable, false},
        {"skin_selected.bmp", MakeSkinSelected, false},
        {"dialog_strip.bmp", MakeDialogStrip, false},
        {"choice_unchosen.bmp", MakeChoiceMarkUnchosen, false},
        {"choice_chosen.bmp", MakeChoiceMarkChosen, false},
        {"check_unchecked.bmp", MakeCheckMarkUnchecked, false},
        {"check_checked.bmp", MakeCheckMarkChecked, false},
    };
    return pictures;
}

}  // namespace altostrat::assets
