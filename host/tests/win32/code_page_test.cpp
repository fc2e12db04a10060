// The code page 932 table against the system's own conversion, character by character.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/utf8.h"
#include "host/text/cp932.h"

namespace altostrat {
namespace {

std::u16string SystemDecode(const std::string& bytes) {
    wchar_t out[8] = {};
    const int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), out, 8);
    return std::u16string(out, out + n);
}

std::string SystemEncode(char16_t unit) {
    const wchar_t in[1] = {static_cast<wchar_t>(unit)};
    char out[8] = {};
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, in, 1, out, 8, nullptr, &usedDefault);
    return usedDefault ? std::string() : std::string(out, n);
}

TEST(CodePage932, EverySingleByteAndEveryPairDecodesAsWindowsDecodesIt) {
    int differences = 0;
    for (int byte = 0; byte < 0x100; ++byte) {
        if (IsCp932LeadByte(static_cast<unsigned char>(byte))) {
            continue;
        }
        const std::string bytes(1, static_cast<char>(byte));
        if (Utf8ToUtf16(Cp932ToUtf8(bytes)) != SystemDecode(bytes) && ++differences < 10) {
            ADD_FAILURE() << "byte " << std::hex << byte;
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC && IsCp932LeadByte(static_cast<unsigned char>(lead));
             ++trail) {
            if (!IsCp932TrailByte(static_cast<unsigned char>(trail))) {
                continue;
            }
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            if (Utf8ToUtf16(Cp932ToUtf8(bytes)) != SystemDecode(bytes) && ++differences < 10) {
                ADD_FAILURE() << "pair " << std::hex << lead << " " << trail;
            }
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(CodePage932, EveryBasicPlaneCharacterEncodesAsWindowsEncodesIt) {
    int differences = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        std::string ours;
        if (!Cp932Bytes(c, ours)) {
            ours.clear();
        }
        if (ours != SystemEncode(static_cast<char16_t>(c)) && ++differences < 10) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace altostrat
