#pragma once
// The run folder's file-system work carried out by Windows.

#include <windows.h>

#include <map>
#include <string>

#include "host/run_folder/run_folder.h"

namespace altostrat {

class Win32RunFolderPlatform : public RunFolderPlatform {
  public:
    Win32RunFolderPlatform() = default;
    Win32RunFolderPlatform(const Win32RunFolderPlatform&) = delete;
    Win32RunFolderPlatform& operator=(const Win32RunFolderPlatform&) = delete;
    ~Win32RunFolderPlatform() override {
        ReleaseLock();
        while (!opened_.empty()) {
            CloseFolder(opened_.begin()->first, false);
        }
    }

    std::string TemporaryFolder() override;
    std::uint32_t ProcessId() override;
    bool CreateFolder(const std::string& path) override;
    bool HoldLock(const std::string& path) override;
    void ReleaseLock() override;
    std::vector<FolderEntry> List(const std::string& folder) override;
    RemoveResult RemoveFile(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    std::uint32_t OpenOwnFolder(const std::string& path) override;
    RemoveResult RemoveFileIn(std::uint32_t folder, std::string_view name) override;
    bool TakeLockIn(std::uint32_t folder, std::string_view name) override;
    void CloseFolder(std::uint32_t folder, bool remove) override;

  private:
    // A folder the sweep holds: its handle, the path the handle resolves to now, and the lock
    // the sweep took in it.
    struct OpenFolder {
        HANDLE folder = INVALID_HANDLE_VALUE;
        std::wstring path;
        HANDLE lock = INVALID_HANDLE_VALUE;
    };

    HANDLE lock_ = INVALID_HANDLE_VALUE;
    std::map<std::uint32_t, OpenFolder> opened_;
    std::uint32_t nextFolder_ = 1;
};

// Creates PATH as a new file (never opening one that exists) holding BYTES, shared with no one
// while it is written. False when it could not be written whole; what was created is then
// deleted again.
bool WriteNewFile(const std::string& path, const void* bytes, std::size_t size);

}  // namespace altostrat
