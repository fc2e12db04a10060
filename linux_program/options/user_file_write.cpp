#include "linux_program/options/user_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include "common/file_bytes.h"

namespace altostrat {
namespace {

namespace fs = std::filesystem;

// More links in a row than the kernel itself follows: a loop.
constexpr int kMaxLinks = 40;

// A save takes a moment and comes when the user changes a setting: a file that changed under
// this many edits in a row is being written by something that does not stop.
constexpr int kMaxEdits = 5;

// The new file is FILE.new-XXXXXX; earlier versions of the program wrote FILE.new.
constexpr const char* kNewFileMark = ".new";
constexpr std::size_t kNewFileLetters = 6;

// Nothing writes a new file for as long as this: one that old was left behind.
constexpr std::time_t kLeftoverSeconds = 60;

std::string Reason(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// Which file stands at the name, how long it is and when it was last written to.
struct FileLook {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    mode_t mode = 0;
};

FileLook LookAt(const std::string& file) {
    FileLook look;
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) {
        return look;
    }
    look.exists = true;
    look.device = info.st_dev;
    look.inode = info.st_ino;
    look.size = info.st_size;
    look.modified = info.st_mtim;
    look.changed = info.st_ctim;
    look.mode = info.st_mode & 07777;
    return look;
}

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameFile(const FileLook& a, const FileLook& b) {
    if (a.exists != b.exists) {
        return false;
    }
    return !a.exists || (a.device == b.device && a.inode == b.inode && a.size == b.size &&
                         SameTime(a.modified, b.modified) && SameTime(a.changed, b.changed));
}

bool IsNewFileOf(const std::string& name, const std::string& fileName) {
    const std::string mark = fileName + kNewFileMark;
    return name == mark || (name.size() == mark.size() + 1 + kNewFileLetters &&
                            name.compare(0, mark.size(), mark) == 0 && name[mark.size()] == '-');
}

// New files of FILE left by a crash or a power cut: the name stays, nothing it may lead to is
// touched.
void RemoveLeftovers(const std::string& file) {
    const fs::path path = file;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string fileName = path.filename().string();
    const std::time_t now = std::time(nullptr);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path leftover = it->path();
        struct stat info {};
        if (IsNewFileOf(leftover.filename().string(), fileName) &&
            lstat(leftover.c_str(), &info) == 0 && now - info.st_mtime >= kLeftoverSeconds) {
            unlink(leftover.c_str());
        }
    }
}

// A file of its own beside FILE, made fresh: no name already taken is ever opened.
int MakeNewFile(const std::string& file, mode_t mode, std::string& name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = file + kNewFileMark + "-";
        for (std::size_t i = 0; i < kNewFileLetters; ++i) {
            name += kLetters[letter(random)];
        }
        const int handle =
            open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (handle >= 0 || errno != EEXIST) {
            return handle;
        }
    }
    return -1;
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

// TEXT in a new file beside FILE, on the disk, with the old file's mode; its name in NAME.
bool WriteNewFile(const std::string& file, const std::string& text, const FileLook& old,
                  std::string& name, std::string& error) {
    const mode_t mode = old.exists ? old.mode : 0644;
    const int handle = MakeNewFile(file, mode, name);
    if (handle < 0) {
        error = Reason("cannot make", name);
        return false;
    }
    // open() took the umask off the mode; the old file's own is given back whole.
    bool written =
        (!old.exists || fchmod(handle, mode) == 0) && WriteAll(handle, text) && fsync(handle) == 0;
    if (!written) {
        error = Reason("cannot write", name);
    }
    if (close(handle) != 0 && written) {
        error = Reason("cannot write", name);
        written = false;
    }
    if (!written) {
        unlink(name.c_str());
    }
    return written;
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

UserFileEdit EditUserFile(const std::string& path, std::size_t maxBytes, const UserFileEditor& edit,
                          std::string& error, const std::function<void()>& beforeLookingAgain) {
    const std::string file = FileBehindLinks(path);
    RemoveLeftovers(file);
    for (int attempt = 0; attempt < kMaxEdits; ++attempt) {
        const FileLook read = LookAt(file);
        const FileReadResult content = ReadWholeFile(file, maxBytes);
        if (content.status != FileReadStatus::kRead && content.status != FileReadStatus::kMissing) {
            error = "cannot read " + file;
            return UserFileEdit::kFailed;
        }
        if (!SameFile(read, LookAt(file))) {
            continue;  // written to while it was read
        }
        const std::string old(content.Text());
        std::string text;
        if (!edit(content.status == FileReadStatus::kRead ? &old : nullptr, text)) {
            return UserFileEdit::kUnchanged;
        }
        std::string name;
        if (!WriteNewFile(file, text, read, name, error)) {
            return UserFileEdit::kFailed;
        }
        if (beforeLookingAgain) {
            beforeLookingAgain();
        }
        if (!SameFile(read, LookAt(file))) {
            unlink(name.c_str());  // saved by someone else meanwhile: edited again from that
            continue;
        }
        if (rename(name.c_str(), file.c_str()) != 0) {
            error = Reason("cannot replace", file);
            unlink(name.c_str());
            return UserFileEdit::kFailed;
        }
        FlushFolder(file);
        return UserFileEdit::kWritten;
    }
    error = file + " changed again and again while it was edited";
    return UserFileEdit::kFailed;
}

}  // namespace altostrat
