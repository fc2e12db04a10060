#pragma once
// The settings dialog Altostrat_P as a Windows window, shown modally without an owner.

#include "host/host_state.h"

namespace altostrat {

// Shows the dialog and returns when it has closed; the settings file is written only by "設定".
int ShowSettingsDialog(HostState& state);

}  // namespace altostrat
