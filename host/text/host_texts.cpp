#include "host/text/host_texts.h"

#include "common/agreement.h"

namespace altostrat {
namespace {

const HostTexts kJapanese{
    kSettingsDialogTitle,
    u8"設定",
    u8"ｷｬﾝｾﾙ",
    "BGM",
    {u8"なし", u8"音楽CD", u8"MP3、WAV"},
    u8"曲目をﾘﾋﾟｰﾄ",
    u8"画面",
    {u8"解像度を 1024×768 に切り替える", u8"今の解像度ですべての画面に", u8"画面ごとに別々に飛ぶ"},
    u8"紙飛行機を表示する",
    u8"空を時刻に合わせる",
    u8"景色",
    {u8"デスクトップ", u8"画像"},
    u8"フォルダーの画像から毎回選ぶ",
    u8"待機中の画面を覚えておく",
    u8"時計を表示する",
    {u8"アルトストラト Version 1.0.0  © Altostrat developers",
     u8"アルトストラト 1.0.0  © Altostrat developers", u8"アルトストラト 1.0.0"},
    u8"使い方を読む (MANUAL.txt)",

    u8"ﾌｧｲﾙを開く",
    u8"BGMﾌｧｲﾙ (MP3 WAV)",
    u8"画像 (*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff)",
    u8"すべてのファイル (*.*)",

    u8"このファイルの場所は長すぎて、設定ファイルに書けません (書けるのは 255 文字まで)。\n"
    u8"もっと短い場所のファイルを選んでください。\n\n",
    u8"このファイルの場所には、設定ファイルに書けない文字が含まれています。\n"
    u8"別の場所のファイルを選んでください。\n\n",
    u8"設定を保存できませんでした。\n次の値は設定ファイルに書けません。\n\n",
    u8"設定を保存できませんでした。\nアルトストラト.ini のあるフォルダーに"
    u8"書き込めるか確かめてください。\n\n",
    u8"「待機中の画面を覚えておく」を変更できませんでした。\n\n",
    u8"\nほかのアカウントが置き換えたプログラムがサインインのたびに動かないよう、"
    u8"常駐プログラムは登録も起動もしませんでした。自分だけが書き込めるフォルダー"
    u8"(例: %LOCALAPPDATA%\\Programs\\アルトストラト) "
    u8"に置いてから、もう一度選んでください。",
    u8"サインイン時の起動の設定 (レジストリの Run キー) を書き換えられませんでした。"
    u8"常駐プログラムはそのままです。",
    u8"常駐プログラムを起動できませんでした。",
    u8"常駐プログラムに終了を伝えられませんでした。",
    u8"サインイン時の起動の設定は元に戻しました。",
    u8"サインイン時の起動の設定も元に戻せませんでした。",

    u8"地面: ",
    u8"使わなかったもの: ",
    {u8"自分の画像", u8"画面の写真", u8"常駐プログラムの写真", u8"壁紙", u8"組み込みの野原と森"},
    {"", u8"ファイルもフォルダーも見つかりません",
     u8"読める画像がありませんでした (壊れている、空、大きすぎる、フォルダーに画像がない)",
     u8"スクリーンセーバーがあなたのデスクトップではない別のデスクトップで始まったため、"
     u8"画面を写せません",
     u8"画面を写せませんでした", u8"一色だけの写真で、あなたのデスクトップではありません",
     u8"写真がありません (常駐プログラムが動いていないか、今回は撮っていません)",
     u8"写真を使えません: ", u8"壁紙が設定されていません",
     u8"ロックされた画面にはあなたの画面を映しません"},
    {u8"使えませんでした", u8"あなたのものではありませんでした", u8"壊れていました",
     u8"壊れていました", u8"撮ったときと画面の並びや大きさが違います",
     u8"撮ったあとにマウスかキーボードが使われました", u8"古すぎました",
     u8"すでに使われていました"},
};

const HostTexts kEnglish{
    kSettingsDialogTitleEnglish,
    "Save",
    "Cancel",
    "Music",
    {"None", "Audio CD", "MP3, WAV"},
    "Repeat track",
    "Screen",
    {u8"Switch to 1024 × 768", "All monitors at their resolution", "Each monitor its own flight"},
    "Show the paper plane",
    "Sky follows the time of day",
    "Scenery",
    {"Desktop", "Picture"},
    "A new picture from the folder each time",
    "Remember the screen while idle",
    "Show the clock",
    {u8"Altostrat Version 1.0.0  © Altostrat developers",
     u8"Altostrat 1.0.0  © Altostrat developers", "Altostrat 1.0.0"},
    "Read the manual (MANUAL.txt)",

    "Open",
    "Music files (MP3 WAV)",
    "Pictures (*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff)",
    "All files (*.*)",

    "The place of this file is too long for the settings file (it holds up to 255 "
    "characters).\nChoose a file in a shorter place.\n\n",
    "The place of this file holds letters the settings file cannot hold.\n"
    "Choose a file in another place.\n\n",
    "The settings could not be saved.\nThe settings file cannot hold this value:\n\n",
    "The settings could not be saved.\nCheck that the folder of Altostrat's settings file can "
    "be written to.\n\n",
    "\"Remember the screen while idle\" could not be changed.\n\n",
    "\nSo that a program replaced by another account cannot run at every sign-in, the keeper "
    "was neither registered nor started. Put Altostrat in a folder only you can write to (such "
    "as %LOCALAPPDATA%\\Programs\\Altostrat), then choose it again.",
    "The start at sign-in (the registry's Run key) could not be changed. The keeper is as it "
    "was.",
    "The keeper could not be started.",
    "The keeper could not be told to end.",
    "The start at sign-in has been put back as it was.",
    "The start at sign-in could not be put back either.",

    "Ground: ",
    "Not used: ",
    {"your own picture", "the screen's photograph", "the keeper's photograph", "the wallpaper",
     "the built-in fields and woods"},
    {"", "neither the file nor the folder is there",
     "no picture could be read (damaged, empty, too large, or no picture in the folder)",
     "the screen saver started on a desktop other than yours, so the screen cannot be "
     "photographed",
     "the screen could not be photographed", "a photograph of one colour: not your desktop",
     "no photograph (the keeper is not running, or took none this time)",
     "the photograph cannot be used: ", "no wallpaper is set",
     "a locked screen never shows your screen"},
    {"it could not be used", "it was not yours", "it was damaged", "it was damaged",
     "the monitors' layout or size has changed since it was taken",
     "the mouse or the keyboard was used after it was taken", "it was too old",
     "it had been used already"},
};

}  // namespace

const HostTexts& TextsFor(UiLanguage language) {
    return language == UiLanguage::kJapanese ? kJapanese : kEnglish;
}

}  // namespace altostrat
