#include "host/startup/win32/win32_host_platform.h"

#include <windows.h>

#include "common/win32/our_window.h"
#include "host/dialog/win32/settings_dialog_window.h"
#include "host/run_folder/win32/win32_run_folder.h"
#include "host/saver_run/win32/preview_form.h"
#include "host/saver_run/win32/saver_form.h"
#include "host/settings/settings.h"
#include "host/text/paths.h"

namespace altostrat {

bool Win32HostPlatform::WindowExists(std::string_view className, std::string_view title) {
    return FindOurWindow(std::string(className), std::string(title)) != nullptr;
}

void Win32HostPlatform::SweepRunFolders() {
    Win32RunFolderPlatform files;
    altostrat::SweepRunFolders(files);
}

void Win32HostPlatform::LoadSettings(HostState& state) {
    altostrat::LoadSettings(state.settings, SettingsPath(state.programFolder), state.programFolder);
}

int Win32HostPlatform::ShowCursor(bool show) {
    return ::ShowCursor(show ? TRUE : FALSE);
}

int Win32HostPlatform::RunPreview(HostState& state) {
    return altostrat::RunPreview(state);
}

int Win32HostPlatform::RunSettingsDialog(HostState& state) {
    return ShowSettingsDialog(state);
}

int Win32HostPlatform::RunSaver(HostState& state) {
    return altostrat::RunSaver(state);
}

}  // namespace altostrat
