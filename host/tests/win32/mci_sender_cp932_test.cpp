// The Windows sender against the system's own ANSI functions, under the Japanese code page: the
// wide calls with their UTF-16 to UTF-8 step must give the texts that the ANSI calls give in
// Shift-JIS, cut where the system cuts them.
#include <windows.h>
// After <windows.h>: the multimedia declarations need its types.
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "host/music/music.h"
#include "host/music/win32/win32_mci_sender.h"
#include "host/text/cp932.h"

namespace altostrat {
namespace {

std::string AnsiErrorText(MCIERROR code) {
    char text[256] = {};
    EXPECT_TRUE(mciGetErrorStringA(code, text, sizeof text));
    return Cp932ToUtf8(text);
}

TEST(Win32MciSenderTest, RepliesAndErrorTextsAsTheAnsiCallsGiveThem) {
    Win32MciSender mci;
    MusicState state;

    char ansiReply[512] = {};
    ASSERT_EQ(mciSendStringA("sysinfo all quantity", ansiReply, sizeof ansiReply, nullptr), 0u);
    EXPECT_EQ(MciStatus(mci, state, "sysinfo all quantity"), ansiReply);

    // No CD drive here: the device cannot be opened.
    const std::int32_t code = MciCommand(mci, "open cdaudio", state.MciResult);
    ASSERT_NE(code, 0);
    EXPECT_EQ(state.MciResult, AnsiErrorText(static_cast<MCIERROR>(code)));
    EXPECT_NE(state.MciResult.find_first_of("\x80\xFF"), std::string::npos) << "Japanese text";
    EXPECT_EQ(MciStatus(mci, state, "status cdaudio mode").rfind("Error:", 0), 0u);

    // A short buffer holds as many UTF-16 units as fit before its NUL.
    std::string cut;
    ASSERT_TRUE(mci.ErrorString(code, cut, 4));
    wchar_t wide[4] = {};
    ASSERT_TRUE(mciGetErrorStringW(static_cast<MCIERROR>(code), wide, 4));
    EXPECT_EQ(std::wstring(wide).size(), 3u);
    EXPECT_EQ(state.MciResult.rfind(cut, 0), 0u);
    EXPECT_LT(cut.size(), state.MciResult.size());
}

}  // namespace
}  // namespace altostrat
