#include "keeper/win32/held_photograph.h"

#include "common/keeper_photograph.h"
#include "common/win32/keeper_section.h"
#include "common/win32/screen_reading.h"

namespace altostrat {

bool TakeAndHold(HeldPhotograph& held, const std::wstring& name, std::uint32_t tick) {
    Drop(held);
    const ScreenLayout layout = ReadScreenLayout();
    const std::size_t size = KeeperSectionSize(layout.virtualScreen);
    KeeperSectionSecurity security;
    if (size == 0 || !security.Made() || name.empty()) {
        return false;
    }
    const std::uint64_t size64 = size;
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, &security.attributes, PAGE_READWRITE,
                                        static_cast<DWORD>(size64 >> 32),
                                        static_cast<DWORD>(size64 & 0xFFFFFFFFu), name.c_str());
    if (section == nullptr) {
        return false;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Someone else's section under our name: never fill it, never vouch for it.
        CloseHandle(section);
        return false;
    }
    held.section = section;
    // The header first, zero until the magic: the screen's copy then lands behind it in place.
    held.view = static_cast<std::uint8_t*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0));
    if (held.view == nullptr ||
        !CopyScreenInto(layout.virtualScreen, section, static_cast<DWORD>(kKeeperHeaderSize))) {
        Drop(held);
        return false;
    }
    // The magic goes in last: until then a host reads the section as not a photograph.
    KeeperHeader header = MakeKeeperHeader(layout, tick);
    const std::uint32_t magic = header.magic;
    header.magic = 0;
    WriteKeeperHeader(header, held.view);
    MemoryBarrier();
    InterlockedExchange(reinterpret_cast<volatile LONG*>(held.view), static_cast<LONG>(magic));
    return true;
}

bool HostTookIt(const HeldPhotograph& held) {
    if (held.view == nullptr) {
        return false;
    }
    volatile LONG* taken = reinterpret_cast<volatile LONG*>(held.view + kKeeperTakenOffset);
    return InterlockedCompareExchange(taken, 0, 0) != 0;
}

void Drop(HeldPhotograph& held) {
    if (held.view != nullptr) {
        UnmapViewOfFile(held.view);
        held.view = nullptr;
    }
    if (held.section != nullptr) {
        CloseHandle(held.section);
        held.section = nullptr;
    }
}

}  // namespace altostrat
