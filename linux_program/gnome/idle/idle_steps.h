#pragma once
// When --idle on GNOME flies and when it ends the flight, as a plain function of what GNOME has
// said, so that the bus layer (gnome_idle_loop.h) only carries it out.
//
// GNOME's idle monitor fires an idle watch once each time the user has been away for the given
// time (again only after new input), and a user-active watch once, at the next input after it
// was made: so every idle spell makes one user-active watch, and its end is that watch firing.
// One spell gets one flight. Before it, the session manager is asked whether idle is inhibited (a
// video plays, a presentation runs): while it is, no flight starts, and every change of the
// inhibitors while still away asks again, so the flight comes once the video ends and the user
// is still away. A flight that ended without the user (closed by its own window's input, or it
// could not start) leaves the rest of the spell empty. The lock screen (org.gnome.ScreenSaver
// active) ends a flight and starts none: nothing is drawn behind it. A flight told to end is
// gone only when its process has ended; a new spell meanwhile asks again once it has.

namespace altostrat {

struct GnomeIdleState {
    bool away = false;       // the idle watch fired, the user-active watch has not yet
    bool spent = false;      // this spell has had its flight
    bool locked = false;     // GNOME's lock screen is up
    bool flying = false;     // a flight process runs
    bool toldToEnd = false;  // ...and has been told to end
};

enum class GnomeIdleEvent {
    kIdle,               // the idle watch fired
    kUserActive,         // the user-active watch fired
    kInhibited,          // the session manager's answer: idle is inhibited
    kNotInhibited,       // ...not inhibited, or no session manager answered
    kInhibitorsChanged,  // an inhibitor was added or removed
    kLocked,             // the lock screen came up
    kUnlocked,           // ...and went
    kFlightEnded,        // the flight's process has ended
};

// What the bus layer does after an event, in this order.
struct GnomeIdleSteps {
    bool watchUserActive = false;  // make a user-active watch
    bool askInhibited = false;     // ask the session manager whether idle is inhibited
    bool startFlight = false;
    bool endFlight = false;  // tell the flight to end (it is killed if it does not)
};

GnomeIdleSteps StepGnomeIdle(GnomeIdleState& state, GnomeIdleEvent event);

}  // namespace altostrat
