#include "linux_program/wayland/capture/kwin_screenshot.h"

#include <dbus/dbus.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "linux_program/wayland/capture/shot_pipe.h"
#include "linux_program/wayland/wait/display_wait.h"

namespace altostrat {
namespace {

constexpr int kAnswerMs = 10000;

void AppendBoolOption(DBusMessageIter& dict, const char* key, bool value) {
    DBusMessageIter entry;
    DBusMessageIter variant;
    const dbus_bool_t flag = value ? TRUE : FALSE;
    dbus_message_iter_open_container(&dict, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, DBUS_TYPE_BOOLEAN_AS_STRING,
                                     &variant);
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &flag);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&dict, &entry);
}

// CaptureScreen(name, {native-resolution: true, include-cursor: false}, pipe).
DBusMessage* CaptureScreenCall(const std::string& screen, int pipe) {
    DBusMessage* call = dbus_message_new_method_call("org.kde.KWin", "/org/kde/KWin/ScreenShot2",
                                                     "org.kde.KWin.ScreenShot2", "CaptureScreen");
    DBusMessageIter args;
    DBusMessageIter dict;
    const char* name = screen.c_str();
    dbus_message_iter_init_append(call, &args);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &name);
    dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &dict);
    AppendBoolOption(dict, "native-resolution", true);
    AppendBoolOption(dict, "include-cursor", false);
    dbus_message_iter_close_container(&args, &dict);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_UNIX_FD, &pipe);
    return call;
}

// The answer's size and layout; false with a reason for an error or an answer not understood.
bool ReadAnswer(DBusMessage* reply, KWinShot& shot, std::string& error) {
    if (dbus_message_get_type(reply) == DBUS_MESSAGE_TYPE_ERROR) {
        const char* text = "";
        dbus_message_get_args(reply, nullptr, DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
        const std::string name = dbus_message_get_error_name(reply);
        error = "KWin answered " + name + (*text != '\0' ? std::string(" (") + text + ")" : "");
        if (name.find("NoAuthorized") != std::string::npos) {
            error += "; KWin allows it to programs whose installed .desktop file asks for it";
        }
        return false;
    }
    DBusMessageIter args;
    DBusMessageIter dict;
    if (!dbus_message_iter_init(reply, &args) ||
        dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_ARRAY) {
        error = "KWin's answer is not understood";
        return false;
    }
    std::string type;
    std::uint32_t format = 0;
    dbus_message_iter_recurse(&args, &dict);
    for (; dbus_message_iter_get_arg_type(&dict) == DBUS_TYPE_DICT_ENTRY;
         dbus_message_iter_next(&dict)) {
        DBusMessageIter entry;
        DBusMessageIter value;
        const char* key = "";
        dbus_message_iter_recurse(&dict, &entry);
        dbus_message_iter_get_basic(&entry, &key);
        dbus_message_iter_next(&entry);
        dbus_message_iter_recurse(&entry, &value);
        const int kind = dbus_message_iter_get_arg_type(&value);
        if (kind == DBUS_TYPE_STRING && std::strcmp(key, "type") == 0) {
            const char* text = "";
            dbus_message_iter_get_basic(&value, &text);
            type = text;
        } else if (kind == DBUS_TYPE_UINT32) {
            dbus_uint32_t number = 0;
            dbus_message_iter_get_basic(&value, &number);
            if (std::strcmp(key, "width") == 0) {
                shot.width = static_cast<int>(number);
            } else if (std::strcmp(key, "height") == 0) {
                shot.height = static_cast<int>(number);
            } else if (std::strcmp(key, "stride") == 0) {
                shot.stride = number;
            } else if (std::strcmp(key, "format") == 0) {
                format = number;
            }
        }
    }
    shot.format = ShotFormatFromQtImage(format);
    if (type != "raw" || shot.format == ShotFormat::kUnknown) {
        error = "KWin's photograph is of a kind not taken (" + type + ", format " +
                std::to_string(format) + ")";
        return false;
    }
    return true;
}

// The bytes the answer's photograph fills, bounded by the screen's mode; 0, with a reason, when
// it is refused.
std::size_t AnsweredSize(const KWinShot& shot, int mostSide, std::string& error) {
    const std::int64_t size = ShotBytes(
        shot.width, shot.height, static_cast<std::int64_t>(shot.stride), shot.format, mostSide);
    if (size == 0) {
        error = "KWin's photograph is not of its screen's size (" + std::to_string(shot.width) +
                "x" + std::to_string(shot.height) + ", " + std::to_string(shot.stride) +
                " bytes a row)";
    }
    return static_cast<std::size_t>(size);
}

// One screen: the call sent; once the answer has said the photograph's size, the pipe read up
// to it. (KWin answers before it writes, from a thread of its own: the pipe waits meanwhile.)
bool PhotographScreen(DBusConnection* bus, const KWinScreen& screen, int stop, KWinShot& shot,
                      std::string& error) {
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = "no pipe";
        return false;
    }
    DBusMessage* call = CaptureScreenCall(screen.name, pipe[1]);
    close(pipe[1]);  // the message holds its own copy until it is sent
    DBusPendingCall* pending = nullptr;
    const bool sent = dbus_connection_send_with_reply(bus, call, &pending, kAnswerMs) && pending;
    dbus_message_unref(call);
    dbus_connection_flush(bus);
    int busFd = -1;
    dbus_connection_get_unix_fd(bus, &busFd);
    const std::int64_t deadline = NowMs() + kAnswerMs;
    ShotPipe pixels;
    DBusMessage* reply = nullptr;
    bool answered = false;
    error = "KWin did not answer";
    while (sent && NowMs() < deadline) {
        if (reply == nullptr) {
            dbus_connection_read_write(bus, 0);
            while (dbus_connection_dispatch(bus) == DBUS_DISPATCH_DATA_REMAINS) {
            }
            if (dbus_pending_call_get_completed(pending)) {
                reply = dbus_pending_call_steal_reply(pending);
                answered = reply != nullptr && ReadAnswer(reply, shot, error);
                const std::size_t size = answered ? AnsweredSize(shot, screen.mostSide, error) : 0;
                if (size == 0) {
                    answered = false;
                    break;  // an error: the pipe may never end
                }
                StartShotPipe(pixels, size);
                error = "KWin's photograph did not come";
            }
        }
        if (answered && ReadShotPipe(pipe[0], pixels)) {
            break;
        }
        // Until the pipe (once answered) or the bus has more, the stop, or the deadline.
        if (WaitOnce({nullptr, nullptr, stop, answered ? pipe[0] : busFd}, deadline) ==
            WaitEnd::kStopped) {
            answered = false;
            break;
        }
    }
    if (answered && pixels.overran) {
        error = "KWin's pipe gives more than its photograph";
    }
    answered = answered && ShotPipeWhole(pixels);
    if (answered) {
        shot.bytes = std::move(pixels.bytes);
    }
    if (pending != nullptr) {
        dbus_pending_call_cancel(pending);
        dbus_pending_call_unref(pending);
    }
    if (reply != nullptr) {
        dbus_message_unref(reply);
    }
    close(pipe[0]);
    return answered;
}

}  // namespace

