// The saver form: a hidden top-level window titled "Altostrat_Main" (found by the single-instance
// test of any later start, which is why it is not a message-only window), its three timers, and
// the Windows side of the saver run whose order saver_run.cpp decides. It hears the display's
// power as the renderer's window does: the monitor power command that reaches every top-level
// window, and the console display state notification it asks for.
#include "host/saver_run/win32/saver_form.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "common/agreement.h"
#include "common/win32/display_power_notice.h"
#include "common/win32/wide_text.h"
#include "host/ground/win32/desktop_picture.h"
#include "host/ground/win32/screen_capture.h"
#include "host/music/win32/win32_mci_sender.h"
#include "host/resource_ids.h"
#include "host/run_folder/win32/win32_run_folder.h"
#include "host/saver_run/saver_run.h"

namespace altostrat {
namespace {

// The form's timer of each kind: its SetTimer identifier is the kind's number plus one.
UINT_PTR TimerId(SaverTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

UINT TimerInterval(SaverTimer timer) {
    switch (timer) {
        case SaverTimer::kMp3Restart:
            return kMp3RestartInterval;
        case SaverTimer::kCdPoll:
            return kCdPollInterval;
        case SaverTimer::kRendererWatch:
            break;
    }
    return kRendererWatchInterval;
}

class Win32SaverPlatform final : public SaverPlatform {
  public:
    Win32SaverPlatform(HWND form, HINSTANCE instance) : form_(form), instance_(instance) {}
    ~Win32SaverPlatform() override {
        if (renderer_ != nullptr) {
            CloseHandle(renderer_);  // the renderer itself runs on
        }
    }

    bool WriteDesktopPicture(const DesktopRequest& request, const std::string& path) override {
        return WriteDesktopPictureFile(instance_, request, path);
    }

    bool WriteBuiltInPicture(BuiltInPicture picture, const std::string& path) override {
        return WriteBitmapResourceToFile(
            instance_, picture == BuiltInPicture::kSky ? ALTOSTRAT_IDB_SKY : ALTOSTRAT_IDB_GLOW,
            path);
    }

    bool StartRenderer(const std::string& path, const std::string& arguments) override {
        const std::wstring application = Wide(path);
        // The program's own quoted name first, as the renderer's start-up code expects.
        std::wstring commandLine = L"\"" + application + L"\"";
        if (!arguments.empty()) {
            commandLine += L" " + Wide(arguments);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return false;
        }
        // The renderer brings its window to the foreground itself; the started process may.
        AllowSetForegroundWindow(process.dwProcessId);
        CloseHandle(process.hThread);
        renderer_ = process.hProcess;
        rendererId_ = process.dwProcessId;
        return true;
    }

    bool RendererWindowExists() override { return RendererWindow() != nullptr; }

    bool AnotherWindowHasForeground() override {
        const HWND foreground = GetForegroundWindow();
        return foreground != nullptr && foreground != RendererWindow();
    }

    void GiveRendererTheForeground() override {
        // Windows started the host, so the host may set the foreground and pass that right on.
        if (rendererId_ != 0) {
            AllowSetForegroundWindow(rendererId_);
        }
        if (const HWND window = RendererWindow()) {
            SetForegroundWindow(window);
        }
    }

    bool RendererRunning() override {
        return renderer_ != nullptr && WaitForSingleObject(renderer_, 0) == WAIT_TIMEOUT;
    }

    std::uint64_t Milliseconds() override { return GetTickCount64(); }

    void SetTimerEnabled(SaverTimer timer, bool enabled) override {
        if (enabled) {
            SetTimer(form_, TimerId(timer), TimerInterval(timer), nullptr);
        } else {
            KillTimer(form_, TimerId(timer));
        }
    }

    int ShowCursor(bool show) override { return ::ShowCursor(show ? TRUE : FALSE); }

    void EndProgram() override { DestroyWindow(form_); }

  private:
    struct WindowSearch {
        DWORD process = 0;
        const std::wstring* title = nullptr;
        HWND found = nullptr;
    };

    static BOOL CALLBACK MatchWindow(HWND window, LPARAM searchAddress) {
        auto* search = reinterpret_cast<WindowSearch*>(searchAddress);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != search->process) {
            return TRUE;
        }
        // Room for one character more than the title: a longer title, cut there, never
        // matches.
        std::vector<wchar_t> text(search->title->size() + 2, L'\0');
        const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        if (std::wstring_view(text.data(), static_cast<std::size_t>(std::max(length, 0))) ==
            *search->title) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    // The window titled "Altostrat_VC" of the process this run started, hidden ones included: a
    // window of that title from another process (a renderer left over from an earlier run, or
    // any program's) is not this run's flight.
    HWND RendererWindow() const {
        if (rendererId_ == 0) {
            return nullptr;
        }
        WindowSearch search{rendererId_, &rendererTitle_, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND form_;
    HINSTANCE instance_;
    HANDLE renderer_ = nullptr;
    DWORD rendererId_ = 0;
    const std::wstring rendererTitle_ = Wide(kRendererWindowTitle);
};

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = reinterpret_cast<SaverRun*>(GetWindowLongPtrW(form, GWLP_USERDATA));
    switch (message) {
        case WM_TIMER:
            if (run != nullptr) {
                if (wParam == TimerId(SaverTimer::kMp3Restart)) {
                    Mp3RestartTick(*run);
                } else if (wParam == TimerId(SaverTimer::kCdPoll)) {
                    CdPollTick(*run);
                } else if (wParam == TimerId(SaverTimer::kRendererWatch)) {
                    RendererWatchTick(*run);
                }
            }
            return 0;
        case WM_CLOSE:
            // A close request unloads the form: the clean-up, which ends the program.
            if (run != nullptr) {
                SaverFormQueryUnload(*run);
            } else {
                DestroyWindow(form);
            }
            return 0;
        case WM_QUERYENDSESSION:
            // Only a question: another program may still refuse the end, and the flight then
            // flies on, watched as before.
            if (run != nullptr) {
                SaverSessionNotice(*run, SessionNotice::kAsked);
            }
            return TRUE;
        case WM_ENDSESSION:
            // The answer: the session ends (log-off or shut-down: the clean-up, before Windows
            // may end the process), or it goes on after all.
            if (run != nullptr) {
                SaverSessionNotice(*run,
                                   wParam != 0 ? SessionNotice::kEnding : SessionNotice::kGoesOn);
            }
            return 0;
        case WM_SYSCOMMAND:
            // The low four bits are the system's own. The command goes on to the default
            // processing, which powers the display as asked.
            if ((wParam & 0xFFF0) == SC_MONITORPOWER && run != nullptr) {
                SaverDisplayPower(*run, DisplayPowerAfterMonitorCommand(
                                            static_cast<std::int64_t>(lParam), run->display));
            }
            return DefWindowProcW(form, message, wParam, lParam);
        case WM_POWERBROADCAST:
            if (wParam == PBT_POWERSETTINGCHANGE) {
                if (run != nullptr) {
                    SaverDisplayPower(*run, DisplayPowerFromPowerSetting(lParam, run->display));
                }
                return TRUE;
            }
            return DefWindowProcW(form, message, wParam, lParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(form, message, wParam, lParam);
    }
}

HWND CreateSaverForm(HINSTANCE instance) {
    const std::wstring className = Wide(kSaverFormClass);
    WNDCLASSW formClass{};
    formClass.lpfnWndProc = FormProc;
    formClass.hInstance = instance;
    formClass.lpszClassName = className.c_str();
    RegisterClassW(&formClass);
    // Borderless and the screen's size like the form it stands for, and never shown.
    return CreateWindowExW(WS_EX_TOOLWINDOW, className.c_str(), Wide(kSaverFormTitle).c_str(),
                           WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
}

}  // namespace

int RunSaver(HostState& state) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND form = CreateSaverForm(instance);
    if (form == nullptr) {
        return 0;
    }
    Win32SaverPlatform platform(form, instance);
    Win32RunFolderPlatform files;
    Win32MciSender mci;
    SaverRun run(state, platform, files, mci);
    SetWindowLongPtrW(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&run));
    SaverFormLoad(run);
    // Asked for after the load, so the state Windows sends at once finds the music started.
    void* displayNotice = RegisterDisplayStateNotice(form);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UnregisterDisplayStateNotice(displayNotice);
    return 0;
}

}  // namespace altostrat
