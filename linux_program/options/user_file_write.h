#pragma once
// Writing a file of the user's (~/.xscreensaver) so that nothing is ever lost or loosened. The
// new content goes into a file made fresh beside the old one: created, never opened if
// something (a link put there by anyone) already stands at its name, with the old file's own
// permissions rather than the umask's, and flushed to the disk before it is renamed over the
// old file; the folder is flushed too. A file that is a link (a dotfiles folder) stays a link:
// the file it leads to is the one replaced, with the new file made beside it.

#include <string>

namespace altostrat {

// The file an edit of PATH replaces: PATH, or where its links lead in the end (relative links
// read from their own folder), also when that file does not exist yet.
std::string FileBehindLinks(const std::string& path);

// Replaces the content of the file at PATH (links followed) with TEXT through "FILE.new"; a
// file that did not exist is made with 0644 under the umask. False, with nothing changed and
// the reason in ERROR, when it cannot be done (also when "FILE.new" is already there).
bool ReplaceUserFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace altostrat
