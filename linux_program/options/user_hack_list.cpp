#include "linux_program/options/user_hack_list.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/file_bytes.h"
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

// Reads a whole file: kRead, or kMissing, or a message on stderr for anything else.
FileReadStatus ReadText(const std::string& path, std::string& text) {
    const FileReadResult read = ReadWholeFile(path, kMaxFileBytes);
    if (read.status == FileReadStatus::kRead) {
        text.assign(read.Text());
    } else if (read.status != FileReadStatus::kMissing) {
        std::fprintf(stderr, "altostrat: cannot read %s\n", path.c_str());
    }
    return read.status;
}

int WriteIfChanged(const std::string& path, const HackListEdit& edit, const char* done,
                   const char* already) {
    if (!edit.changed) {
        std::printf("altostrat: %s %s\n", already, path.c_str());
        return 0;
    }
    std::string error;
    if (!ReplaceUserFile(path, edit.text, error)) {
        std::fprintf(stderr, "altostrat: %s\n", error.c_str());
        return 1;
    }
    std::printf("altostrat: %s %s\n", done, path.c_str());
    return 0;
}

}  // namespace

int AddToUserHackList() {
    const std::string path = UserFile();
    if (path.empty()) {
        std::fprintf(stderr, "altostrat: no home folder\n");
        return 1;
    }
    std::string user;
    const FileReadStatus userStatus = ReadText(path, user);
    if (userStatus != FileReadStatus::kRead && userStatus != FileReadStatus::kMissing) {
        return 1;
    }
    const HackListEdit edit = AddToHackList(userStatus == FileReadStatus::kRead ? &user : nullptr);
    const int result = WriteIfChanged(path, edit, "\"altostrat --root\" is now in the list of",
                                      "\"altostrat --root\" was already in the list of");
    if (result == 0) {
        // Debian's xscreensaver does not hand its hacks the desktop unless the user allows it.
        std::printf(
            "altostrat: it flies over your desktop if xscreensaver may grab it: in "
            "xscreensaver-settings,\n"
            "           tab \"Advanced\", turn on \"Grab Desktop Images\"; otherwise it flies "
            "over fields and woods\n"
            "           of its own.\n");
    }
    return result;
}

int RemoveFromUserHackList() {
    const std::string path = UserFile();
    std::string user;
    const FileReadStatus status = path.empty() ? FileReadStatus::kMissing : ReadText(path, user);
    if (status == FileReadStatus::kMissing) {
        std::printf("altostrat: no list of your own to take the hack out of\n");
        return 0;
    }
    if (status != FileReadStatus::kRead) {
        return 1;
    }
    return WriteIfChanged(path, RemoveFromHackList(user), "altostrat is no longer in the list of",
                          "altostrat was not in the list of");
}

}  // namespace altostrat
