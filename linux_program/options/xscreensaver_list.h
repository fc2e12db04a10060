#pragma once
// The user's list of xscreensaver hacks, edited as text. xscreensaver reads its settings from
// ~/.xscreensaver over the system's app-defaults file: a setting the user's file lacks keeps
// the system's value. The "programs" resource is one entry per "\n" escape of its value; its
// lines end in "\n\" (the escape, then a backslash that joins the next line), a leading "-"
// turns an entry off, and "GL:" or another visual name may come before the command. When
// xscreensaver loads the user's list it appends every hack of the system's list that the user's
// list does not name, so hacks installed later still appear.
//
// "selected:" is a position in that combined list, which "only one screen saver" runs. An edit
// therefore keeps it on the same command: adding appends our entry after the user's own entries
// (so only a choice among the system's appended hacks moves up by one), and removing moves the
// choice down past each entry taken out before it. A choice of our own entry, once removed,
// becomes -1, which xscreensaver itself writes for "none".
//
// Adding to a file without a list (or to no file) writes a list of our entry alone: xscreensaver
// appends the system's hacks to it when it reads it, so the system's list is not frozen into
// the user's file. Every line that is not ours is kept byte for byte, except for the continuation
// mark added to the list's last line and the number of "selected:"; a second call changes
// nothing.

#include <string>

namespace altostrat {

// The command xscreensaver runs for this hack.
constexpr const char* kXscreensaverEntry = "altostrat --root";

struct HackListEdit {
    std::string text;      // the new content of ~/.xscreensaver
    bool changed = false;  // false: text is the old content and nothing needs writing
};

// userFile: the content of ~/.xscreensaver, or null when the user has none.
HackListEdit AddToHackList(const std::string* userFile);

HackListEdit RemoveFromHackList(const std::string& userFile);

}  // namespace altostrat
