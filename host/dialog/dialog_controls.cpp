#include "host/dialog/dialog_controls.h"

namespace altostrat {

PropertyBag StoredButtonData(DialogButton button) {
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
                                {"caption", u8"設定"},
                                {"font", kCommandDesignFont}}};
        case DialogButton::kCancel:
        default:
            return PropertyBag{{{"_extentx", "2037"},
                                {"_extenty", "661"},
                                {"caption", u8"ｷｬﾝｾﾙ"},
                                {"font", kCommandDesignFont}}};
    }
}

const ChoicePlace& ChoiceRow(int kind) {
    // Rows from the top: audio CD (1), none (0), file (2).
    static const ChoicePlace rows[3] = {
        {{600, 1380, 195, 195}, {840, 1380, 0, 0}, u8"なし"},
        {{600, 1080, 195, 195}, {840, 1080, 0, 0}, u8"音楽CD"},
        {{600, 1680, 195, 195}, {840, 1680, 0, 0}, u8"MP3、WAV"},
    };
    return rows[kind < 0 || kind > 2 ? 0 : kind];
}

const ChoicePlace& ScreenRow(int choice) {
    static const ChoicePlace rows[3] = {
        {{600, 3330, 195, 195}, {840, 3330, 0, 0}, u8"解像度を 1024×768 に切り替える"},
        {{600, 3630, 195, 195}, {840, 3630, 0, 0}, u8"今の解像度ですべての画面に"},
        {{600, 3930, 195, 195}, {840, 3930, 0, 0}, u8"画面ごとに別々に飛ぶ"},
    };
    return rows[choice == 1 || choice == 2 ? choice : 0];
}

const ChoicePlace& SceneryRow(int kind) {
    static const ChoicePlace rows[2] = {
        {{4110, 3330, 195, 195}, {4350, 3330, 0, 0}, u8"デスクトップ"},
        {{5790, 3330, 195, 195}, {6030, 3330, 0, 0}, u8"画像"},
    };
    return rows[kind == 1 ? 1 : 0];
}

}  // namespace altostrat
