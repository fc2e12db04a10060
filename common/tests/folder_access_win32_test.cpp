// The access lists of Windows 10 and 11 folders as Windows writes them out (SDDL, as PowerShell's
// Get-Acl shows them), read by Windows' own parser and then by the program's reading, judged as
// folder_access_test.cpp judges them entry by entry; and a private folder made and judged for
// real. Under Wine the lists of real folders are Wine's default (the user and SYSTEM full,
// Everyone reading): what a real Windows keeps, only a real Windows can show.
#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include "common/folder_access.h"
#include "common/win32/access_list.h"
#include "common/win32/private_folder.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

#define ALICE "S-1-5-21-3623811015-3361044348-30300820-1013"
#define TI "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"

FolderAccessList FromSddl(const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        Wide(sddl).c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        << sddl;
    FolderAccessList list = AccessListOf(descriptor);
    LocalFree(descriptor);
    return list;
}

TEST(FolderAccessWin32, TheListsAsWindowsWritesThem) {
    const FolderAccessList root =
        FromSddl("O:" TI
                 "D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"
                 "(A;OICIIO;SDGXGWGR;;;AU)(A;;LC;;;AU)");
    const FolderAccessList made_in_root =
        FromSddl("O:" ALICE
                 "D:AI(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)(A;OICIID;0x1200a9;;;BU)"
                 "(A;ID;0x1301bf;;;AU)(A;OICIIOID;SDGXGWGR;;;AU)");
    const FolderAccessList users = FromSddl(
        "O:SYD:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)"
        "(A;;0x1200a9;;;WD)(A;OICIIO;GXGR;;;WD)");
    const FolderAccessList profile =
        FromSddl("O:" ALICE "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" ALICE ")");
    const FolderAccessList below_profile =
        FromSddl("O:" ALICE "D:AI(A;OICIID;FA;;;SY)(A;OICIID;FA;;;BA)(A;OICIID;FA;;;" ALICE ")");
    const FolderAccessList program_files =
        FromSddl("O:" TI "D:PAI(A;;FA;;;" TI ")(A;CIIO;GA;;;" TI
                 ")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)"
                 "(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)"
                 "(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;S-1-15-2-1)(A;OICIIO;GXGR;;;S-1-15-2-1)"
                 "(A;;0x1200a9;;;S-1-15-2-2)(A;OICIIO;GXGR;;;S-1-15-2-2)");
    ASSERT_EQ(root.entries.size(), 5u);
    EXPECT_EQ(root.owner, TI);
    EXPECT_EQ(root.entries[3].sid, kSidAuthenticatedUsers);
    EXPECT_EQ(root.entries[3].flags,
              kEntryObjectInherit | kEntryContainerInherit | kEntryInheritOnly);
    EXPECT_EQ(made_in_root.entries[3].rights, kRightsModify);

    const FolderVerdict root_alone = JudgeFolderChain({root}, ALICE);
    EXPECT_EQ(root_alone.risk, FolderRisk::kWriteIn);
    EXPECT_EQ(root_alone.who, kSidAuthenticatedUsers);
    const FolderVerdict in_root = JudgeFolderChain({root, made_in_root}, ALICE);
    EXPECT_EQ(in_root.risk, FolderRisk::kReplace);
    EXPECT_TRUE(in_root.inherited);
    EXPECT_EQ(JudgeFolderChain({root, users, profile, below_profile, below_profile}, ALICE).risk,
              FolderRisk::kNone);
    EXPECT_EQ(JudgeFolderChain({root, program_files}, ALICE).risk, FolderRisk::kNone);
    // A deny the reading could not be sure of applies is left out; one it knows is kept.
    const FolderAccessList denied = FromSddl(
        "O:" ALICE "D:P(D;OICI;0x10046;;;WD)(A;OICI;FA;;;" ALICE ")(A;OICI;0x1301bf;;;AU)");
    EXPECT_FALSE(denied.entries[0].allow);
    EXPECT_EQ(JudgeFolderChain({root, users, denied}, ALICE).risk, FolderRisk::kNone);

    // AppData\LocalLow as Windows writes it out: its label (Low Mandatory Level, no-write-up,
    // handed down) read from the system list and refused; the same list labelled medium is not.
    const char* const local_low =
        "O:" ALICE "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" ALICE ")S:(ML;OICI;NW;;;LW)";
    const FolderAccessList low = FromSddl(local_low);
    ASSERT_EQ(low.labels.size(), 1u);
    EXPECT_EQ(low.labels[0].level, kLevelLow);
    EXPECT_EQ(low.labels[0].policy, kLabelNoWriteUp);
    EXPECT_EQ(low.labels[0].flags, kEntryObjectInherit | kEntryContainerInherit);
    const FolderVerdict low_verdict = JudgeFolderChain({root, users, profile, low}, ALICE);
    EXPECT_EQ(low_verdict.risk, FolderRisk::kLowLabel);
    EXPECT_EQ(low_verdict.folder, 3u);
    std::string medium_sddl = local_low;
    medium_sddl.replace(medium_sddl.find(";;;LW)"), 6, ";;;ME)");
    EXPECT_EQ(JudgeFolderChain({root, users, profile, FromSddl(medium_sddl.c_str())}, ALICE).risk,
              FolderRisk::kNone);
}

