// Who may change the programs' folder, judged over the access lists Windows 10 and 11 give their
// folders, written here entry by entry as icacls shows them (Wine keeps no lists of its own).
// The same lists in the form Windows writes them out (SDDL) go through Windows' own reading in
// folder_access_win32_test.cpp.
#include "common/folder_access.h"

#include <gtest/gtest.h>

namespace altostrat {
namespace {

constexpr char kAlice[] = "S-1-5-21-3623811015-3361044348-30300820-1013";
constexpr char kBob[] = "S-1-5-21-3623811015-3361044348-30300820-1014";
constexpr std::uint8_t OI = kEntryObjectInherit, CI = kEntryContainerInherit,
                       IO = kEntryInheritOnly, ID = kEntryInherited;

AccessEntry Allow(const char* sid, std::uint32_t rights, std::uint8_t flags) {
    return {sid, true, rights, flags};
}
AccessEntry Deny(const char* sid, std::uint32_t rights, std::uint8_t flags) {
    return {sid, false, rights, flags};
}

// C:\  owner TrustedInstaller
//   BUILTIN\Administrators:(OI)(CI)(F)  NT AUTHORITY\SYSTEM:(OI)(CI)(F)
//   BUILTIN\Users:(OI)(CI)(RX)  NT AUTHORITY\Authenticated Users:(OI)(CI)(IO)(M)
//   NT AUTHORITY\Authenticated Users:(AD)
FolderAccessList DriveRoot() {
    return {kSidTrustedInstaller,
            true,
            {Allow(kSidAdministrators, kRightsFullControl, OI | CI),
             Allow(kSidSystem, kRightsFullControl, OI | CI),
             Allow(kSidUsers, kRightsReadExecute, OI | CI),
             Allow(kSidAuthenticatedUsers,
                   kRightDelete | kRightGenericExecute | kRightGenericWrite | kRightGenericRead,
                   OI | CI | IO),
             Allow(kSidAuthenticatedUsers, kRightAddSubfolder, 0)}};
}

// A folder Alice makes in C:\: what C:\ hands down, Authenticated Users' Modify among it.
FolderAccessList NewFolderInDriveRoot() {
    return {kAlice,
            true,
            {Allow(kSidAdministrators, kRightsFullControl, OI | CI | ID),
             Allow(kSidSystem, kRightsFullControl, OI | CI | ID),
             Allow(kSidUsers, kRightsReadExecute, OI | CI | ID),
             Allow(kSidAuthenticatedUsers, kRightsModify, ID),
             Allow(kSidAuthenticatedUsers,
                   kRightDelete | kRightGenericExecute | kRightGenericWrite | kRightGenericRead,
                   OI | CI | IO | ID)}};
}

// C:\Users  owner SYSTEM: SYSTEM and Administrators full, Users and Everyone read.
FolderAccessList UsersFolder() {
    return {kSidSystem,
            true,
            {Allow(kSidSystem, kRightsFullControl, OI | CI),
             Allow(kSidAdministrators, kRightsFullControl, OI | CI),
             Allow(kSidUsers, kRightsReadExecute, 0),
             Allow(kSidUsers, kRightGenericRead | kRightGenericExecute, OI | CI | IO),
             Allow(kSidEveryone, kRightsReadExecute, 0),
             Allow(kSidEveryone, kRightGenericRead | kRightGenericExecute, OI | CI | IO)}};
}

// C:\Users\alice, protected: SYSTEM, Administrators and Alice, full; with INHERITED, the same
// as a folder below it (AppData, Local, Programs) has it.
FolderAccessList Profile(std::uint8_t inherited) {
    return {kAlice,
            true,
            {Allow(kSidSystem, kRightsFullControl, OI | CI | inherited),
             Allow(kSidAdministrators, kRightsFullControl, OI | CI | inherited),
             Allow(kAlice, kRightsFullControl, OI | CI | inherited)}};
}

// C:\Program Files  owner TrustedInstaller: SYSTEM and Administrators modify, Users and the app
// packages read, CREATOR OWNER full control over what it makes.
FolderAccessList ProgramFiles() {
    const std::uint32_t read = kRightGenericRead | kRightGenericExecute;
    return {kSidTrustedInstaller,
            true,
            {Allow(kSidTrustedInstaller, kRightsFullControl, 0),
             Allow(kSidTrustedInstaller, kRightGenericAll, CI | IO),
             Allow(kSidSystem, kRightsModify, 0), Allow(kSidSystem, kRightGenericAll, OI | CI | IO),
             Allow(kSidAdministrators, kRightsModify, 0),
             Allow(kSidAdministrators, kRightGenericAll, OI | CI | IO),
             Allow(kSidUsers, kRightsReadExecute, 0), Allow(kSidUsers, read, OI | CI | IO),
             Allow(kSidCreatorOwner, kRightGenericAll, OI | CI | IO),
             Allow("S-1-15-2-1", kRightsReadExecute, 0), Allow("S-1-15-2-1", read, OI | CI | IO),
             Allow("S-1-15-2-2", kRightsReadExecute, 0), Allow("S-1-15-2-2", read, OI | CI | IO)}};
}

// Write (icacls "W"): data, append, attributes and extended attributes.
constexpr std::uint32_t kFileWriteRights = 0x100116;

FolderRisk RiskOf(const std::vector<FolderAccessList>& chain) {
    return JudgeFolderChain(chain, kAlice).risk;
}

TEST(FolderAccess, TheListsWindowsGivesItsFolders) {
    // The installer's folder, %LOCALAPPDATA%\Programs\アルトストラト: below the profile.
    const std::vector<FolderAccessList> local_programs = {
        DriveRoot(), UsersFolder(), Profile(0), Profile(ID), Profile(ID), Profile(ID), Profile(ID)};
    EXPECT_EQ(RiskOf(local_programs), FolderRisk::kNone);
    // The same with the folder made private by the installer, and the profile itself.
    std::vector<FolderAccessList> made = local_programs;
    made.back() = PrivateFolderList(kAlice);
    EXPECT_EQ(RiskOf(made), FolderRisk::kNone);
    EXPECT_EQ(RiskOf({DriveRoot(), UsersFolder(), Profile(0)}), FolderRisk::kNone);

    // C:\ itself: Authenticated Users may add folders to it.
    FolderVerdict root = JudgeFolderChain({DriveRoot()}, kAlice);
    EXPECT_EQ(root.risk, FolderRisk::kWriteIn);
    EXPECT_EQ(root.who, kSidAuthenticatedUsers);
    EXPECT_FALSE(root.inherited);

    // A new folder in C:\ (C:\アルトストラト): Authenticated Users may delete it and write in it,
    // by the Modify it inherits.
    FolderVerdict tools = JudgeFolderChain({DriveRoot(), NewFolderInDriveRoot()}, kAlice);
    EXPECT_EQ(tools.risk, FolderRisk::kReplace);
    EXPECT_EQ(tools.folder, 1u);
    EXPECT_EQ(tools.who, kSidAuthenticatedUsers);
    EXPECT_TRUE(tools.inherited);
    // A private folder made inside it (C:\Tools\アルトストラト) is no better: C:\Tools can be
    // renamed and another put in its place.
    FolderVerdict inside =
        JudgeFolderChain({DriveRoot(), NewFolderInDriveRoot(), PrivateFolderList(kAlice)}, kAlice);
    EXPECT_EQ(inside.risk, FolderRisk::kReplace);
    EXPECT_EQ(inside.folder, 1u);
    // A private folder made directly in C:\ is safe: only administrators may delete what is in
    // C:\ that they do not own.
    EXPECT_EQ(RiskOf({DriveRoot(), PrivateFolderList(kAlice)}), FolderRisk::kNone);

    // Program Files and a folder an elevated install made there (owned by Administrators): no
    // one else writes there (nor Alice, without elevation: the install refuses that apart).
    EXPECT_EQ(RiskOf({DriveRoot(), ProgramFiles()}), FolderRisk::kNone);
    FolderAccessList program_folder = {
        kSidAdministrators,
        true,
        {Allow(kSidTrustedInstaller, kRightsFullControl, CI | ID),
         Allow(kSidSystem, kRightsFullControl, OI | CI | ID),
         Allow(kSidAdministrators, kRightsFullControl, OI | CI | ID),
         Allow(kSidUsers, kRightsReadExecute, OI | CI | ID),
         Allow(kSidCreatorOwner, kRightGenericAll, OI | CI | IO | ID)}};
    EXPECT_EQ(RiskOf({DriveRoot(), ProgramFiles(), program_folder}), FolderRisk::kNone);
}

TEST(FolderAccess, WhoWhatWhereAndInWhichOrder) {
    const FolderAccessList mine = Profile(0);
    const auto with = [&](std::vector<AccessEntry> extra) {
        FolderAccessList list = mine;
        list.entries.insert(list.entries.begin(), extra.begin(), extra.end());
        return std::vector<FolderAccessList>{DriveRoot(), UsersFolder(), list};
    };
    const std::uint32_t write = kRightAddFile | kRightAddSubfolder | kRightDelete;
    // Everyone denied what Modify would give to write, before it is given: no one else writes.
    EXPECT_EQ(RiskOf(with({Deny(kSidEveryone, write, OI | CI),
                           Allow(kSidAuthenticatedUsers, kRightsModify, OI | CI)})),
              FolderRisk::kNone);
    // After it, the allow came first and stands, as Windows reads the list in order.
    EXPECT_EQ(RiskOf(with({Allow(kSidAuthenticatedUsers, kRightsModify, OI | CI),
                           Deny(kSidEveryone, write, OI | CI)})),
              FolderRisk::kReplace);
    // One account denied leaves every other its rights.
    EXPECT_EQ(RiskOf(with({Deny(kBob, write, OI | CI), Allow(kSidUsers, kRightsModify, OI | CI)})),
              FolderRisk::kReplace);
    // Bob may add files: he writes in the programs' folder, not above it.
    FolderVerdict bob = JudgeFolderChain(with({Allow(kBob, kRightAddFile, 0)}), kAlice);
    EXPECT_EQ(bob.risk, FolderRisk::kWriteIn);
    EXPECT_EQ(bob.who, kBob);
    // Files made there would let Bob write them (object-inherit, inherit-only).
    EXPECT_EQ(RiskOf(with({Allow(kBob, kRightGenericWrite, OI | IO)})), FolderRisk::kWriteIn);
    // Only new subfolders would (container-inherit, inherit-only): the programs' files would not.
    EXPECT_EQ(RiskOf(with({Allow(kBob, kRightGenericWrite, CI | IO)})), FolderRisk::kNone);
    // Reading, and the rights to attributes, change nothing that runs.
    EXPECT_EQ(RiskOf(with({Allow(kBob, kRightsReadExecute | 0x110, OI | CI)})), FolderRisk::kNone);
    // Bob may rewrite the list of C:\Users, or delete what is in it (the profile).
    FolderAccessList users = UsersFolder();
    users.entries.push_back(Allow(kBob, kRightWriteDac, 0));
    EXPECT_EQ(RiskOf({DriveRoot(), users, mine}), FolderRisk::kTakeOver);
    users.entries.back() = Allow(kBob, kRightDeleteChild, 0);
    FolderVerdict child = JudgeFolderChain({DriveRoot(), users, mine}, kAlice);
    EXPECT_EQ(child.risk, FolderRisk::kReplace);
    EXPECT_EQ(child.folder, 2u);
    // Inherit-only entries of a folder above speak only for what is made there anew.
    users.entries.back() = Allow(kBob, kRightsFullControl, OI | CI | IO);
    EXPECT_EQ(RiskOf({DriveRoot(), users, mine}), FolderRisk::kNone);

    // Owned by Bob, who may always rewrite the list; OWNER RIGHTS then speaks for Bob too.
    FolderAccessList owned = mine;
    owned.owner = kBob;
    EXPECT_EQ(RiskOf({DriveRoot(), UsersFolder(), owned}), FolderRisk::kOwner);
    FolderAccessList owner_rights = mine;
    owner_rights.entries.push_back(Allow(kSidOwnerRights, kRightsFullControl, OI | CI));
    EXPECT_EQ(RiskOf({DriveRoot(), UsersFolder(), owner_rights}), FolderRisk::kNone);
    // No list at all: everyone may do anything.
    FolderAccessList none = {kAlice, false, {}};
    FolderVerdict open = JudgeFolderChain({DriveRoot(), UsersFolder(), none}, kAlice);
    EXPECT_EQ(open.risk, FolderRisk::kTakeOver);
    EXPECT_EQ(open.who, kSidEveryone);
    // An empty list lets no one in.
    EXPECT_EQ(RiskOf({DriveRoot(), UsersFolder(), {kAlice, true, {}}}), FolderRisk::kNone);
}

// Lists made to slip past a reading of Everyone and Authenticated Users as "every other account":
// the built-in Guest is not an authenticated user, and an anonymous logon is not even in
// Everyone. Also what the user's own low-integrity processes may write, and a junction on the
// path, judged by its own list.
TEST(FolderAccess, GuestsAnonymousLogonsLowLabelsAndJunctions) {
    const auto with = [](std::vector<AccessEntry> extra) {
        FolderAccessList list = Profile(0);
        list.entries.insert(list.entries.begin(), extra.begin(), extra.end());
        return std::vector<FolderAccessList>{DriveRoot(), UsersFolder(), list};
    };
    const std::uint32_t write = kRightAddFile | kRightAddSubfolder | kRightDelete;
    constexpr char kGuest[] = "S-1-5-21-3623811015-3361044348-30300820-501";
    struct Case {
        const char* what;
        std::vector<AccessEntry> entries;
        FolderRisk risk;
        const char* who;
    };
    const Case cases[] = {
        {"Authenticated Users denied, Everyone allowed: the Guest writes",
         {Deny(kSidAuthenticatedUsers, write, OI | CI),
          Allow(kSidEveryone, kRightsModify, OI | CI)},
         FolderRisk::kReplace,
         kSidEveryone},
        {"Authenticated Users denied, Users allowed: a Guest at the console is in Users",
         {Deny(kSidAuthenticatedUsers, write, OI | CI), Allow(kSidUsers, kRightsModify, OI | CI)},
         FolderRisk::kReplace,
         kSidUsers},
        {"Authenticated Users and Guests denied, Everyone allowed",
         {Deny(kSidAuthenticatedUsers, write, OI | CI), Deny(kSidGuests, write, OI | CI),
          Allow(kSidEveryone, kRightsModify, OI | CI)},
         FolderRisk::kNone,
         ""},
        {"Authenticated Users denied, the Guest account allowed",
         {Deny(kSidAuthenticatedUsers, write, OI | CI), Allow(kGuest, kRightAddFile, 0)},
         FolderRisk::kWriteIn,
         kGuest},
        {"Everyone denied, the Guest account allowed",
         {Deny(kSidEveryone, write, OI | CI), Allow(kGuest, kRightAddFile, 0)},
         FolderRisk::kNone,
         ""},
        {"Everyone denied, ANONYMOUS LOGON allowed: not in Everyone",
         {Deny(kSidEveryone, write, OI | CI), Allow(kSidAnonymous, kRightsModify, OI | CI)},
         FolderRisk::kReplace,
         kSidAnonymous},
        {"Everyone denied, an account of unknown members allowed: an anonymous logon may be one",
         {Deny(kSidEveryone, write, OI | CI), Allow(kBob, kRightAddFile, 0)},
         FolderRisk::kWriteIn,
         kBob},
        {"Everyone and ANONYMOUS LOGON denied, the same account allowed",
         {Deny(kSidEveryone, write, OI | CI), Deny(kSidAnonymous, write, OI | CI),
          Allow(kBob, kRightAddFile, 0)},
         FolderRisk::kNone,
         ""},
        {"Bob denied, then allowed: his own deny reaches him whatever his logon",
         {Deny(kBob, write, OI | CI), Allow(kBob, kRightsModify, OI | CI)},
         FolderRisk::kNone,
         ""},
    };
    for (const Case& c : cases) {
        const FolderVerdict verdict = JudgeFolderChain(with(c.entries), kAlice);
        EXPECT_EQ(verdict.risk, c.risk) << c.what;
        EXPECT_EQ(verdict.who, c.who) << c.what;
    }

    // Labels: AppData\LocalLow is labelled low (icacls: Mandatory Label\Low Mandatory Level:
    // (OI)(CI)(NW)), and a folder below it inherits that; a label without no-write-up keeps no
    // one out; a high label, or none, is fine; in the programs' folder a low label handed to its
    // files counts too, above it one for new subfolders only does not.
    const MandatoryLabel low{kLevelLow, kLabelNoWriteUp, OI | CI};
    const auto labelled = [](std::vector<MandatoryLabel> above, std::vector<MandatoryLabel> last) {
        FolderAccessList folder = Profile(ID);
        folder.labels = std::move(above);
        FolderAccessList programs = Profile(ID);
        programs.labels = std::move(last);
        return JudgeFolderChain({DriveRoot(), UsersFolder(), Profile(0), folder, programs}, kAlice);
    };
    const FolderVerdict local_low = labelled({low}, {{kLevelLow, kLabelNoWriteUp, OI | CI | ID}});
    EXPECT_EQ(local_low.risk, FolderRisk::kLowLabel);
    EXPECT_EQ(local_low.folder, 3u);
    EXPECT_EQ(local_low.who, "S-1-16-4096");
    EXPECT_EQ(labelled({}, {{kLevelMedium, 0, 0}}).risk, FolderRisk::kLowLabel);
    EXPECT_EQ(labelled({{kLevelHigh, kLabelNoWriteUp, OI | CI}}, {}).risk, FolderRisk::kNone);
    const FolderVerdict files = labelled({}, {{kLevelLow, kLabelNoWriteUp, OI | IO}});
    EXPECT_EQ(files.risk, FolderRisk::kLowLabel);
    EXPECT_EQ(files.folder, 4u);
    EXPECT_EQ(labelled({{kLevelLow, kLabelNoWriteUp, CI | IO}}, {}).risk, FolderRisk::kNone);

    // C:\Users\alice\Tools a junction to a private folder, its own list as mklink /J in a
    // profile leaves it, but with Authenticated Users given Write (data and attributes) or Delete
    // on it: they may point it elsewhere. The same rights on a plain folder above the programs'
    // only let them add files beside it.
    const auto through = [](std::uint32_t rights, bool link) {
        FolderAccessList junction = Profile(ID);
        junction.link = link;
        junction.entries.push_back(Allow(kSidAuthenticatedUsers, rights, 0));
        return JudgeFolderChain(
            {DriveRoot(), UsersFolder(), Profile(0), junction, PrivateFolderList(kAlice)}, kAlice);
    };
    const FolderVerdict retargeted = through(kFileWriteRights, true);
    EXPECT_EQ(retargeted.risk, FolderRisk::kReplace);
    EXPECT_EQ(retargeted.folder, 3u);
    EXPECT_EQ(retargeted.who, kSidAuthenticatedUsers);
    EXPECT_EQ(through(kRightDelete, true).risk, FolderRisk::kReplace);
    EXPECT_EQ(through(kFileWriteRights, false).risk, FolderRisk::kNone);
    EXPECT_EQ(through(kRightsReadExecute, true).risk, FolderRisk::kNone);
}

TEST(FolderAccess, FoldersOnThePath) {
    using V = std::vector<std::string>;
    EXPECT_EQ(FoldersOnPath("C:\\Users\\alice\\アルトストラト"),
              (V{"C:\\", "C:\\Users", "C:\\Users\\alice", "C:\\Users\\alice\\アルトストラト"}));
    EXPECT_EQ(FoldersOnPath("C:\\"), (V{"C:\\"}));
    EXPECT_EQ(FoldersOnPath("D:"), (V{"D:\\"}));
    EXPECT_EQ(FoldersOnPath("c:/a//b/./c/../d\\"), (V{"c:\\", "c:\\a", "c:\\a\\b", "c:\\a\\b\\d"}));
    EXPECT_EQ(FoldersOnPath("\\\\?\\C:\\a"), (V{"C:\\", "C:\\a"}));
    EXPECT_EQ(FoldersOnPath("\\\\server\\share\\a"),
              (V{"\\\\server\\share\\", "\\\\server\\share\\a"}));
    EXPECT_EQ(FoldersOnPath("\\\\?\\UNC\\server\\share"), (V{"\\\\server\\share\\"}));
    EXPECT_EQ(FoldersOnPath("relative\\a"), V{});
    EXPECT_EQ(FoldersOnPath("C:relative"), V{});
    EXPECT_EQ(FoldersOnPath("\\\\server"), V{});
}

}  // namespace
}  // namespace altostrat
