#pragma once
// Whether another account of the computer may change what runs from a folder. Windows looks
// beside a program first for the libraries it loads (winmm.dll, windowscodecs.dll), and the
// keeper starts at every sign-in from its folder, so whoever may add, replace or delete a file
// there, or rename a folder above it and put another in its place, runs code as the user.
//
// The judgement is over the access lists Windows keeps (the owner and the entries, in order) of
// every folder from the drive's root down to the one the programs lie in:
// - each folder's owner may always rewrite its list, so it must be one of the user, SYSTEM,
//   Administrators or TrustedInstaller (the trusted accounts);
// - no other account may rewrite a folder's list or take it over (WRITE_DAC, WRITE_OWNER), delete
//   or rename a folder below the root (DELETE, or FILE_DELETE_CHILD on its parent);
// - in the programs' own folder no other account may add, delete or change a file (FILE_ADD_FILE,
//   FILE_ADD_SUBDIRECTORY, FILE_DELETE_CHILD), and the entries the programs' files inherit
//   (object-inherit) give no other account write rights over them either.
// Adding folders beside one on the path is harmless: users may create folders in C:\.
//
// An entry marked inherit-only does not apply to the folder itself, only to what is made in it;
// whether it came from the folder above (inherited) changes nothing but the explanation. Entries
// are read in order, as Windows reads them, and a deny takes rights only from whoever surely
// holds the account it names. So each allow is judged for three kinds of other logon: another
// signed-in user (in Everyone and Authenticated Users), the Guest account (in Everyone and
// Guests, never in Authenticated Users) and an anonymous logon (ANONYMOUS LOGON only: neither in
// Everyone nor in Authenticated Users, as Windows has it since XP). A deny for Authenticated Users
// followed by an allow for Everyone leaves the Guest its rights; a deny for Everyone followed by
// an allow for ANONYMOUS LOGON leaves the anonymous logon its own. An allow for an account whose
// members cannot be told from its SID may reach any of the three. Generic rights count as the
// file rights they stand for. CREATOR OWNER stands for whoever makes a file, which in a folder no
// one else may write is the user; a folder without a list lets everyone do anything.
//
// The user's own processes of low integrity (a browser's sandbox, anything started from
// AppData\LocalLow) are another party too: a folder whose mandatory label is below medium, or
// whose label does not forbid writing up, lets them write where the DACL lets the user write. No
// label is medium. In the programs' folder the label its files inherit counts as well.
//
// A junction or symbolic link on the path is judged by its own list, read without following it
// (the folder it leads to is judged on the resolved path): whoever may delete it, or write its
// data or attributes (where its target lies), may point it elsewhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/ui_language.h"

