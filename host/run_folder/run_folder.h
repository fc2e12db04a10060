#pragma once
// The saver run's own picture folder, and the sweep of those an earlier run left behind.
//
// A photograph of the user's screen must not lie where other accounts can read it, and the host
// must not write through a folder or file someone else prepared for it. So each run makes a new
// folder inside the user's temporary folder, named "Altostrat-" + the host's process id + "-" +
// a number (both decimal): the folder is made only where nothing exists yet, and on any failure
// the next number is tried, a few times. Inside it the run first creates a lock file, as a new
// file, and holds it open, shared with no one, for as long as it runs; then the pictures, each
// as a new file. Nothing the run did not make itself in this run is ever written.
//
// When no folder can be made (no temporary folder, or one that cannot be written), the renderer
// is pointed at a folder whose name holds "*", which Windows allows in no file name: it finds no
// picture there, whatever exists on the disk, and draws plain what it lacks. Never the shared
// folder of old.
//
// The sweep, at a start of the host, looks in the temporary folder at the entries named exactly
// as above that are plain folders, and nothing of another name. Where TEMP is a folder every
// user can write (a shared C:\Temp), another account may swap such a folder for a junction
// between the listing and the deletion, to have the user's files elsewhere deleted; so the sweep
// opens each candidate once, holds it so that it can be neither moved nor replaced, refuses it
// when what it opened is a junction, link or other reparse point or is not the user's own, and
// works only through what it opened. It deletes only the four names a run writes: the lock and
// the three pictures. A live run holds its lock shared with no one, so the lock cannot be
// deleted and the folder is left whole. Otherwise the sweep takes the lock itself, as a new file
// shared with no one and deleted when it lets go: a run that has just made the folder and not
// yet its lock then fails to take it and tries its next name, so no live run ever loses its
// pictures. Then the pictures go, the lock, and the folder once it is empty. A folder whose
// picture could not be deleted stays for a later sweep.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace altostrat {

inline constexpr char kRunFolderPrefix[] = "Altostrat-";
inline constexpr char kRunLockName[] = "Altostrat.lock";
// How many names a run tries before it does without a folder.
inline constexpr std::uint32_t kRunFolderAttempts = 16;

enum class RemoveResult {
    kRemoved,
    kMissing,  // nothing was there
    kRefused,  // it is there and stays: in use, or no right to delete it
};

struct FolderEntry {
    std::string name;
    bool folder = false;
    bool link = false;  // a reparse point: junction, symbolic link, mount point, ...
};

// The file system as the run folder needs it. Paths are UTF-8 with backslashes.
class RunFolderPlatform {
  public:
    virtual ~RunFolderPlatform() = default;
    // The user's temporary folder, ending in a backslash; "" when there is none.
    virtual std::string TemporaryFolder() = 0;
    virtual std::uint32_t ProcessId() = 0;
    // Makes the folder, readable by this user alone; false when anything exists at that path
    // already or it cannot be made.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Creates the file as a new one and keeps it open, shared with no one, until ReleaseLock or
    // the end of the process; false when anything exists at that path or it cannot be made.
    virtual bool HoldLock(const std::string& path) = 0;
    virtual void ReleaseLock() = 0;
    // The folder's entries, without "." and ".."; none when it cannot be read.
    virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
    // Deletes one file (a link itself, never what it points to).
    virtual RemoveResult RemoveFile(const std::string& path) = 0;
    // Removes the folder if it is empty (a link itself, never what it points to).
    virtual bool RemoveFolder(const std::string& path) = 0;

    // The sweep's side. Opens the folder at PATH once and holds it, so that it can be neither
    // renamed, moved nor deleted by anyone else until CloseFolder; 0 when nothing is there or it
    // is not a plain folder owned by this user (a reparse point is refused, never followed).
    virtual std::uint32_t OpenOwnFolder(const std::string& path) = 0;
    // Deletes the file NAME inside the opened folder (a link itself, never what it points to;
    // never a folder).
    virtual RemoveResult RemoveFileIn(std::uint32_t folder, std::string_view name) = 0;
    // Creates NAME inside the opened folder as a new file shared with no one and deleted when
    // CloseFolder lets it go; false when anything exists there.
    virtual bool TakeLockIn(std::uint32_t folder, std::string_view name) = 0;
    // Lets go of the lock taken in it, then of the folder; REMOVE deletes the folder too when
    // it is empty by then.
    virtual void CloseFolder(std::uint32_t folder, bool remove) = 0;
};

struct RunFolder {
    std::string path;   // without a trailing backslash
    bool made = false;  // false: nothing was made, and path names a folder that cannot exist
};

// "Altostrat-1234-0".
std::string RunFolderName(std::uint32_t processId, std::uint32_t attempt);
// NAME is exactly a run folder's name: the prefix, 1 to 10 digits, "-", 1 to 10 digits.
bool IsRunFolderName(std::string_view name);

// Makes this run's folder and takes its lock.
RunFolder MakeRunFolder(RunFolderPlatform& files);
// The path of one of the run's pictures (its file name) in FOLDER.
std::string RunFolderFile(const RunFolder& folder, std::string_view fileName);
// Deletes the three pictures and the lock, then the folder; what cannot be deleted stays for
// the next start's sweep. Nothing when no folder was made.
void RemoveRunFolder(RunFolderPlatform& files, const RunFolder& folder);
// Removes the run folders of earlier runs that no running host holds.
void SweepRunFolders(RunFolderPlatform& files);

}  // namespace altostrat
