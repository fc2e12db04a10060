// アルトストラト.scr: the screensaver host. Windows starts it with /s, /p HANDLE or /c; Explorer's
// "Configure" starts it with nothing.
#include <windows.h>

#include "common/win32/ui_language.h"
#include "common/win32/wide_text.h"
#include "host/host_state.h"
#include "host/startup/command_line.h"
#include "host/startup/host_main.h"
#include "host/startup/win32/win32_host_platform.h"
#include "host/text/win32/program_folder.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    altostrat::HostState state;
    // The whole command line, not the runtime's split of it: the arguments are read as one text,
    // after the program's own path, which may hold blanks without quotes.
    state.arguments =
        altostrat::ArgumentsOf(altostrat::Narrow(GetCommandLineW()), altostrat::ProgramPathForms());
    state.programFolder = altostrat::ProgramFolder();
    state.language = altostrat::UserUiLanguage();
    altostrat::Win32HostPlatform platform;
    return altostrat::Main(state, platform);
}
