#pragma once
// A file system in memory behind the run folder's seam, keeping a log of every change: which
// paths exist, which of them are folders or links, and which file some running host holds open
// (its deletion refused), as Windows behaves for each.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/run_folder/run_folder.h"

namespace altostrat::testing {

class FakeRunFiles final : public RunFolderPlatform {
  public:
    struct Node {
        bool folder = false;
        bool link = false;
        bool held = false;  // open, shared with no one, by a running process
    };

    std::string temporary = "C:\\Users\\u\\AppData\\Local\\Temp\\";
    std::uint32_t processId = 77;
    std::map<std::string, Node> nodes;  // full paths
    std::vector<std::string>* log = nullptr;
    bool lockFails = false;
    std::string heldLock;  // the lock this process holds
    // Folders someone swaps for a link right after the temporary folder has been listed.
    std::vector<std::string> becomeLinksAfterListing;
    std::map<std::uint32_t, std::string> opened;  // the sweep's open folders
    std::map<std::uint32_t, std::string> sweepLocks;
    std::uint32_t nextId = 1;

    FakeRunFiles() { Add(temporary.substr(0, temporary.size() - 1), Node{true, false, false}); }

    void Add(const std::string& path, Node node) { nodes[path] = node; }
    void Add(const std::string& path) { nodes[path] = Node{false, false, false}; }
    bool Exists(const std::string& path) const { return nodes.count(path) != 0; }

    std::string TemporaryFolder() override { return temporary; }
    std::uint32_t ProcessId() override { return processId; }
    bool CreateFolder(const std::string& path) override {
        if (Exists(path) || !Exists(Parent(path))) {
            return false;
        }
        Log("mkdir " + path);
        nodes[path] = Node{true, false, false};
        return true;
    }
    bool HoldLock(const std::string& path) override {
        if (lockFails || Exists(path) || !Exists(Parent(path))) {
            return false;
        }
        Log("lock " + path);
        nodes[path] = Node{false, false, true};
        heldLock = path;
        return true;
    }
    void ReleaseLock() override {
        if (!heldLock.empty()) {
            Log("unlock");
            nodes[heldLock].held = false;
            heldLock.clear();
        }
    }
    std::vector<FolderEntry> List(const std::string& folder) override {
        std::string prefix = folder;
        if (prefix.back() != '\\') {
            prefix += '\\';
        }
        std::vector<FolderEntry> entries;
        for (const auto& [path, node] : nodes) {
            if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
                path.find('\\', prefix.size()) == std::string::npos) {
                entries.push_back({path.substr(prefix.size()), node.folder, node.link});
            }
        }
        if (prefix == temporary) {
            for (const std::string& path : becomeLinksAfterListing) {
                nodes[path].link = true;
            }
        }
        return entries;
    }
    RemoveResult RemoveFile(const std::string& path) override {
        const auto found = nodes.find(path);
        if (found == nodes.end()) {
            return RemoveResult::kMissing;
        }
        if (found->second.folder || found->second.held) {
            return RemoveResult::kRefused;
        }
        Log("delete " + path);
        nodes.erase(found);
        return RemoveResult::kRemoved;
    }
    bool RemoveFolder(const std::string& path) override {
        const auto found = nodes.find(path);
        if (found == nodes.end() || !found->second.folder || !List(path).empty()) {
            return false;
        }
        Log("rmdir " + path);
        nodes.erase(found);
        return true;
    }

    std::uint32_t OpenOwnFolder(const std::string& path) override {
        const auto found = nodes.find(path);
        if (found == nodes.end() || !found->second.folder || found->second.link) {
            return 0;
        }
        const std::uint32_t id = nextId++;
        opened[id] = path;
        return id;
    }
    RemoveResult RemoveFileIn(std::uint32_t folder, std::string_view name) override {
        return RemoveFile(opened.at(folder) + "\\" + std::string(name));
    }
    bool TakeLockIn(std::uint32_t folder, std::string_view name) override {
        const std::string path = opened.at(folder) + "\\" + std::string(name);
        if (Exists(path)) {
            return false;
        }
        Log("sweep lock " + path);
        nodes[path] = Node{false, false, true};
        sweepLocks[folder] = path;
        return true;
    }
    void CloseFolder(std::uint32_t folder, bool remove) override {
        const auto lock = sweepLocks.find(folder);
        if (lock != sweepLocks.end()) {
            Log("sweep unlock " + lock->second);
            nodes.erase(lock->second);
            sweepLocks.erase(lock);
        }
        if (remove) {
            RemoveFolder(opened.at(folder));
        }
        opened.erase(folder);
    }

    // A file written by the run's platform into a folder that exists.
    bool Write(const std::string& path) {
        if (Exists(path) || !Exists(Parent(path))) {
            return false;
        }
        nodes[path] = Node{false, false, false};
        return true;
    }

  private:
    static std::string Parent(const std::string& path) { return path.substr(0, path.rfind('\\')); }
    void Log(std::string line) {
        if (log != nullptr) {
            log->push_back(std::move(line));
        }
    }
};

}  // namespace altostrat::testing
