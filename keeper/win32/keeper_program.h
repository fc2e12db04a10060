#pragma once
// The keeper's whole state, owned by its entry point: the decision's state, the photograph it
// holds, and the host whose choice as the screensaver it watches for.

#include <windows.h>

#include <string>

#include "keeper/keeper_decision.h"
#include "keeper/win32/held_photograph.h"

namespace altostrat {

struct KeeperProgram {
    KeeperState decision;
    HeldPhotograph held;
    std::wstring hostPath;
};

// One look around and what the decision says, carried out.
void StepKeeperProgram(KeeperProgram& program);

// The hidden window that steps the keeper once a second and ends it with the session or on
// WM_CLOSE; nullptr when it cannot be made.
HWND CreateKeeperWindow(HINSTANCE instance, KeeperProgram& program);

}  // namespace altostrat
