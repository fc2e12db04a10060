#include "host/dialog/dialog_controls.h"

namespace altostrat {

PropertyBag StoredButtonData(DialogButton button, const HostTexts& texts) {
    // What the form file keeps: the extent, the caption and the font. Enabled, FirstRun,
    // FontColour and Visible are not stored: they take their read defaults.
    switch (button) {
        case DialogButton::kFile:
        case DialogButton::kPicture:
            return PropertyBag{{{"_extentx", "1085"},
                                {"_extenty", "556"},
                                {"caption", "..."},
                                {"font", kCommandDesignFont}}};
        case DialogButton::kSet:
            return PropertyBag{{{"_extentx", "2037"},
                                {"_extenty", "661"},
                                {"caption", texts.setButton},
                                {"font", kCommandDesignFont}}};
        case DialogButton::kCancel:
        default:
            return PropertyBag{{{"_extentx", "2037"},
                                {"_extenty", "661"},
                                {"caption", texts.cancelButton},
                                {"font", kCommandDesignFont}}};
    }
}

const ChoicePlace& ChoiceRow(int kind) {
    // Rows from the top: audio CD (1), none (0), file (2).
    static const ChoicePlace rows[3] = {
        {{600, 1380, 195, 195}, {840, 1380, 0, 0}},
        {{600, 1080, 195, 195}, {840, 1080, 0, 0}},
        {{600, 1680, 195, 195}, {840, 1680, 0, 0}},
    };
    return rows[kind < 0 || kind > 2 ? 0 : kind];
}

const ChoicePlace& ScreenRow(int choice) {
    static const ChoicePlace rows[3] = {
        {{600, 3330, 195, 195}, {840, 3330, 0, 0}},
        {{600, 3630, 195, 195}, {840, 3630, 0, 0}},
        {{600, 3930, 195, 195}, {840, 3930, 0, 0}},
    };
    return rows[choice == 1 || choice == 2 ? choice : 0];
}

const ChoicePlace& SceneryRow(int kind) {
    static const ChoicePlace rows[2] = {
        {{4110, 3330, 195, 195}, {4350, 3330, 0, 0}},
        {{5790, 3330, 195, 195}, {6030, 3330, 0, 0}},
    };
    return rows[kind == 1 ? 1 : 0];
}

}  // namespace altostrat
