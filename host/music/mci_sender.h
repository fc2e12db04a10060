#pragma once
// The seam between the music procedures and the Windows multimedia calls. The procedures decide
// which command strings go out and in what order; the Windows layer only carries them out, so a
// recording fake can check the whole conversation.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace altostrat {

class MciSender {
  public:
    virtual ~MciSender() = default;
    // mciSendString: sends the command; when replyCapacity > 0, reply receives the reply text up
    // to its first NUL (the buffer holds replyCapacity characters). Gives the MCI error code.
    virtual std::int32_t SendString(std::string_view command, std::string* reply,
                                    std::size_t replyCapacity) = 0;
    // mciGetErrorString into a buffer of textCapacity characters; false when the code has no text.
    virtual bool ErrorString(std::int32_t code, std::string& text, std::size_t textCapacity) = 0;
    // PlaySound with a file name (empty name: stop the looping sound) and the given flags.
    virtual bool PlaySound(std::string_view fileName, std::uint32_t flags) = 0;
    virtual std::uint32_t WaveDeviceCount() = 0;
};

}  // namespace altostrat
