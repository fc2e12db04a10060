#pragma once
// Finding a window of one of our own programs. A title, and even a class name, is something any
// program may give its windows: a window titled "Altostrat_Main" would keep the host from
// starting, one titled "Altostrat_VC" would make the keeper believe a flight is up. So a window
// counts as ours only when its class and title are the ones our program gives it and the
// process that owns it runs a program file from the folder this program was started from (the
// host, the renderer and the keeper ship side by side). A process that cannot be looked into
// (another account's, or one that has ended) owns no window of ours.

#include <windows.h>

#include <string>

namespace altostrat {

// A top-level window, hidden ones included, of CLASS_NAME and TITLE (UTF-8, each matched whole)
// whose process runs from this program's folder; nullptr when there is none.
HWND FindOurWindow(const std::string& className, const std::string& title);

}  // namespace altostrat
