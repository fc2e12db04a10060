#pragma once
// The music procedures' multimedia calls carried out by Windows: MCI command strings and their
// error texts, the system sound player and the count of wave output devices.

#include "host/music/mci_sender.h"

namespace altostrat {

class Win32MciSender final : public MciSender {
  public:
    std::int32_t SendString(std::string_view command, std::string* reply,
                            std::size_t replyCapacity) override;
    bool ErrorString(std::int32_t code, std::string& text, std::size_t textCapacity) override;
    bool PlaySound(std::string_view fileName, std::uint32_t flags) override;
    std::uint32_t WaveDeviceCount() override;
};

}  // namespace altostrat
