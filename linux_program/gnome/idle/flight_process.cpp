#include "linux_program/gnome/idle/flight_process.h"

#include <signal.h>

#include <cstdio>

#include "linux_program/run/child_grace.h"

namespace altostrat {
namespace {

gboolean KillFlight(gpointer data) {
    FlightProcess& flight = *static_cast<FlightProcess*>(data);
    std::fprintf(stderr,
                 "altostrat: the flight did not end within %d s of being told; it was killed\n",
                 static_cast<int>(kChildGraceMs / 1000));
    kill(flight.pid, SIGKILL);
    flight.killSource = 0;
    return G_SOURCE_REMOVE;
}

void OnEnded(GPid pid, gint, gpointer data) {
    FlightProcess& flight = *static_cast<FlightProcess*>(data);
    g_spawn_close_pid(pid);
    flight.pid = 0;
    if (flight.killSource != 0) {
        g_source_remove(flight.killSource);
        flight.killSource = 0;
    }
    flight.onEnded(flight.data);
}

}  // namespace

bool StartFlightProcess(FlightProcess& flight, const std::vector<std::string>& command,
                        void (*onEnded)(void* data), void* data) {
    std::vector<std::string> words = command;
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(&word[0]);
    }
    argv.push_back(nullptr);
    GError* error = nullptr;
    const GSpawnFlags flags =
        static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDOUT_TO_DEV_NULL);
    GPid pid = 0;
    if (!g_spawn_async(nullptr, argv.data(), nullptr, flags, nullptr, nullptr, &pid, &error)) {
        std::fprintf(stderr, "altostrat: no process for the flight: %s\n", error->message);
        g_error_free(error);
        return false;
    }
    flight.pid = pid;
    flight.killSource = 0;
    flight.onEnded = onEnded;
    flight.data = data;
    g_child_watch_add(pid, OnEnded, &flight);
    return true;
}

void TellFlightProcessToEnd(FlightProcess& flight) {
    if (flight.pid != 0 && flight.killSource == 0) {
        kill(flight.pid, SIGTERM);
        flight.killSource = g_timeout_add(static_cast<guint>(kChildGraceMs), KillFlight, &flight);
    }
}

}  // namespace altostrat
