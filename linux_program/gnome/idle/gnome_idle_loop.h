#pragma once
// "altostrat --idle SECONDS" on GNOME: resident, a flight each time the user has been away that
// long, over GIO's D-Bus on the session bus. GNOME's compositor says when the user is away and
// back (org.gnome.Mutter.IdleMonitor's watches), its session manager whether idle is inhibited
// (org.gnome.SessionManager; where none answers, nothing inhibits), and its shell when the lock
// screen comes up (org.gnome.ScreenSaver); idle_steps.h decides what follows from each.
//
// It waits in a GLib main loop, with no timer: the bus's descriptor (watched by GIO's own
// thread), the stop descriptor as a source of the loop, and the flight process's end are all
// that wake it. A stop signal ends it with exit code 0, after the flight (told to end, killed
// if it has not within kChildGraceMs).
//
// Each flight is a process of the program itself, started afresh with the flight's command line
// (flight_process.h): a process that GIO's bus thread runs in may not go on after a fork into
// Xlib, GLX and GIO again, and the waiting process stays small and never loads the OpenGL
// driver. It is told to end when the user is back or the screen locks.

#include <string>
#include <vector>

namespace altostrat {

// PROGRAM with ARGUMENTS is one flight. The exit code: 0 after a stop signal (STOP turned
// readable); 1 when the session bus has gone.
int RunGnomeIdleLoop(int stop, int idleSeconds, const std::string& program,
                     const std::vector<std::string>& arguments);

}  // namespace altostrat
