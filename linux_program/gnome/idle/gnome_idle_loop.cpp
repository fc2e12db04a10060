#include "linux_program/gnome/idle/gnome_idle_loop.h"

#include <gio/gio.h>
#include <glib-unix.h>

#include <cstdio>

#include "linux_program/gnome/idle/flight_process.h"
#include "linux_program/gnome/idle/idle_steps.h"

namespace altostrat {
namespace {

constexpr const char* kIdleMonitorName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kIdleMonitorPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kIdleMonitorInterface = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kSessionManager = "org.gnome.SessionManager";
constexpr const char* kSessionManagerPath = "/org/gnome/SessionManager";
constexpr const char* kScreenSaver = "org.gnome.ScreenSaver";
constexpr const char* kScreenSaverPath = "/org/gnome/ScreenSaver";
// The session manager's inhibit flag for idle.
constexpr guint32 kInhibitIdle = 8;
// How long a bus service has to answer: a session manager that hangs counts as none.
constexpr int kAnswerMs = 5000;

struct GnomeIdleRun {
    GDBusConnection* bus = nullptr;
    GMainLoop* loop = nullptr;
    std::vector<std::string> flightCommand;  // the program, then its arguments
    guint64 idleMs = 0;
    GnomeIdleState state;
    guint idleWatch = 0;  // the idle monitor's ids for our watches; 0: none
    guint activeWatch = 0;
    FlightProcess flight;
    guint stopSource = 0;  // the stop descriptor, until it has been read as stopped
    bool stopping = false;
    int exitCode = 0;
};

void Carry(GnomeIdleRun& run, const GnomeIdleSteps& steps);

void Handle(GnomeIdleRun& run, GnomeIdleEvent event) {
    Carry(run, StepGnomeIdle(run.state, event));
}

// One method call; ON_REPLY is called with RUN once it has been answered, refused or not in time.
void Call(GnomeIdleRun& run, const char* name, const char* path, const char* interface,
          const char* method, GVariant* parameters, GAsyncReadyCallback onReply) {
    // A service that is not running is not started for us: no session manager means no inhibitor.
    g_dbus_connection_call(run.bus, name, path, interface, method, parameters, nullptr,
                           G_DBUS_CALL_FLAGS_NO_AUTO_START, kAnswerMs, nullptr, onReply, &run);
}

// The reply's first value as a number or a truth (0 / false on an error).
guint32 ReplyNumber(GObject* bus, GAsyncResult* result) {
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, nullptr);
    guint32 value = 0;
    if (reply != nullptr) {
        if (g_variant_is_of_type(reply, G_VARIANT_TYPE("(u)"))) {
            g_variant_get(reply, "(u)", &value);
        } else if (g_variant_is_of_type(reply, G_VARIANT_TYPE("(b)"))) {
            gboolean truth = FALSE;
            g_variant_get(reply, "(b)", &truth);
            value = truth ? 1 : 0;
        }
        g_variant_unref(reply);
    }
    return value;
}

void OnIdleWatchMade(GObject* bus, GAsyncResult* result, gpointer data) {
    static_cast<GnomeIdleRun*>(data)->idleWatch = ReplyNumber(bus, result);
}

void OnActiveWatchMade(GObject* bus, GAsyncResult* result, gpointer data) {
    static_cast<GnomeIdleRun*>(data)->activeWatch = ReplyNumber(bus, result);
}

void OnInhibitedAnswer(GObject* bus, GAsyncResult* result, gpointer data) {
    Handle(*static_cast<GnomeIdleRun*>(data), ReplyNumber(bus, result) != 0
                                                  ? GnomeIdleEvent::kInhibited
                                                  : GnomeIdleEvent::kNotInhibited);
}

void OnLockAnswer(GObject* bus, GAsyncResult* result, gpointer data) {
    if (ReplyNumber(bus, result) != 0) {
        Handle(*static_cast<GnomeIdleRun*>(data), GnomeIdleEvent::kLocked);
    }
}

void OnFlightEnded(void* data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    if (run.stopping) {
        g_main_loop_quit(run.loop);
        return;
    }
    Handle(run, GnomeIdleEvent::kFlightEnded);
}

void Carry(GnomeIdleRun& run, const GnomeIdleSteps& steps) {
    if (steps.watchUserActive) {
        Call(run, kIdleMonitorName, kIdleMonitorPath, kIdleMonitorInterface, "AddUserActiveWatch",
             nullptr, OnActiveWatchMade);
    }
    if (steps.askInhibited) {
        Call(run, kSessionManager, kSessionManagerPath, kSessionManager, "IsInhibited",
             g_variant_new("(u)", kInhibitIdle), OnInhibitedAnswer);
    }
    if (steps.startFlight &&
        !StartFlightProcess(run.flight, run.flightCommand, OnFlightEnded, &run)) {
        Handle(run, GnomeIdleEvent::kFlightEnded);
    }
    if (steps.endFlight) {
        TellFlightProcessToEnd(run.flight);
    }
}

void OnWatchFired(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                  GVariant* parameters, gpointer data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(u)"))) {
        return;
    }
    guint32 id = 0;
    g_variant_get(parameters, "(u)", &id);
    if (id != 0 && id == run.idleWatch) {
        Handle(run, GnomeIdleEvent::kIdle);
    } else if (id != 0 && id == run.activeWatch) {
        run.activeWatch = 0;  // a user-active watch fires once, and is gone
        Handle(run, GnomeIdleEvent::kUserActive);
    }
}

