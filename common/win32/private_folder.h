#pragma once
// The programs' folder as the user's own: whether another account of the computer may change
// what runs from it (the decision of common/folder_access.h over the access lists Windows keeps
// along the path), and making one that no one else may. The installer uses both, and the
// settings dialog may ask before it registers the keeper to start at every sign-in.
//
// A folder that does not exist yet counts as one made by MakePrivateFolder. The path is judged
// as written, each link or junction on it by its own list, and, where it runs through one, also
// as Windows resolves it. A list that cannot be read counts as one that lets others write:
// someone else's folder hides its list.

#include <string>

#include "common/folder_access.h"

namespace altostrat {

struct FolderFinding {
    bool others_can_write = false;
    bool unreadable = false;  // a list on the path could not be read (others_can_write too)
    std::wstring folder;      // the folder at fault
    std::wstring who;         // the other account's name ("NT AUTHORITY\Authenticated Users")
    FolderRisk risk = FolderRisk::kNone;  // what the other may do; kNone when unreadable
};

// Whether another account may change FOLDER or what is in it, and where and who.
FolderFinding FindOthersWhoMayWrite(const std::wstring& folder);

// The same for the settings dialog: true when another account may change FOLDER, WHY then
// saying so for the user (UTF-8, in LANGUAGE).
bool FolderOthersCanWrite(const std::wstring& folder, std::string& why, UiLanguage language);

// Makes the folders of FOLDER's path that do not exist yet, each with a protected list giving
// only the user, SYSTEM and Administrators access. False when one cannot be made; folders that
// already exist are left as they are.
bool MakePrivateFolder(const std::wstring& folder);

}  // namespace altostrat
