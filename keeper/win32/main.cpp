// アルトストラト常駐.exe: one per session, started at sign-in. Without arguments it keeps watch
// until the session ends, its stop signal is set, or its window is closed; with /stop it sets a
// running keeper's stop signal and waits up to ten seconds for it to end (exit code 0 when no
// keeper runs any more, 1 when one still does).
#include <windows.h>

#include <string>

#include "common/agreement.h"
#include "common/keeper_photograph.h"
#include "common/win32/keeper_names.h"
#include "common/win32/keeper_section.h"
#include "common/win32/keeper_stop.h"
#include "common/win32/wide_text.h"
#include "keeper/win32/keeper_program.h"

namespace altostrat {
namespace {

int StopRunningKeeper() {
    SignalKeeperStop();
    const KeeperNames names;
    const std::wstring lockName = names.Of(kKeeperMutexName);
    HANDLE lock = lockName.empty() ? nullptr : OpenMutexW(SYNCHRONIZE, FALSE, lockName.c_str());
    if (lock == nullptr) {
        return 0;  // no keeper runs
    }
    const DWORD waited = WaitForSingleObject(lock, 10000);
    const bool ended = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    if (ended) {
        ReleaseMutex(lock);
    }
    CloseHandle(lock);
    return ended ? 0 : 1;
}

std::wstring HostBesideUs() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (length == 0 || length >= MAX_PATH * 4) {
        return {};
    }
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + Wide(kHostFileName);
}

// The message loop, also woken by the stop signal and by a change of the desktop settings.
void KeepWatch(HANDLE stop, KeeperProgram& program) {
    for (;;) {
        const bool watched = program.desktopSettingsSet != nullptr;
        const HANDLE signals[] = {stop, program.desktopSettingsSet};
        const DWORD count = watched ? 2 : 1;
        const DWORD woke = MsgWaitForMultipleObjects(count, signals, FALSE, INFINITE, QS_ALLINPUT);
        if (watched && woke == WAIT_OBJECT_0 + 1) {
            WatchDesktopSettings(program);  // the watch fires once: set it again
            StepKeeperProgram(program);
            continue;
        }
        if (woke != WAIT_OBJECT_0 + count) {
            return;  // the stop signal, or a failed wait
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Made new with the user alone let in; one found already made is taken only when it is the
// user's alone (the session's shared names: a squatter's is never obeyed nor signalled through).
// Nullptr otherwise; ALREADY tells which.
HANDLE MakeOrJudge(HANDLE made, const KeeperNames& names, bool& already) {
    already = made != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    if (made != nullptr && already && names.Shared() &&
        !KeeperSectionTrusted(ReadKeeperSectionTrust(made))) {
        CloseHandle(made);
        return nullptr;
    }
    return made;
}

int RunKeeper(HINSTANCE instance) {
    // Held open as long as the keeper runs: the namespace, and the names in it, last as long.
    const KeeperNames names;
    const std::wstring lockName = names.Of(kKeeperMutexName);
    const std::wstring stopName = names.Of(kKeeperStopEventName);
    if (lockName.empty()) {
        return 1;  // nowhere only the user can reach: nothing is photographed
    }
    KeeperSectionSecurity lockSecurity(MUTEX_ALL_ACCESS);
    KeeperSectionSecurity stopSecurity(EVENT_ALL_ACCESS);
    if (!lockSecurity.Made() || !stopSecurity.Made()) {
        return 1;
    }
    bool already = false;
    HANDLE lock =
        MakeOrJudge(CreateMutexW(&lockSecurity.attributes, TRUE, lockName.c_str()), names, already);
    if (lock == nullptr || already) {
        if (lock != nullptr) {
            CloseHandle(lock);
            return 0;  // another keeper keeps this session
        }
        return 1;
    }
    HANDLE stop = MakeOrJudge(
        CreateEventW(&stopSecurity.attributes, FALSE, FALSE, stopName.c_str()), names, already);
    if (stop == nullptr) {
        ReleaseMutex(lock);
        CloseHandle(lock);
        return 1;
    }
    ResetEvent(stop);  // a stop meant for a keeper that has ended already
    // Started from the install folder, the keeper would hold it as its current folder all session.
    wchar_t system[MAX_PATH] = {};
    if (GetSystemDirectoryW(system, MAX_PATH) > 0) {
        SetCurrentDirectoryW(system);
    }
    KeeperProgram program;
    program.hostPath = HostBesideUs();
    program.photographName = names.Of(kKeeperPhotographName);
    HWND window = CreateKeeperWindow(instance, program);
    int code = 1;
    if (window != nullptr) {
        WatchDesktopSettings(program);
        StepKeeperProgram(program);  // a first look at once; it sets when the next is due
        KeepWatch(stop, program);
        if (IsWindow(window)) {
            DestroyWindow(window);  // drops the photograph
        }
        code = 0;
    }
    EndKeeperProgram(program);
    CloseHandle(stop);
    ReleaseMutex(lock);
    CloseHandle(lock);
    return code;
}

}  // namespace
}  // namespace altostrat

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::string arguments = altostrat::Narrow(commandLine != nullptr ? commandLine : L"");
    for (const std::string& word : altostrat::SplitCommandLineWords(arguments)) {
        if (lstrcmpiW(altostrat::Wide(word).c_str(),
                      altostrat::Wide(altostrat::kKeeperStopArgument).c_str()) == 0) {
            return altostrat::StopRunningKeeper();
        }
    }
    return altostrat::RunKeeper(instance);
}
