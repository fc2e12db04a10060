#include "linux_program/gnome/idle/idle_monitor_owner.h"

#include <gio/gio.h>

namespace altostrat {

GnomeIdleMonitor AskGnomeIdleMonitor() {
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        return GnomeIdleMonitor::kAbsent;
    }
    // A bus that does not answer within this counts as one without GNOME.
    constexpr int kAnswerMs = 5000;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.gnome.Mutter.IdleMonitor"), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, kAnswerMs, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply != nullptr) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    g_object_unref(bus);
    return owned ? GnomeIdleMonitor::kOwned : GnomeIdleMonitor::kAbsent;
}

}  // namespace altostrat
