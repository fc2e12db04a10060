#pragma once
// Access lists between Windows' form and the portable one common/folder_access.h judges: a
// folder's owner and entries read as written out, and a protected security descriptor built from
// portable entries to make a folder with. An entry of a kind this reading does not know might
// grant anything: it is read as Everyone's full control. A conditional deny may not apply: it is
// left out.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/folder_access.h"

namespace altostrat {

// SID written out ("S-1-5-18"); empty when it is no valid SID.
std::string SidText(PSID sid);

// The owner and the access list of DESCRIPTOR.
FolderAccessList AccessListOf(PSECURITY_DESCRIPTOR descriptor);

// FOLDER's owner and access list; nothing when they cannot be read, with Windows' reason in
// ERROR (ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND when there is no such folder).
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
