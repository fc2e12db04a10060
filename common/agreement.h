#pragma once
// What the host and the renderer agree on. The two programs share no memory and send each other
// nothing: the host writes three pictures into a fixed folder and starts the renderer by its
// file name beside itself; the host then watches for the renderer's window by its title. The
// host's own windows keep a second copy of the host from starting while one runs.

#include <string>
#include <string_view>
#include <vector>

namespace altostrat {

// The agreed folder of the three pictures: where a renderer started without a folder of its own
// on its command line looks for them.
inline constexpr char kCaptureFolder[] = "C:\\t_wisp";

// The number in each picture's file name is its role.
enum class CapturePicture { kSky = 1, kDesktop = 2, kGlow = 3 };

// "Altostrat1.bmp", "Altostrat2.bmp" or "Altostrat3.bmp".
std::string CapturePictureName(CapturePicture picture);
// The picture's path in FOLDER, a Windows or a POSIX folder with or without its last separator:
// the one separator added is the kind the folder already uses (a backslash where it holds one).
std::string CapturePicturePath(std::string_view folder, CapturePicture picture);

// The renderer's file, in the host's own folder.
inline constexpr char kRendererFileName[] = u8"\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8.dll";
// The aircraft's model, a MilkShape 3D file in the renderer's own folder: shipped beside the two
// programs, so that it is found wherever they were put, whatever the current folder.
inline constexpr char kAircraftModelFileName[] =
    u8"\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8.ms3d";  // アルトストラト.ms3d

// The model's path for the renderer whose own full path is RENDERER_PATH (either separator):
// the same folder, the model's name. "" for a path with no folder in it, as a bare name would
// be looked up in the current folder.
std::string AircraftModelPath(std::string_view rendererPath);

// What the host tells the renderer on its command line: the settings that change the flight, and
// the folder the run's pictures are in. Started with no arguments, the renderer switches to
// 1024 x 768, shows the aircraft under the midday sky and reads the pictures in kCaptureFolder.
struct RendererOptions {
    bool acrossAllMonitors = false;  // one flight over the whole virtual screen, no mode switch
    // Every monitor its own flight over its own part of the desktop, no mode switch. Wins over
    // acrossAllMonitors when both are asked for.
    bool eachMonitor = false;
    bool aircraftShown = true;
    bool skyFollowsClock = false;  // the sky's light follows the local time of day
    bool showClock = false;        // the local time in a corner, in the user's format
    // The folder of this run's pictures, without a trailing separator; "" for kCaptureFolder.
    std::string pictureFolder;
};
inline constexpr char kAcrossAllMonitorsArgument[] = "/allmonitors";
inline constexpr char kEachMonitorArgument[] = "/eachmonitor";
inline constexpr char kNoAircraftArgument[] = "/noaircraft";
inline constexpr char kSkyFollowsClockArgument[] = "/skyclock";
inline constexpr char kShowClockArgument[] = "/clock";
// Followed by the folder as the next word.
inline constexpr char kPictureFolderArgument[] = "/folder";

// The arguments for OPTIONS, separated by one blank; "" for the defaults. The folder comes last,
// in double quotes, written so that Windows' own splitting of a command line (CommandLineToArgvW,
// the C runtime's argv) gives it back whole, blanks and a trailing backslash included.
std::string RendererArguments(const RendererOptions& options);
// Reads the renderer's words (the command line split as Windows splits it, without the program's
// own path): the words above in any order and letter case; any other word is ignored, so a
// renderer started by a newer host still flies. "/folder" takes the word after it; at the end of
// the line, or followed by an empty word, it is ignored.
RendererOptions ParseRendererWords(const std::vector<std::string>& words);
// The same for a whole command line after the program's path, split by Windows' rules: blanks
// separate words except inside double quotes; 2n backslashes before a quote give n and the quote
// opens or closes, 2n + 1 give n and a literal quote; other backslashes are literal.
RendererOptions ParseRendererArguments(std::string_view arguments);
std::vector<std::string> SplitCommandLineWords(std::string_view arguments);

// The renderer's window: created by the renderer, looked for by the host and the keeper. Windows
// are looked for by class and title, and only among those of our own programs' processes
// (common/win32/our_window.h): any program may give a window these names.
inline constexpr char kRendererWindowTitle[] = "Altostrat_VC";
inline constexpr char kRendererWindowClass[] = "OpenGL";
// A running saver's hidden window, and the settings dialog: while either exists, a new start
// of the host does nothing.
inline constexpr char kSaverFormTitle[] = "Altostrat_Main";
inline constexpr char kSaverFormClass[] = "AltostratSaverForm";
// The dialog is titled in the user's language (common/ui_language.h); a start looks for both
// titles, as a user may change the display language while the dialog is open.
inline constexpr char kSettingsDialogTitle[] =
    u8"<\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8>";  // <アルトストラト>
inline constexpr char kSettingsDialogTitleEnglish[] = "<Altostrat>";
inline constexpr char kSettingsDialogClass[] = "AltostratSettings";
// The still picture shown in the Display Properties' small monitor.
inline constexpr char kPreviewWindowTitle[] = "Preview Window";

}  // namespace altostrat