std::string SessionBusAddress() {
    const char* named = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (named != nullptr && *named != '\0') {
        return named;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') {
        return "";
    }
    const std::string path = std::string(runtime) + "/bus";
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) {
        return "";
    }
    char* escaped = dbus_address_escape_value(path.c_str());
    const std::string address = std::string("unix:path=") + (escaped != nullptr ? escaped : "");
    dbus_free(escaped);
    return address;
}

bool PhotographKWinScreens(const std::string& address, const std::vector<KWinScreen>& screens,
                           int stop, const std::function<void(std::size_t, const KWinShot&)>& take,
                           std::string& error) {
    DBusError failure;
    dbus_error_init(&failure);
    DBusConnection* bus = dbus_connection_open_private(address.c_str(), &failure);
    if (bus != nullptr) {
        dbus_connection_set_exit_on_disconnect(bus, FALSE);
        if (!dbus_bus_register(bus, &failure)) {
            dbus_connection_close(bus);
            dbus_connection_unref(bus);
            bus = nullptr;
        }
    }
    if (bus == nullptr) {
        error = std::string("no session bus (") + (failure.message ? failure.message : "") + ")";
        dbus_error_free(&failure);
        return false;
    }
    bool any = false;
    error = "KWin names no screen";
    for (std::size_t i = 0; i < screens.size() && !DescriptorReady(stop); ++i) {
        KWinShot shot;
        if (!screens[i].name.empty() && PhotographScreen(bus, screens[i], stop, shot, error)) {
            take(i, shot);
            any = true;
        }
    }
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
    return any;
}

}  // namespace altostrat
