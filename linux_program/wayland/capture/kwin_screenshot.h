#pragma once
// KWin's photograph of one screen, asked over the session bus through its ScreenShot2 interface
// (CaptureScreen, in the screen's own pixels, without the pointer). KWin writes the pixels into
// a pipe whose writing end goes with the call, and answers with their size and layout; nothing
// touches the disk. KWin answers only a program it trusts: one whose installed .desktop file
// (Exec naming the program's own path) lists org.kde.KWin.ScreenShot2 under
// X-KDE-DBUS-Restricted-Interfaces. Otherwise, and on any other desktop, the call fails and
// the reason says so. The pipe is read no further than the photograph's size, itself bounded by
// the output's mode (shot_pipe.h).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "linux_program/wayland/capture/shot_formats.h"

namespace altostrat {

struct KWinShot {
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
    ShotFormat format = ShotFormat::kUnknown;
    std::vector<std::uint8_t> bytes;
};

// A screen to photograph: KWin's name for it (the output's) and the longest side of the output's
// mode (0: not known), which the photograph's sides may not pass.
struct KWinScreen {
    std::string name;
    int mostSide = 0;
};

// The session bus's address: the one the environment names, else the user's bus socket
// ($XDG_RUNTIME_DIR/bus) if there is one; empty for none. (libdbus itself would fall back to
// starting a bus through X11, which a photograph must not do.)
std::string SessionBusAddress();

// Photographs each of SCREENS on one connection to the bus at ADDRESS and hands each photograph
// to TAKE with its index. Its waits end once STOP (the stop descriptor; -1: none) is readable.
// False with a reason in ERROR when not one screen could be photographed.
bool PhotographKWinScreens(const std::string& address, const std::vector<KWinScreen>& screens,
                           int stop, const std::function<void(std::size_t, const KWinShot&)>& take,
                           std::string& error);

}  // namespace altostrat