namespace altostrat {

// Rights and entry flags as Windows numbers them (winnt.h). In a folder, FILE_WRITE_DATA adds a
// file and FILE_APPEND_DATA adds a folder.
inline constexpr std::uint32_t kRightAddFile = 0x2;
inline constexpr std::uint32_t kRightAddSubfolder = 0x4;
inline constexpr std::uint32_t kRightDeleteChild = 0x40;
inline constexpr std::uint32_t kRightDelete = 0x10000;
inline constexpr std::uint32_t kRightWriteDac = 0x40000;
inline constexpr std::uint32_t kRightWriteOwner = 0x80000;
inline constexpr std::uint32_t kRightGenericAll = 0x10000000;
inline constexpr std::uint32_t kRightGenericExecute = 0x20000000;
inline constexpr std::uint32_t kRightGenericWrite = 0x40000000;
inline constexpr std::uint32_t kRightGenericRead = 0x80000000;
// Full control (SDDL "FA"), Modify ("M" in icacls) and Read & execute ("RX").
inline constexpr std::uint32_t kRightsFullControl = 0x1F01FF;
inline constexpr std::uint32_t kRightsModify = 0x1301BF;
inline constexpr std::uint32_t kRightsReadExecute = 0x1200A9;

inline constexpr std::uint8_t kEntryObjectInherit = 0x1;
inline constexpr std::uint8_t kEntryContainerInherit = 0x2;
inline constexpr std::uint8_t kEntryNoPropagate = 0x4;
inline constexpr std::uint8_t kEntryInheritOnly = 0x8;
inline constexpr std::uint8_t kEntryInherited = 0x10;

// Mandatory integrity levels (the last part of the label's SID, S-1-16-N) and the label policy
// that keeps lower levels from writing.
inline constexpr std::uint32_t kLevelUntrusted = 0x0;
inline constexpr std::uint32_t kLevelLow = 0x1000;
inline constexpr std::uint32_t kLevelMedium = 0x2000;
inline constexpr std::uint32_t kLevelHigh = 0x3000;
inline constexpr std::uint32_t kLabelNoWriteUp = 0x1;

// Well-known accounts, as SIDs are written out.
inline constexpr char kSidEveryone[] = "S-1-1-0";
inline constexpr char kSidCreatorOwner[] = "S-1-3-0";
inline constexpr char kSidOwnerRights[] = "S-1-3-4";
inline constexpr char kSidAnonymous[] = "S-1-5-7";
inline constexpr char kSidAuthenticatedUsers[] = "S-1-5-11";
inline constexpr char kSidSystem[] = "S-1-5-18";
inline constexpr char kSidAdministrators[] = "S-1-5-32-544";
inline constexpr char kSidUsers[] = "S-1-5-32-545";
inline constexpr char kSidGuests[] = "S-1-5-32-546";
inline constexpr char kSidTrustedInstaller[] =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// One entry of an access list.
struct AccessEntry {
    std::string sid;  // whom it names, written out ("S-1-5-11")
    bool allow = true;
    std::uint32_t rights = 0;
    std::uint8_t flags = 0;
};

// One mandatory label entry of a folder's system list.
struct MandatoryLabel {
    std::uint32_t level = kLevelMedium;
    std::uint32_t policy = kLabelNoWriteUp;
    std::uint8_t flags = 0;  // inheritance, as for access entries
};

// One folder's access list; made from its owner and entries, its labels and link added after.
struct FolderAccessList {
    FolderAccessList() = default;
    FolderAccessList(std::string owner, bool has_list, std::vector<AccessEntry> entries)
        : owner(std::move(owner)), has_list(has_list), entries(std::move(entries)) {}

    std::string owner;     // written out; empty when unknown, which is not trusted
    bool has_list = true;  // false: no list at all, which lets everyone do anything
    std::vector<AccessEntry> entries;
    std::vector<MandatoryLabel> labels;  // none: medium, writing up forbidden
    bool link = false;  // a junction or symbolic link, its own list read without following it
};

enum class FolderRisk {
    kNone,
    kOwner,     // another account owns the folder
    kTakeOver,  // another account may rewrite its list or take it over
    kReplace,   // another account may delete or rename it
    kWriteIn,   // another account may add, delete or change files in the programs' folder
    kLowLabel,  // processes below medium integrity may write there
};

struct FolderVerdict {
    FolderRisk risk = FolderRisk::kNone;
    std::size_t folder = 0;  // the folder at fault: its place in the chain
    std::string who;         // the other account, written out (a low label: "S-1-16-4096")
    bool inherited = false;  // the entry came from the folder above
};

// The verdict over CHAIN, the access lists from the drive's root down to the programs' folder
// (the last), for programs that run as USER_SID. The first fault from the root down, or kNone.
FolderVerdict JudgeFolderChain(const std::vector<FolderAccessList>& chain,
                               const std::string& user_sid);

// The list of a folder made for the user alone: full control for the user, SYSTEM and
// Administrators over the folder and all in it, owned by the user. Written protected, so nothing
// is inherited from the folder above.
FolderAccessList PrivateFolderList(const std::string& user_sid);

// The folders from the root of PATH's drive or share down to PATH itself: "C:\a\b" gives "C:\",
// "C:\a" and "C:\a\b"; "\\server\share\a" gives "\\server\share\" and "\\server\share\a". "\\?\"
// and "\\?\UNC\" prefixes are dropped, "/" counts as "\", "." is skipped and ".." steps back.
// Empty for a path that names no drive or share.
std::vector<std::string> FoldersOnPath(const std::string& path);

// A sentence for the user in LANGUAGE (the settings dialog's) saying that WHO (an account's
// name, or with kLowLabel an integrity level's) may change FOLDER, and so the programs that run
// from it; and the one saying that who may change FOLDER cannot be read.
std::string FolderRiskText(const std::string& folder, const std::string& who, FolderRisk risk,
                           UiLanguage language);
std::string FolderUnreadableText(const std::string& folder, UiLanguage language);

}  // namespace altostrat
