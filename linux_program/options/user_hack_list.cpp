#include "linux_program/options/user_hack_list.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "linux_program/options/user_file_write.h"
#include "linux_program/options/xscreensaver_list.h"

namespace altostrat {
namespace {

// The file is a few kilobytes; anything far larger is not xscreensaver's.
constexpr std::size_t kMaxFileBytes = 4u << 20;

std::string UserFile() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr) {
        return std::string();
    }
    // A link (a dotfiles folder) is followed: the file it leads to is read and replaced.
    return FileBehindLinks(std::string(home) + "/.xscreensaver");
}

// The edit carried out; what went wrong goes to stderr.
UserFileEdit Edit(const std::string& path, const UserFileEditor& edit) {
    std::string error;
    const UserFileEdit result = EditUserFile(path, kMaxFileBytes, edit, error);
    if (result == UserFileEdit::kFailed) {
        std::fprintf(stderr, "altostrat: %s\n", error.c_str());
    }
    return result;
}

}  // namespace

int AddToUserHackList() {
    const std::string path = UserFile();
    if (path.empty()) {
        std::fprintf(stderr, "altostrat: no home folder\n");
        return 1;
    }
    const UserFileEdit result = Edit(path, [](const std::string* content, std::string& text) {
        HackListEdit edit = AddToHackList(content);
        text = std::move(edit.text);
        return edit.changed;
    });
    if (result == UserFileEdit::kFailed) {
        return 1;
    }
    std::printf(
        "altostrat: \"altostrat --root\" %s %s\n",
        result == UserFileEdit::kWritten ? "is now in the list of" : "was already in the list of",
        path.c_str());
    // Debian's xscreensaver does not hand its hacks the desktop unless the user allows it.
    std::printf(
        "altostrat: it flies over your desktop if xscreensaver may grab it: in "
        "xscreensaver-settings,\n"
        "           tab \"Advanced\", turn on \"Grab Desktop Images\"; otherwise it flies "
        "over fields and woods\n"
        "           of its own.\n");
    return 0;
}

int RemoveFromUserHackList() {
    const std::string path = UserFile();
    bool none = path.empty();
    const UserFileEdit result =
        none ? UserFileEdit::kUnchanged
             : Edit(path, [&none](const std::string* content, std::string& text) {
                   none = content == nullptr;
                   if (none) {
                       return false;
                   }
                   HackListEdit edit = RemoveFromHackList(*content);
                   text = std::move(edit.text);
                   return edit.changed;
               });
    if (result == UserFileEdit::kFailed) {
        return 1;
    }
    if (none) {
        std::printf("altostrat: no list of your own to take the hack out of\n");
    } else {
        std::printf("altostrat: altostrat %s %s\n",
                    result == UserFileEdit::kWritten ? "is no longer in the list of"
                                                     : "was not in the list of",
                    path.c_str());
    }
    return 0;
}

}  // namespace altostrat
