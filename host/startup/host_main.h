#pragma once
// Main: the host's start-up, from the single-instance test to the hand-over to a mode. The
// platform work goes through HostPlatform, so the order of steps can be checked without Windows.

#include <string_view>

#include "common/agreement.h"
#include "host/host_state.h"

namespace altostrat {

class HostPlatform {
  public:
    virtual ~HostPlatform() = default;
    // A top-level window of one of our programs with exactly this class and title exists, hidden
    // windows included; another program's window of the same names does not count.
    virtual bool WindowExists(std::string_view className, std::string_view title) = 0;
    // Removes the picture folders that earlier runs left behind and no running host holds.
    virtual void SweepRunFolders() = 0;
    virtual void LoadSettings(HostState& state) = 0;
    // Shows (true) or hides (false) the mouse cursor; gives the new display count.
    virtual int ShowCursor(bool show) = 0;
    // The three modes. Each returns when its mode has ended, with the process exit code.
    virtual int RunPreview(HostState& state) = 0;
    virtual int RunSettingsDialog(HostState& state) = 0;
    virtual int RunSaver(HostState& state) = 0;
};

// Runs the start-up for state.arguments and gives the exit code. Whatever way a saver run ends,
// a cursor that was hidden for it is shown again before Main returns.
int Main(HostState& state, HostPlatform& platform);

// Hides the cursor for a saver run.
void HideCursorForSaver(HostState& state, HostPlatform& platform);

// Shows the cursor again if HideCursorForSaver hid it and it has not been shown since. Safe to
// call on every way out.
void RestoreCursor(HostState& state, HostPlatform& platform);

}  // namespace altostrat
