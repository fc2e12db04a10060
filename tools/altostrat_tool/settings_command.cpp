#include <cstdio>

#include "arguments.h"
#include "commands.h"
#include "settings/settings.h"

namespace altostrat::tool {

int SettingsCommand(int argc, char** argv) {
    static const char kUsage[] = "settings INI_PATH PROGRAM_FOLDER";
    if (argc != 2) {
        return UsageError("settings takes the settings file and the program's folder", kUsage);
    }
    HostSettings settings;
    LoadSettings(settings, argv[0], argv[1]);
    std::printf("BgmKind=%d\nBgmRepeat=%d\nBgmFile=%s\nBgmFolder=%s\n", settings.BgmKind,
                settings.BgmRepeat, settings.BgmFile.c_str(), settings.BgmFolder.c_str());
    return 0;
}

}  // namespace altostrat::tool
