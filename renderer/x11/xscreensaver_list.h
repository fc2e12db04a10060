#pragma once
// The user's list of xscreensaver hacks, edited as text. xscreensaver reads its hacks from the
// "programs" resource of ~/.xscreensaver, or, when the user has no such file, from the
// "*programs" resource of the system's app-defaults file. The resource's value is one entry per
// line: the lines end in "\n\" (an escaped newline, then a line continuation), a leading "-"
// turns an entry off, and "GL:" or another visual name may come before the command.
//
// Adding puts the enabled entry "altostrat --root" at the top of that list; removing takes out
// the entries that run altostrat, and nothing else. Every line that is not ours is kept byte
// for byte, so the user's own settings and comments survive, and a second call changes nothing.

#include <string>

namespace altostrat {

// The command xscreensaver runs for this hack.
constexpr const char* kXscreensaverEntry = "altostrat --root";

struct HackListEdit {
    std::string text;      // the new content of ~/.xscreensaver
    bool changed = false;  // false: text is the old content and nothing needs writing
};

// userFile: the content of ~/.xscreensaver, or null when the user has none. systemDefaults: the
// content of the system's app-defaults file, whose list starts a new file (or a file that has no
// list of its own).
HackListEdit AddToHackList(const std::string* userFile, const std::string& systemDefaults);

HackListEdit RemoveFromHackList(const std::string& userFile);

}  // namespace altostrat
