#include <cstdio>

#include "common/file_bytes.h"
#include "host/settings/ini_file.h"
#include "host/settings/settings.h"
#include "tools/altostrat_tool/arguments.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {

const char kSettingsUsage[] = "settings INI_PATH PROGRAM_FOLDER";

int SettingsCommand(int argc, char** argv) {
    if (argc != 2) {
        return UsageError("settings takes the settings file and the program's folder",
                          kSettingsUsage);
    }
    // A missing file is an ordinary state (the defaults); one that is there but cannot be read
    // gives the defaults too, and says so on the error stream.
    const FileReadStatus status = ReadWholeFile(argv[0], kMaxIniFileBytes).status;
    if (status == FileReadStatus::kUnreadable || status == FileReadStatus::kTooLarge) {
        std::fprintf(stderr, "altostrat-tool: %s cannot be read as a settings file; defaults\n",
                     argv[0]);
    }
    HostSettings settings;
    LoadSettings(settings, argv[0], argv[1]);
    std::printf("BgmKind=%d\nBgmRepeat=%d\nBgmFile=%s\nBgmFolder=%s\n",
                static_cast<int>(settings.BgmKind), settings.BgmRepeat, settings.BgmFile.c_str(),
                settings.BgmFolder.c_str());
    // The display settings follow the music's four lines, so the lines read before stay first.
    std::printf("ScreenChoice=%d\nAircraftShown=%d\nSkyFollowsClock=%d\n",
                static_cast<int>(settings.Screen), settings.AircraftShown ? 1 : 0,
                settings.SkyFollowsClock ? 1 : 0);
    return 0;
}

}  // namespace altostrat::tool
