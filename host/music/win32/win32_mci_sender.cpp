#include "host/music/win32/win32_mci_sender.h"

#include <windows.h>
// After <windows.h>: the multimedia declarations need its types.
#include <mmsystem.h>

#include <vector>

#include "common/win32/wide_text.h"
#include "host/music/music.h"

// <mmsystem.h> maps PlaySound to PlaySoundA or PlaySoundW; here it is the interface's method, and
// the wide function is called by its own name.
#undef PlaySound

namespace altostrat {

// The portable flags are Windows' own numbers, passed on unchanged.
static_assert(kSndAsync == SND_ASYNC && kSndNoDefault == SND_NODEFAULT && kSndLoop == SND_LOOP &&
                  kSndFileName == SND_FILENAME,
              "PlaySound flags");

namespace {

// The text in BUFFER up to its first NUL, as UTF-8.
std::string TextUpToNul(const std::vector<wchar_t>& buffer) {
    std::size_t length = 0;
    while (length < buffer.size() && buffer[length] != L'\0') {
        ++length;
    }
    return Narrow(std::wstring_view(buffer.data(), length));
}

}  // namespace

std::int32_t Win32MciSender::SendString(std::string_view command, std::string* reply,
                                        std::size_t replyCapacity) {
    const std::wstring wideCommand = Wide(command);
    if (reply == nullptr || replyCapacity == 0) {
        return static_cast<std::int32_t>(mciSendStringW(wideCommand.c_str(), nullptr, 0, nullptr));
    }
    std::vector<wchar_t> buffer(replyCapacity, L'\0');
    const MCIERROR code = mciSendStringW(wideCommand.c_str(), buffer.data(),
                                         static_cast<UINT>(buffer.size()), nullptr);
    *reply = TextUpToNul(buffer);
    return static_cast<std::int32_t>(code);
}

bool Win32MciSender::ErrorString(std::int32_t code, std::string& text, std::size_t textCapacity) {
    if (textCapacity == 0) {
        return false;
    }
    std::vector<wchar_t> buffer(textCapacity, L'\0');
    if (!mciGetErrorStringW(static_cast<MCIERROR>(code), buffer.data(),
                            static_cast<UINT>(buffer.size()))) {
        return false;
    }
    text = TextUpToNul(buffer);
    return true;
}

bool Win32MciSender::PlaySound(std::string_view fileName, std::uint32_t flags) {
    if (fileName.empty()) {
        return PlaySoundW(nullptr, nullptr, flags) != FALSE;
    }
    const std::wstring wideName = Wide(fileName);
    return PlaySoundW(wideName.c_str(), nullptr, flags) != FALSE;
}

std::uint32_t Win32MciSender::WaveDeviceCount() {
    return waveOutGetNumDevs();
}

}  // namespace altostrat
