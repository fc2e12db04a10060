#pragma once
// The photograph the keeper holds: the whole virtual screen copied 1:1 by the screen's own copy
// straight into a named section of the session that only the user may open, never into a file.

#include <windows.h>

#include <cstdint>
#include <string>

namespace altostrat {

struct HeldPhotograph {
    HANDLE section = nullptr;
    std::uint8_t* view = nullptr;
};

// Drops what is held and photographs the virtual screen into a new section of that NAME
// (keeper_names.h; "" when there is none). False (and nothing held) when the section cannot be
// made private to the user, already exists (made by someone else, or the old one still open in a
// host), or the copy fails.
bool TakeAndHold(HeldPhotograph& held, const std::wstring& name, std::uint32_t tick);
// Whether the host has marked the held photograph taken.
bool HostTookIt(const HeldPhotograph& held);
// Lets the photograph go: the section ends once the host, if it has it open, closes it too.
void Drop(HeldPhotograph& held);

}  // namespace altostrat
