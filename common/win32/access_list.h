#pragma once
// Access lists between Windows' form and the portable one common/folder_access.h judges: a
// folder's owner, entries and mandatory label read as written out, and a protected security
// descriptor built from portable entries to make a folder with. An entry of a kind this reading
// does not know might grant anything: it is read as Everyone's full control. A conditional deny
// may not apply: it is left out. A label that cannot be read is read as untrusted.
//
// A folder is opened by its own name without following it: where the name is a junction or a
// symbolic link, what is read is the link's own list (GetNamedSecurityInfoW would follow it and
// read its target's), and the list is read through that handle.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/folder_access.h"

namespace altostrat {

// SID written out ("S-1-5-18"); empty when it is no valid SID.
std::string SidText(PSID sid);

// The mandatory labels of SACL, a system list; a label that cannot be read is read as untrusted.
std::vector<MandatoryLabel> MandatoryLabelsOf(PACL sacl);

// The owner, the access list and the mandatory labels of DESCRIPTOR.
FolderAccessList AccessListOf(PSECURITY_DESCRIPTOR descriptor);

// FOLDER's owner, access list and label, and whether it is a link; nothing when they cannot be
// read, with Windows' reason in ERROR (ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND when there
// is no such folder).
std::optional<FolderAccessList> ReadFolderAccessList(const std::wstring& folder, DWORD& error);

// A security descriptor holding a list's entries, marked protected so that nothing is
// inherited, and no owner (the maker's). It points into itself: built in place, never copied.
struct BuiltDescriptor {
    SECURITY_DESCRIPTOR descriptor{};
    std::vector<BYTE> acl;
    BuiltDescriptor() = default;
    BuiltDescriptor(const BuiltDescriptor&) = delete;
    BuiltDescriptor& operator=(const BuiltDescriptor&) = delete;
};

// Fills OUT from LIST's entries; false when a SID cannot be read or Windows refuses the list.
bool BuildDescriptor(const FolderAccessList& list, BuiltDescriptor& out);

}  // namespace altostrat
