#include "keeper/win32/held_photograph.h"

#include <cstring>
#include <vector>

#include "common/keeper_photograph.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// A descriptor whose owner is the user and whose access list lets the user alone in: the
// desktop's picture is as private as the user's own files.
struct UserOnly {
    std::vector<BYTE> sid;
    std::vector<BYTE> acl;
    SECURITY_DESCRIPTOR descriptor{};
    SECURITY_ATTRIBUTES attributes{};
};

bool MakeUserOnly(UserOnly& u) {
    u.sid = TokenUserSid();
    if (u.sid.empty()) {
        return false;
    }
    u.acl.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + u.sid.size());
    PACL acl = reinterpret_cast<PACL>(u.acl.data());
    if (!InitializeAcl(acl, static_cast<DWORD>(u.acl.size()), ACL_REVISION) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, SECTION_ALL_ACCESS, u.sid.data()) ||
        !InitializeSecurityDescriptor(&u.descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorOwner(&u.descriptor, u.sid.data(), FALSE) ||
        !SetSecurityDescriptorDacl(&u.descriptor, TRUE, acl, FALSE)) {
        return false;
    }
    u.attributes.nLength = sizeof u.attributes;
    u.attributes.lpSecurityDescriptor = &u.descriptor;
    u.attributes.bInheritHandle = FALSE;
    return true;
}

ScreenRect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The screen copied as the host copies it (the screen's DC, SRCCOPY) into top-down 32-bit rows
// at OUT. False when the copy fails.
bool CopyScreen(const ScreenRect& screen, std::uint8_t* out) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = screen.Width();
    info.bmiHeader.biHeight = -screen.Height();  // negative: the top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture == nullptr) {
        return false;
    }
    HDC pictureDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(pictureDC, picture);
    HDC screenDC = GetDC(nullptr);
    const bool copied = BitBlt(pictureDC, 0, 0, screen.Width(), screen.Height(), screenDC,
                               screen.left, screen.top, SRCCOPY) != FALSE;
    ReleaseDC(nullptr, screenDC);
    GdiFlush();
    if (copied) {
        std::memcpy(out, bits, static_cast<std::size_t>(screen.Width()) * screen.Height() * 4);
    }
    SelectObject(pictureDC, previous);
    DeleteDC(pictureDC);
    DeleteObject(picture);
    return copied;
}

}  // namespace

bool TakeAndHold(HeldPhotograph& held, std::uint32_t tick) {
    Drop(held);
    const ScreenRect screen = VirtualScreen();
    const std::size_t size = KeeperSectionSize(screen);
    UserOnly userOnly;
    if (size == 0 || !MakeUserOnly(userOnly)) {
        return false;
    }
    const std::uint64_t size64 = size;
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, &userOnly.attributes, PAGE_READWRITE,
                                        static_cast<DWORD>(size64 >> 32),
                                        static_cast<DWORD>(size64 & 0xFFFFFFFFu),
                                        Wide(kKeeperPhotographName).c_str());
    if (section == nullptr) {
        return false;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Someone else's section under our name: never fill it, never vouch for it.
        CloseHandle(section);
        return false;
    }
    held.section = section;
    held.view = static_cast<std::uint8_t*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, size));
    if (held.view == nullptr || !CopyScreen(screen, held.view + kKeeperHeaderSize)) {
        Drop(held);
        return false;
    }
    // The magic goes in last: until then a host reads the section as not a photograph.
    KeeperHeader header = MakeKeeperHeader(screen, tick);
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
