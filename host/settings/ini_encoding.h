#pragma once
// The settings file is Shift-JIS without a byte-order mark, as the program writes it. A file
// that a user saved from an editor as UTF-8 or UTF-16 with a byte-order mark is read as the
// Windows profile functions read Unicode files, and written back in its own form, so that an
// edit by the program never garbles the rest of it.

#include <string>
#include <string_view>

#include "host/settings/ini_text.h"

namespace altostrat {

enum class IniFileForm { kCp932, kUtf8Bom, kUtf16LeBom, kUtf16BeBom };

struct IniText {
    IniFileForm form = IniFileForm::kCp932;
    std::string text;  // Shift-JIS bytes for Cp932, UTF-8 otherwise (without the mark)
};

// Never fails: a file without a known mark is Shift-JIS; a malformed UTF-16 unit becomes
// U+FFFD and an odd last byte is dropped.
IniText DecodeIniFile(std::string_view bytes);

std::string EncodeIniFile(const IniText& ini);

IniCharset CharsetOf(IniFileForm form);

}  // namespace altostrat
