#pragma once
// The security of the keeper's section, made by the keeper and judged by the host. The keeper
// makes it owned by the user, with the user alone let in, and labelled medium integrity with
// no-read-up and no-write-up, so that a process of the same user running at low integrity (a
// sandboxed browser or document viewer) can neither read the photograph nor write into it; it
// cannot make a section labelled medium either, so a section it made under the name first is
// refused by the host.

#include <windows.h>

#include "common/keeper_photograph.h"

namespace altostrat {

// The security attributes the keeper makes its section with (and its lock, its stop signal and
// their namespace, each with its own kind's full ACCESS); its descriptor is freed by the
// destructor. Before Windows Vista, which has no integrity levels, the label is left out.
struct KeeperSectionSecurity {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    SECURITY_ATTRIBUTES attributes{};

    explicit KeeperSectionSecurity(DWORD access = SECTION_ALL_ACCESS);
    ~KeeperSectionSecurity();
    KeeperSectionSecurity(const KeeperSectionSecurity&) = delete;
    KeeperSectionSecurity& operator=(const KeeperSectionSecurity&) = delete;
    bool Made() const { return descriptor != nullptr; }
};

// What SECTION's owner, access list and integrity label say (it is opened with READ_CONTROL); the
// same for the keeper's other objects.
KeeperSectionTrust ReadKeeperSectionTrust(HANDLE section);

}  // namespace altostrat