TEST(FolderAccessWin32, APrivateFolderMadeAndJudged) {
    std::vector<BYTE> user_sid = TokenUserSid();
    ASSERT_FALSE(user_sid.empty());
    const std::string user = SidText(user_sid.data());
    BuiltDescriptor built;
    ASSERT_TRUE(BuildDescriptor(PrivateFolderList(user), built));
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(&built.descriptor, &control, &revision));
    EXPECT_NE(control & SE_DACL_PROTECTED, 0);
    const FolderAccessList back = AccessListOf(&built.descriptor);
    ASSERT_EQ(back.entries.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.entries[i].sid, PrivateFolderList(user).entries[i].sid);
        EXPECT_EQ(back.entries[i].rights, kRightsFullControl);
        EXPECT_EQ(back.entries[i].flags, kEntryObjectInherit | kEntryContainerInherit);
    }

    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring top =
        std::wstring(temp) + L"アルトストラト-private-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring folder = top + L"\\a\\b";
    // Not yet there: judged as the folders MakePrivateFolder would make.
    EXPECT_FALSE(FindOthersWhoMayWrite(folder).others_can_write);
    ASSERT_TRUE(MakePrivateFolder(folder));
    EXPECT_NE(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    std::string why = "left over";
    EXPECT_FALSE(FolderOthersCanWrite(folder, why, UiLanguage::kJapanese));
    EXPECT_EQ(why, "");
    // A file on the way cannot become a folder.
    const std::wstring file = folder + L"\\file";
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    EXPECT_FALSE(MakePrivateFolder(file + L"\\c"));
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW((top + L"\\a").c_str());
    RemoveDirectoryW(top.c_str());

    // A drive that does not exist: nothing can be told, and that is said.
    const FolderFinding nowhere = FindOthersWhoMayWrite(L"Q:\\アルトストラト");
    EXPECT_TRUE(nowhere.others_can_write);
    EXPECT_TRUE(nowhere.unreadable);
    EXPECT_TRUE(FolderOthersCanWrite(L"Q:\\アルトストラト", why, UiLanguage::kJapanese));
    EXPECT_NE(why.find("Q:\\"), std::string::npos);
    EXPECT_NE(why.find(u8"読めません"), std::string::npos);
    EXPECT_TRUE(FolderOthersCanWrite(L"Q:\\アルトストラト", why, UiLanguage::kEnglish));
    EXPECT_NE(why.find("Q:\\"), std::string::npos);
    EXPECT_NE(why.find("cannot be read"), std::string::npos);
}

}  // namespace
}  // namespace altostrat
