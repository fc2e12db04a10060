#pragma once
// Who this program runs as, for the private memory the keeper shares with the host: the
// section is made with the user as its owner and the only one let in, and the host uses a
// section only when its owner is that same user; and for the host's run folders, made private to
// the user and swept only when the user owns them.

#include <windows.h>

#include <vector>

namespace altostrat {

// The SID of the process token's user; empty when it cannot be read.
std::vector<BYTE> TokenUserSid();

// The SID the process token gives as owner to the objects it makes (an administrator's may be the
// Administrators group rather than the user); empty when it cannot be read.
std::vector<BYTE> TokenOwnerSid();

// Whether OBJECT's owner (as GetSecurityInfo reports it) is the process token's user. False
// when either cannot be read.
bool OwnedByTokenUser(HANDLE object);

}  // namespace altostrat