void OnInhibitorsChanged(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant*, gpointer data) {
    Handle(*static_cast<GnomeIdleRun*>(data), GnomeIdleEvent::kInhibitorsChanged);
}

void OnLockChanged(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                   GVariant* parameters, gpointer data) {
    if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(b)"))) {
        return;
    }
    gboolean active = FALSE;
    g_variant_get(parameters, "(b)", &active);
    Handle(*static_cast<GnomeIdleRun*>(data),
           active ? GnomeIdleEvent::kLocked : GnomeIdleEvent::kUnlocked);
}

// The idle monitor there, at the start or back after the shell restarted: our watch on it.
void OnIdleMonitorAppeared(GDBusConnection*, const gchar*, const gchar*, gpointer data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    Call(run, kIdleMonitorName, kIdleMonitorPath, kIdleMonitorInterface, "AddIdleWatch",
         g_variant_new("(t)", run.idleMs), OnIdleWatchMade);
}

// Our watches went with it; nobody says the user is away, so the flight ends as at their return.
void OnIdleMonitorVanished(GDBusConnection*, const gchar*, gpointer data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    run.idleWatch = 0;
    run.activeWatch = 0;
    if (run.state.away) {
        Handle(run, GnomeIdleEvent::kUserActive);
    }
}

void EndLoop(GnomeIdleRun& run) {
    run.stopping = true;
    if (run.flight.pid == 0) {
        g_main_loop_quit(run.loop);
    } else {
        TellFlightProcessToEnd(run.flight);
    }
}

gboolean OnStop(gint, GIOCondition, gpointer data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    // The descriptor stays readable: looked at again, it would wake the loop without end.
    run.stopSource = 0;
    EndLoop(run);
    return G_SOURCE_REMOVE;
}

void OnBusClosed(GDBusConnection*, gboolean, GError*, gpointer data) {
    GnomeIdleRun& run = *static_cast<GnomeIdleRun*>(data);
    std::fprintf(stderr, "altostrat: the session bus has gone; --idle ends\n");
    run.exitCode = 1;
    EndLoop(run);
}

guint Subscribe(GnomeIdleRun& run, const char* interface, const char* member, const char* path,
                GDBusSignalCallback callback) {
    return g_dbus_connection_signal_subscribe(run.bus, nullptr, interface, member, path, nullptr,
                                              G_DBUS_SIGNAL_FLAGS_NONE, callback, &run, nullptr);
}

}  // namespace

int RunGnomeIdleLoop(int stop, int idleSeconds, const std::string& program,
                     const std::vector<std::string>& arguments) {
    GnomeIdleRun run;
    run.bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (run.bus == nullptr) {
        std::fprintf(stderr, "altostrat: no session bus; --idle ends\n");
        return 1;
    }
    // The bus's end is ours to answer, not a reason for GIO to end the process.
    g_dbus_connection_set_exit_on_close(run.bus, FALSE);
    run.loop = g_main_loop_new(nullptr, FALSE);
    run.flightCommand.push_back(program);
    run.flightCommand.insert(run.flightCommand.end(), arguments.begin(), arguments.end());
    run.idleMs = static_cast<guint64>(idleSeconds) * 1000u;

    const guint subscriptions[] = {
        Subscribe(run, kIdleMonitorInterface, "WatchFired", kIdleMonitorPath, OnWatchFired),
        Subscribe(run, kSessionManager, "InhibitorAdded", kSessionManagerPath, OnInhibitorsChanged),
        Subscribe(run, kSessionManager, "InhibitorRemoved", kSessionManagerPath,
                  OnInhibitorsChanged),
        Subscribe(run, kScreenSaver, "ActiveChanged", kScreenSaverPath, OnLockChanged),
    };
    const gulong closed = g_signal_connect(run.bus, "closed", G_CALLBACK(OnBusClosed), &run);
    const guint monitor =
        g_bus_watch_name_on_connection(run.bus, kIdleMonitorName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                       OnIdleMonitorAppeared, OnIdleMonitorVanished, &run, nullptr);
    Call(run, kScreenSaver, kScreenSaverPath, kScreenSaver, "GetActive", nullptr, OnLockAnswer);
    run.stopSource = stop >= 0 ? g_unix_fd_add(stop, G_IO_IN, OnStop, &run) : 0;

    g_main_loop_run(run.loop);

    if (run.stopSource != 0) {
        g_source_remove(run.stopSource);
    }
    g_bus_unwatch_name(monitor);
    g_signal_handler_disconnect(run.bus, closed);
    for (const guint subscription : subscriptions) {
        g_dbus_connection_signal_unsubscribe(run.bus, subscription);
    }
    // The idle monitor drops our watches with the connection; the process's end closes it.
    g_main_loop_unref(run.loop);
    g_object_unref(run.bus);
    return run.exitCode;
}

}  // namespace altostrat
