// The host's reading of a section's security, against sections that Windows (here Wine, which
// keeps the owner, the access list and the label of its objects) made from a descriptor: the
// keeper's own is trusted; one that lets others in, one labelled low, or one without any access
// list is not; one without a label counts as medium, as Windows counts it.
#include "common/win32/keeper_section.h"

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <string>

#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// What ReadKeeperSectionTrust finds on a new unnamed section made with ATTRIBUTES.
KeeperSectionTrust TrustOfSectionMadeWith(SECURITY_ATTRIBUTES* attributes) {
    HANDLE section =
        CreateFileMappingW(INVALID_HANDLE_VALUE, attributes, PAGE_READWRITE, 0, 4096, nullptr);
    EXPECT_NE(section, nullptr);
    const KeeperSectionTrust trust = ReadKeeperSectionTrust(section);
    CloseHandle(section);
    return trust;
}

KeeperSectionTrust TrustOfSectionMadeWith(const std::wstring& sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                                     &descriptor, nullptr))
        << Narrow(sddl);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const KeeperSectionTrust trust = TrustOfSectionMadeWith(&attributes);
    LocalFree(descriptor);
    return trust;
}

TEST(KeeperSectionSecurity, OnlyTheUsersOwnMediumSectionIsTrusted) {
    KeeperSectionSecurity keepers;
    ASSERT_TRUE(keepers.Made());
    const KeeperSectionTrust own = TrustOfSectionMadeWith(&keepers.attributes);
    EXPECT_TRUE(own.ownerIsUser);
    EXPECT_TRUE(own.onlyUserLetIn);
    EXPECT_TRUE(own.labelAtLeastMedium);

    const std::wstring user = TokenUserSidText();
    ASSERT_FALSE(user.empty());
    const std::wstring owned = L"O:" + user + L"D:P(A;;0xf001f;;;" + user + L")";
    const KeeperSectionTrust everyoneReads =
        TrustOfSectionMadeWith(owned.substr(0, owned.size() - 1) + L")(A;;0x4;;;WD)");
    EXPECT_FALSE(everyoneReads.onlyUserLetIn);
    const KeeperSectionTrust low = TrustOfSectionMadeWith(owned + L"S:(ML;;NW;;;LW)");
    EXPECT_TRUE(low.onlyUserLetIn);
    EXPECT_FALSE(low.labelAtLeastMedium);
    const KeeperSectionTrust unlabelled = TrustOfSectionMadeWith(owned);
    EXPECT_TRUE(unlabelled.labelAtLeastMedium);
    const KeeperSectionTrust open = TrustOfSectionMadeWith(L"O:" + user + L"D:NO_ACCESS_CONTROL");
    EXPECT_FALSE(open.onlyUserLetIn);
}

}  // namespace
}  // namespace altostrat
