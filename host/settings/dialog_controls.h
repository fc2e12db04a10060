#pragma once
// The settings dialog's controls: their places in twips relative to the form's client area
// (the music panel's controls already moved by the panel's place), their captions, and the
// stored data its three Command buttons are loaded from.

#include <array>
#include <string>

#include "host/controls/command_properties.h"
#include "host/settings/dialog_layout.h"

namespace altostrat {

enum class DialogButton { kFile, kSet, kCancel };

struct DialogButtonPlace {
    DialogButton button;
    TwipsRect place;
};

inline constexpr std::array<DialogButtonPlace, 3> kDialogButtons{{
    {DialogButton::kFile, {600, 1980, 615, 315}},  // Cmd_File, on the panel at 420, 1740
    {DialogButton::kSet, {4860, 3000, 1155, 375}},
    {DialogButton::kCancel, {6060, 3000, 1155, 375}},
}};

// The form's stored data of a button, as its form file holds it (lower-case keys, the extent,
// and what differs from the write defaults).
PropertyBag StoredButtonData(DialogButton button);

// The three choice rows, by music kind: the mark's place (its picture is 12 x 12 pixels at the
// top-left), and where the caption starts.
struct ChoicePlace {
    TwipsRect mark;
    TwipsRect caption;  // width and height 0: sized to the text
    const char* text;
};
const ChoicePlace& ChoiceRow(int kind);

inline constexpr TwipsRect kRepeatComboPlace{1860, 1020, 615, 300};  // BGM_Repeat
inline constexpr TwipsRect kHeadingPlace{480, 600, 1665, 195};       // lbl(15), centred
inline constexpr TwipsRect kHeadingShapePlace{480, 540, 1695, 315};  // Shape3
inline constexpr TwipsRect kRepeatCaptionPlace{2520, 1080, 990, 195};
inline constexpr TwipsRect kFileLabelPlace{1260, 1980, 5595, 495};  // lbl_Fname, bordered
inline constexpr TwipsRect kCreditPlace{180, 2880, 2475, 195};      // lbl(7)
inline constexpr TwipsRect kLinkPlace{180, 3120, 3105, 195};        // lbl_URL

inline constexpr char kHeadingCaption[] = "BGM";
inline constexpr char kRepeatCaption[] = u8"曲目をﾘﾋﾟｰﾄ";
inline constexpr char kCreditCaption[] = u8"アルトストラト Version 1.0.0  © Altostrat developers";
inline constexpr char kHomePage[] = "https://altostrat.example.org/";

// The file chooser's request.
inline constexpr char kFileChooserTitle[] = u8"ﾌｧｲﾙを開く";
inline constexpr char kFileFilterName[] = u8"BGMﾌｧｲﾙ (MP3 WAV)";
inline constexpr char kFileFilterPattern[] = "*.MP3;*.WAV";

}  // namespace altostrat
