#include "host/settings/ini_encoding.h"

#include "common/utf8.h"
#include "host/text/cp932.h"

namespace altostrat {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return units;
}

std::string Utf16Bytes(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

IniText DecodeIniFile(std::string_view bytes) {
    IniText ini;
    if (StartsWith(bytes, kUtf8Mark)) {
        ini.form = IniFileForm::kUtf8Bom;
        ini.text.assign(bytes.substr(kUtf8Mark.size()));
    } else if (StartsWith(bytes, kUtf16LeMark)) {
        ini.form = IniFileForm::kUtf16LeBom;
        ini.text = Utf16ToUtf8(Utf16Units(bytes.substr(kUtf16LeMark.size()), false));
    } else if (StartsWith(bytes, kUtf16BeMark)) {
        ini.form = IniFileForm::kUtf16BeBom;
        ini.text = Utf16ToUtf8(Utf16Units(bytes.substr(kUtf16BeMark.size()), true));
    } else {
        ini.text.assign(bytes);
    }
    return ini;
}

std::string EncodeIniFile(const IniText& ini) {
    switch (ini.form) {
        case IniFileForm::kUtf8Bom:
            return std::string(kUtf8Mark) + ini.text;
        case IniFileForm::kUtf16LeBom:
            return std::string(kUtf16LeMark) + Utf16Bytes(Utf8ToUtf16(ini.text), false);
        case IniFileForm::kUtf16BeBom:
            return std::string(kUtf16BeMark) + Utf16Bytes(Utf8ToUtf16(ini.text), true);
        case IniFileForm::kCp932:
            break;
    }
    return ini.text;
}

IniText AsUtf16Le(IniText ini) {
    if (ini.form == IniFileForm::kCp932) {
        ini.text = Cp932ToUtf8(ini.text);
    }
    ini.form = IniFileForm::kUtf16LeBom;
    return ini;
}

IniCharset CharsetOf(IniFileForm form) {
    return form == IniFileForm::kCp932 ? IniCharset::kCp932 : IniCharset::kUtf8;
}

}  // namespace altostrat
