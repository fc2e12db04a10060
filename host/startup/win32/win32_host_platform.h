#pragma once
// The host's start-up steps carried out by Windows.

#include "host/startup/host_main.h"

namespace altostrat {

class Win32HostPlatform : public HostPlatform {
  public:
    bool WindowExists(std::string_view className, std::string_view title) override;
    void SweepRunFolders() override;
    void LoadSettings(HostState& state) override;
    int ShowCursor(bool show) override;
    int RunPreview(HostState& state) override;
    int RunSettingsDialog(HostState& state) override;
    int RunSaver(HostState& state) override;
};

}  // namespace altostrat
