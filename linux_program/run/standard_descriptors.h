#pragma once
// A program started with its standard input, output or error closed (a desktop's autostart, a
// service manager, a parent that closed them before it ran us) would hand those numbers to the
// next files it opens: the first one opened would become descriptor 2, and every message meant
// for stderr would be written into it, the user's picture or a settings file among them. So
// before anything else is opened, each of 0, 1 and 2 that is closed is opened on /dev/null.

namespace altostrat {

// False when a closed one could not be opened on /dev/null (a bare chroot without it): the
// program must then not go on to open files.
bool OpenStandardDescriptors();

}  // namespace altostrat
