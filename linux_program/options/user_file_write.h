#pragma once
// Editing a file of the user's (~/.xscreensaver) so that nothing is ever lost or loosened. The
// new content goes into a file made fresh beside the old one, under a name no one else uses:
// created, never opened if something (a link put there by anyone) already stands at its name,
// with the old file's own permissions rather than the umask's, and flushed to the disk before it
// is renamed over the old file; the folder is flushed too. A file that is a link (a dotfiles
// folder) stays a link: the file it leads to is the one replaced, with the new file made beside
// it.
//
// Others write the file too (xscreensaver-settings saves it whole whenever a setting changes),
// and the rename would undo a save made while the edit was under way. So the file is looked at
// when it is read and again just before the rename (which file it is, its size, its times):
// when it changed, the new file is thrown away and the edit is made again from the new
// content. A new file left by a crash or a power cut (the old fixed name, or one of ours) is
// removed once it is a minute old: nothing writes one for that long.

#include <cstddef>
#include <functional>
#include <string>

namespace altostrat {

// The file an edit of PATH replaces: PATH, or where its links lead in the end (relative links
// read from their own folder), also when that file does not exist yet.
std::string FileBehindLinks(const std::string& path);

// Makes the new content from the file's CONTENT (null when there is no file) into TEXT; false
// when nothing needs writing.
using UserFileEditor = std::function<bool(const std::string* content, std::string& text)>;

enum class UserFileEdit {
    kWritten,    // the file holds the edit
    kUnchanged,  // the editor found nothing to write
    kFailed,     // nothing changed; ERROR says why
};

// Edits the file at PATH (links followed, at most MAX_BYTES read) through EDIT. A file that did
// not exist is made with 0644 under the umask. BEFORE_LOOKING_AGAIN, when given, is called each
// time the new content stands beside the file, just before the file is looked at again.
UserFileEdit EditUserFile(const std::string& path, std::size_t maxBytes, const UserFileEditor& edit,
                          std::string& error, const std::function<void()>& beforeLookingAgain = {});

}  // namespace altostrat
