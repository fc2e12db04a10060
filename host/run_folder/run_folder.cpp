#include "host/run_folder/run_folder.h"

#include "common/agreement.h"

namespace altostrat {
namespace {

constexpr std::size_t kMaxDigits = 10;  // 4294967295

// The digits at the start of TEXT, 1 to kMaxDigits of them; 0 when there are none or too many.
std::size_t DigitRun(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        ++count;
    }
    return count <= kMaxDigits ? count : 0;
}

std::string Child(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path += '\\';
    path += name;
    return path;
}

}  // namespace

std::string RunFolderName(std::uint32_t processId, std::uint32_t attempt) {
    return kRunFolderPrefix + std::to_string(processId) + "-" + std::to_string(attempt);
}

bool IsRunFolderName(std::string_view name) {
    const std::string_view prefix = kRunFolderPrefix;
    if (name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    name.remove_prefix(prefix.size());
    const std::size_t process = DigitRun(name);
    if (process == 0 || process >= name.size() || name[process] != '-') {
        return false;
    }
    name.remove_prefix(process + 1);
    const std::size_t attempt = DigitRun(name);
    return attempt != 0 && attempt == name.size();
}

RunFolder MakeRunFolder(RunFolderPlatform& files) {
    const std::string temporary = files.TemporaryFolder();
    const std::uint32_t processId = files.ProcessId();
    if (!temporary.empty()) {
        for (std::uint32_t attempt = 0; attempt < kRunFolderAttempts; ++attempt) {
            RunFolder folder{temporary + RunFolderName(processId, attempt), false};
            if (!files.CreateFolder(folder.path)) {
                continue;
            }
            if (files.HoldLock(RunFolderFile(folder, kRunLockName))) {
                folder.made = true;
                return folder;
            }
            // Another host's sweep took the folder before its lock existed, or the lock could
            // not be made: this name is given up.
            files.RemoveFolder(folder.path);
        }
    }
    return RunFolder{temporary + kRunFolderPrefix + std::to_string(processId) + "-*", false};
}

std::string RunFolderFile(const RunFolder& folder, std::string_view fileName) {
    return Child(folder.path, fileName);
}

void RemoveRunFolder(RunFolderPlatform& files, const RunFolder& folder) {
    if (!folder.made) {
        return;
    }
    for (CapturePicture picture :
         {CapturePicture::kSky, CapturePicture::kDesktop, CapturePicture::kGlow}) {
        files.RemoveFile(CapturePicturePath(folder.path, picture));
    }
    files.ReleaseLock();
    files.RemoveFile(RunFolderFile(folder, kRunLockName));
    files.RemoveFolder(folder.path);
}

void SweepRunFolders(RunFolderPlatform& files) {
    const std::string temporary = files.TemporaryFolder();
    if (temporary.empty()) {
        return;
    }
    for (const FolderEntry& entry : files.List(temporary)) {
        if (!entry.folder || entry.link || !IsRunFolderName(entry.name)) {
            continue;
        }
        const std::uint32_t folder = files.OpenOwnFolder(temporary + entry.name);
        if (folder == 0) {
            continue;  // gone, swapped for a link, or not ours
        }
        // A live run holds its lock; one that has not made it yet loses the name to ours.
        const bool free = files.RemoveFileIn(folder, kRunLockName) != RemoveResult::kRefused &&
                          files.TakeLockIn(folder, kRunLockName);
        if (free) {
            for (CapturePicture picture :
                 {CapturePicture::kSky, CapturePicture::kDesktop, CapturePicture::kGlow}) {
                files.RemoveFileIn(folder, CapturePictureName(picture));
            }
        }
        // The folder goes only if nothing else is left in it.
        files.CloseFolder(folder, free);
    }
}

}  // namespace altostrat
