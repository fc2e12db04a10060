#include "host/settings/ini_file.h"

#include <utility>

#include "common/file_bytes.h"
#include "common/utf8.h"
#include "host/settings/ini_encoding.h"
#include "host/settings/ini_text.h"
#include "host/text/cp932.h"

namespace altostrat {

namespace {

// The longest start of a Shift-JIS text that fits LIMIT bytes without splitting a character.
std::string_view CutCp932(std::string_view s, std::size_t limit) {
    std::size_t i = 0;
    while (i < s.size()) {
        const bool pair = IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() &&
                          IsCp932TrailByte(static_cast<unsigned char>(s[i + 1]));
        const std::size_t next = i + (pair ? 2 : 1);
        if (next > limit) {
            break;
        }
        i = next;
    }
    return s.substr(0, i);
}

// The longest start of a UTF-8 text that fits LIMIT UTF-16 units without splitting a character,
// malformed bytes replaced.
std::string CutUtf8(std::string_view s, std::size_t limit) {
    std::string out;
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        const char32_t c = NextUtf8(s, pos);
        units += c >= 0x10000 ? 2 : 1;
        if (units > limit) {
            break;
        }
        AppendUtf8(out, c);
    }
    return out;
}

bool FitsCp932(std::string_view text, std::size_t limit) {
    const std::optional<std::string> bytes = Utf8ToCp932Exactly(text);
    return bytes && bytes->size() <= limit;
}

// A UTF-8 name or value in the file's own encoding; nothing when it cannot be held there.
std::optional<std::string> InFileEncoding(std::string_view text, IniCharset charset) {
    if (charset == IniCharset::kCp932) {
        return Utf8ToCp932Exactly(text);
    }
    if (!IsValidUtf8(text)) {
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace

bool IniKeepsWhole(std::string_view value) {
    return IsValidUtf8(value) && IsWritableValue(value) &&
           Utf8ToUtf16(value).size() <= kMaxIniValueLength;
}

IniFileForm FormHolding(IniFileForm form, std::string_view section, std::string_view key,
                        std::string_view value) {
    if (form != IniFileForm::kCp932) {
        return form;  // every Unicode form holds any character
    }
    const std::size_t any = std::string_view::npos;
    return FitsCp932(section, any) && FitsCp932(key, any) && FitsCp932(value, kMaxIniValueLength)
               ? form
               : IniFileForm::kUtf16LeBom;
}

std::string ReadIniFromBytes(std::string_view fileBytes, std::string_view section,
                             std::string_view key) {
    return ReadIniValue(DecodeIniFile(fileBytes), section, key);
}

std::string ReadIniValue(const IniText& ini, std::string_view section, std::string_view key) {
    const IniCharset charset = CharsetOf(ini.form);
    const std::optional<std::string> fileSection = InFileEncoding(section, charset);
    const std::optional<std::string> fileKey = InFileEncoding(key, charset);
    if (!fileSection || !fileKey) {
        return "";
    }
    const std::optional<std::string> value =
        FindIniValue(ini.text, *fileSection, *fileKey, charset);
    if (!value) {
        return "";
    }
    if (charset == IniCharset::kCp932) {
        return Cp932ToUtf8(CutCp932(*value, kMaxIniValueLength));
    }
    return CutUtf8(*value, kMaxIniValueLength);
}

std::optional<std::string> WriteIniToBytes(std::string_view fileBytes, std::string_view section,
                                           std::string_view key, std::string_view value) {
    if (!IniKeepsWhole(value)) {
        return std::nullopt;  // a value that reads back cut or changed is not saved
    }
    IniText ini = DecodeIniFile(fileBytes);
    if (FormHolding(ini.form, section, key, value) != ini.form) {
        ini = AsUtf16Le(std::move(ini));
    }
    const IniCharset charset = CharsetOf(ini.form);
    const std::optional<std::string> fileSection = InFileEncoding(section, charset);
    const std::optional<std::string> fileKey = InFileEncoding(key, charset);
    const std::optional<std::string> fileValue = InFileEncoding(value, charset);
    if (!fileSection || !fileKey || !fileValue || !IsWritableSectionName(*fileSection, charset) ||
        !IsWritableKeyName(*fileKey, charset)) {
        return std::nullopt;
    }
    ini.text = SetIniValue(ini.text, *fileSection, *fileKey, *fileValue, charset);
    return EncodeIniFile(ini);
}

std::string ReadIni(std::string_view section, std::string_view key, std::string_view fileName) {
    const FileReadResult file = ReadWholeFile(fileName, kMaxIniFileBytes);
    if (file.status != FileReadStatus::kRead) {
        return "";
    }
    return ReadIniFromBytes(file.Text(), section, key);
}

bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
              std::string_view fileName) {
    const FileReadResult file = ReadWholeFile(fileName, kMaxIniFileBytes);
    if (file.status != FileReadStatus::kRead && file.status != FileReadStatus::kMissing) {
        return false;  // an unreadable file must not be replaced by one that lacks its contents
    }
    const std::optional<std::string> updated = WriteIniToBytes(file.Text(), section, key, value);
    return updated && ReplaceFileContents(fileName, *updated);
}

}  // namespace altostrat
