#include "linux_program/options/user_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace altostrat {
namespace {

namespace fs = std::filesystem;

// More links in a row than the kernel itself follows: a loop.
constexpr int kMaxLinks = 40;

std::string Reason(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int file, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(file, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The new name is on the disk once the folder holding it is.
void FlushFolder(const std::string& file) {
    const std::string folder = fs::path(file).parent_path().string();
    const int handle =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

}  // namespace

std::string FileBehindLinks(const std::string& path) {
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            return current.string();
        }
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            return current.string();
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

bool ReplaceUserFile(const std::string& path, const std::string& text, std::string& error) {
    const std::string file = FileBehindLinks(path);
    const std::string temporary = file + ".new";
    struct stat old {};
    const bool existed = stat(file.c_str(), &old) == 0;
    const mode_t mode = existed ? (old.st_mode & 07777) : 0644;
    const int handle =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (handle < 0) {
        error = Reason("cannot make", temporary);
        return false;
    }
    // open() took the umask off the mode; the old file's own is given back whole.
    const bool written =
        (!existed || fchmod(handle, mode) == 0) && WriteAll(handle, text) && fsync(handle) == 0;
    if (!written) {
        error = Reason("cannot write", temporary);
    }
    if (close(handle) != 0 && written) {
        error = Reason("cannot write", temporary);
        unlink(temporary.c_str());
        return false;
    }
    if (!written) {
        unlink(temporary.c_str());
        return false;
    }
    if (rename(temporary.c_str(), file.c_str()) != 0) {
        error = Reason("cannot replace", file);
        unlink(temporary.c_str());
        return false;
    }
    FlushFolder(file);
    return true;
}

}  // namespace altostrat
