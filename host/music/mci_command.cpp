// The command-string calls every music procedure goes through. Replies are read up to their first
// NUL from a 512-character buffer, error texts from a 256-character one; a code that Windows has no
// text for still gives a text, so a caller never sees an empty reply for a failure.

#include "host/music/music.h"

namespace altostrat {

namespace {

constexpr std::size_t kReplyCapacity = 512;
constexpr std::size_t kErrorTextCapacity = 256;

}  // namespace

std::int32_t MciCommand(MciSender& sender, std::string_view command, std::string& replyText) {
    if (command.empty()) {
        replyText = u8"コマンド文字列が指定されていません";
        return -1;
    }
    std::string reply;
    const std::int32_t code = sender.SendString(command, &reply, kReplyCapacity);
    if (code != 0) {
        std::string errorText;
        if (sender.ErrorString(code, errorText, kErrorTextCapacity)) {
            replyText = errorText;
        } else {
            replyText = u8"Error (文字列が取れません)";
        }
        return code;
    }
    replyText = reply;
    return 0;
}

std::string MciStatus(MciSender& sender, MusicState& state, std::string_view command) {
    const std::int32_t code = MciCommand(sender, command, state.MciResult);
    if (code != 0) {
        // "Error:" is what CheckCD looks for: every failure must carry it.
        return "Error:" + std::to_string(code);
    }
    return state.MciResult;
}

std::int32_t MciPlay(MciSender& sender, MusicState& state, std::string_view device,
                     std::string_view from, std::string_view to) {
    std::string command = "play ";
    command += device;
    if (!from.empty()) {
        command += " from ";
        command += from;
    }
    if (!to.empty()) {
        command += " to ";
        command += to;
    }
    return MciCommand(sender, command, state.MciResult);
}

}  // namespace altostrat
