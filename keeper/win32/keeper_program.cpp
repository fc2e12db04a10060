#include "keeper/win32/keeper_program.h"

#include "common/keeper_photograph.h"
#include "common/win32/wide_text.h"
#include "keeper/win32/keeper_sight.h"

namespace altostrat {
namespace {

constexpr UINT_PTR kStepTimer = 1;

LRESULT CALLBACK KeeperWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* program = reinterpret_cast<KeeperProgram*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_TIMER:
            if (wParam == kStepTimer && program != nullptr) {
                StepKeeperProgram(*program);
            }
            return 0;
        case WM_QUERYENDSESSION:
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
            if (program != nullptr) {
                Drop(program->held);
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
            const bool held = TakeAndHold(program.held, sight.nowTick);
            KeeperPhotographResult(program.decision, held, sight.nowTick);
            break;
        }
        case KeeperAction::kDrop:
            Drop(program.held);
            break;
        case KeeperAction::kNothing:
            break;
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
    // are told that the session ends.
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className.c_str(), className.c_str(), WS_POPUP,
                                  0, 0, 0, 0, nullptr, nullptr, instance, &program);
    if (window != nullptr && SetTimer(window, kStepTimer, 1000, nullptr) == 0) {
        DestroyWindow(window);
        return nullptr;
    }
    return window;
}

}  // namespace altostrat
