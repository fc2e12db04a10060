// A program started with standard descriptors closed, as the kernel leaves it: in a child
// process, 0 and 2 closed and 1 open on a file of the test's; afterwards 0 and 2 are the
// kernel's /dev/null (its device number, as stat gives it), 1 is still the test's file, and
// the next file opened takes a number above 2.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "linux_program/run/standard_descriptors.h"

namespace altostrat {
namespace {

bool IsDevNull(int descriptor) {
    struct stat null {};
    struct stat opened {};
    return stat("/dev/null", &null) == 0 && fstat(descriptor, &opened) == 0 &&
           S_ISCHR(opened.st_mode) && opened.st_rdev == null.st_rdev;
}

// In the child, each failed check ends it with its own exit code.
int ChildChecks(const char* file) {
    const int kept = open(file, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (kept == -1 || dup2(kept, 1) != 1 || close(kept) != 0) {
        return 10;
    }
    close(0);
    close(2);
    if (!OpenStandardDescriptors()) {
        return 11;
    }
    if (!IsDevNull(0) || !IsDevNull(2)) {
        return 12;
    }
    if (IsDevNull(1)) {
        return 13;
    }
    const int next = open(file, O_RDONLY);
    return next > 2 ? 0 : 14;
}

TEST(StandardDescriptors, ClosedOnesBecomeDevNullAndOpenOnesStay) {
    char file[] = "/tmp/altostrat-descriptors-XXXXXX";
    const int made = mkstemp(file);
    ASSERT_NE(made, -1);
    close(made);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        _exit(ChildChecks(file));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    unlink(file);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace altostrat
