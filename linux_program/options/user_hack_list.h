#pragma once
// "--add-to-xscreensaver" and "--remove-from-xscreensaver": the edit of xscreensaver_list.h
// carried out on the current user's ~/.xscreensaver. The new content is written beside the
// file and renamed over it, so a running xscreensaver, which rereads the file when it changes,
// never sees half of it. No file of the system is read or written.

namespace altostrat {

// Returns the program's exit code: 0 when the list holds (or no longer holds) the entry, also
// when it already did; 1, with a message on stderr, when a file cannot be read or written.
int AddToUserHackList();
int RemoveFromUserHackList();

}  // namespace altostrat
