#include "keeper/win32/keeper_program.h"

#include <wtsapi32.h>

#include "common/keeper_photograph.h"
#include "common/win32/registry_text.h"
#include "common/win32/wide_text.h"
#include "keeper/win32/keeper_sight.h"

namespace altostrat {
namespace {

constexpr UINT_PTR kStepTimer = 1;

// The notices after which the screen, the session or the saver's settings may differ.
bool MayHaveChanged(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_WTSSESSION_CHANGE:  // locked, unlocked, connected to another console
        case WM_DISPLAYCHANGE:      // monitors, resolutions or their arrangement
        case WM_DPICHANGED:         // a monitor's scale
        case WM_SETTINGCHANGE:      // the saver switched on or off, its timeout
            return true;
        case WM_POWERBROADCAST:  // back from sleep: the clock jumped
            return wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND;
        default:
            return false;
    }
}

// The notices that take the session away from the user or give it back; false for the others.
bool SessionNoticeOf(UINT message, WPARAM wParam, KeeperNotice& notice) {
    if (message == WM_WTSSESSION_CHANGE) {
        switch (wParam) {
            case WTS_SESSION_LOCK:
                notice = KeeperNotice::kLocked;
                return true;
            case WTS_SESSION_UNLOCK:
                notice = KeeperNotice::kUnlocked;
                return true;
            case WTS_CONSOLE_DISCONNECT:
            case WTS_REMOTE_DISCONNECT:
                notice = KeeperNotice::kDisconnected;
                return true;
            case WTS_CONSOLE_CONNECT:
            case WTS_REMOTE_CONNECT:
                notice = KeeperNotice::kConnected;
                return true;
            default:
                return false;
        }
    }
    if (message == WM_POWERBROADCAST) {
        switch (wParam) {
            case PBT_APMSUSPEND:
                notice = KeeperNotice::kSuspending;
                return true;
            case PBT_APMRESUMEAUTOMATIC:
            case PBT_APMRESUMESUSPEND:
                notice = KeeperNotice::kResumed;
                return true;
            default:
                return false;
        }
    }
    return false;
}

// Tells the decision of the notice and drops at once what it says must go: before the step the
// notice also brings, and whatever that step may find.
void HearSessionNotice(KeeperProgram& program, KeeperNotice notice) {
    LASTINPUTINFO input{};
    input.cbSize = sizeof input;
    const std::uint32_t lastInput = GetLastInputInfo(&input) ? input.dwTime : GetTickCount();
    if (KeeperSessionNotice(program.decision, notice, lastInput) == KeeperAction::kDrop) {
        Drop(program.held);
    }
}

LRESULT CALLBACK KeeperWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* program = reinterpret_cast<KeeperProgram*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    KeeperNotice notice{};
    if (program != nullptr && program->window == window &&
        SessionNoticeOf(message, wParam, notice)) {
        HearSessionNotice(*program, notice);
    }
    if (program != nullptr && program->window == window &&
        ((message == WM_TIMER && wParam == kStepTimer) || MayHaveChanged(message, wParam))) {
        StepKeeperProgram(*program);
    }
    switch (message) {
        case WM_TIMER:
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_POWERBROADCAST:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                DestroyWindow(window);
            }
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            KillTimer(window, kStepTimer);
            WTSUnRegisterSessionNotification(window);
            if (program != nullptr) {
                Drop(program->held);
                program->window = nullptr;
            }
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void StepKeeperProgram(KeeperProgram& program) {
    KeeperSight sight = LookAround(program.hostPath);
    sight.hostTookIt = HostTookIt(program.held);
    switch (StepKeeper(program.decision, sight)) {
        case KeeperAction::kPhotograph: {
            const bool held = TakeAndHold(program.held, program.photographName, sight.nowTick);
            KeeperPhotographResult(program.decision, held, sight.nowTick);
            break;
        }
        case KeeperAction::kDrop:
            Drop(program.held);
            break;
        case KeeperAction::kNothing:
            break;
    }
    if (program.window == nullptr) {
        return;
    }
    const std::uint32_t next = KeeperNextStep(program.decision, sight);
    if (next == kKeeperNoStep) {
        KillTimer(program.window, kStepTimer);
    } else {
        SetTimer(program.window, kStepTimer, next, nullptr);  // replaces the one set before
    }
}

HWND CreateKeeperWindow(HINSTANCE instance, KeeperProgram& program) {
    const std::wstring className = Wide(kKeeperWindowClass);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = KeeperWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassW(&windowClass) == 0) {
        return nullptr;
    }
    // A top-level window that is never shown, not a message-only one: only top-level windows
    // are told that the session ends, and of display and settings changes.
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className.c_str(), className.c_str(), WS_POPUP,
                                  0, 0, 0, 0, nullptr, nullptr, instance, &program);
    if (window != nullptr) {
        program.window = window;
        // Without it (a system without the session service), the step timer still finds an
        // unlocked desktop at its next step.
        WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
    }
    return window;
}

bool WatchDesktopSettings(KeeperProgram& program) {
    if (program.desktopSettings == nullptr &&
        RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopSettingsKey, 0, KEY_NOTIFY,
                      &program.desktopSettings) != ERROR_SUCCESS) {
        program.desktopSettings = nullptr;
        return false;
    }
    if (program.desktopSettingsSet == nullptr) {
        program.desktopSettingsSet = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    if (program.desktopSettingsSet != nullptr &&
        RegNotifyChangeKeyValue(program.desktopSettings, FALSE, REG_NOTIFY_CHANGE_LAST_SET,
                                program.desktopSettingsSet, TRUE) == ERROR_SUCCESS) {
        return true;
    }
    if (program.desktopSettingsSet != nullptr) {
        CloseHandle(program.desktopSettingsSet);  // an event never set is waited on for nothing
        program.desktopSettingsSet = nullptr;
    }
    return false;
}

void EndKeeperProgram(KeeperProgram& program) {
    Drop(program.held);
    if (program.desktopSettings != nullptr) {
        RegCloseKey(program.desktopSettings);
        program.desktopSettings = nullptr;
    }
    if (program.desktopSettingsSet != nullptr) {
        CloseHandle(program.desktopSettingsSet);
        program.desktopSettingsSet = nullptr;
    }
}

}  // namespace altostrat
