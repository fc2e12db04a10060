#include "linux_program/run/standard_descriptors.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

namespace altostrat {

bool OpenStandardDescriptors() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number, which is this one, as those below it are open by now. Kept
        // open across exec, as a standard descriptor is for the programs this one starts.
        const int opened = open("/dev/null", O_RDWR);
        if (opened == -1) {
            return false;
        }
        if (opened != descriptor) {
            const bool moved = dup2(opened, descriptor) == descriptor;
            close(opened);
            if (!moved) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace altostrat
