#pragma once
// The keeper seen from the settings dialog: whether it starts at sign-in (the user's Run key holds
// an entry naming the keeper beside the host), setting that on or off, and starting it now
// (common/win32/keeper_stop.h ends it). The Run entry itself is the setting; nothing else records
// it.

#include <string>

namespace altostrat {

// The keeper beside the host (UTF-16, as the Run key and CreateProcessW take it).
std::wstring KeeperBesideHost();

// The Run entry exists and names KEEPER (compared as a file).
bool KeeperStartsAtSignIn(const std::wstring& keeper);

// Writes the entry (the quoted path) or removes it; an entry naming another copy's keeper is left
// alone when turning off. False when the registry refused.
bool SetKeeperAtSignIn(const std::wstring& keeper, bool on);

// Starts KEEPER (a second one ends at once by itself); false when it could not be started.
bool StartKeeper(const std::wstring& keeper);

}  // namespace altostrat
