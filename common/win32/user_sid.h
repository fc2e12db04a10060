#pragma once
// Who this program runs as, for the private memory the keeper shares with the host: the
// section is made with the user as its owner and the only one let in, and the host uses a
// section only when this user owns it; and for the host's run folders, made private to the user
// and swept only when this user owns them. One rule of ownership serves both.

#include <windows.h>

#include <aclapi.h>

#include <string>
#include <vector>

namespace altostrat {

// The SID of the process token's user; empty when it cannot be read.
std::vector<BYTE> TokenUserSid();

// The same as text, "S-1-5-21-...", for security descriptors written in SDDL; "" when it cannot
// be read.
std::wstring TokenUserSidText();

// Whether OBJECT (a file or folder, or a kernel object such as a section, by TYPE) is owned by
// this user: its owner is the token's user, or the owner the token gives to what it makes (an
// administrator's may be the Administrators group rather than the user). False when either
// cannot be read.
bool OwnedByThisUser(HANDLE object, SE_OBJECT_TYPE type);

}  // namespace altostrat
