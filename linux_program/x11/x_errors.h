#pragma once
// How the program meets X's errors. A failed request (a window id that names nothing, a grab
// refused) is reported on stderr and the call's result decides what happens; Xlib's default
// handler would end the program instead. Where a failure is expected and handled quietly (a
// photograph of a root window that a Wayland desktop's X server cannot give), the errors of a
// stretch of requests are only counted.
//
// A lost connection to the X server cannot be survived: Xlib ends the program after the
// handler returns. The handler removes the capture folder first, so that no picture of the
// desktop stays on disk, and ends the program itself.

#include <X11/Xlib.h>

namespace altostrat {

// Before the display is opened.
void InstallXErrorHandlers();

// Between these two, errors are counted and not reported; the end says whether any came.
// Both wait for the server's answers, so that no error of the stretch arrives later.
void BeginQuietXErrors(Display* display);
bool EndQuietXErrors(Display* display);

}  // namespace altostrat
