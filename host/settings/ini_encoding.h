#pragma once
// The settings file is Shift-JIS without a byte-order mark while code page 932 holds everything
// written into it, so existing files keep every byte. A value it cannot hold (or holds only in
// more bytes than its reader gives back, see ini_file.h) turns the whole file into UTF-16LE with a
// byte-order mark, the Unicode form the Windows profile functions read and write themselves; it
// never turns back, which would cost the values that needed it. A file that a user saved from an
// editor as UTF-8 or UTF-16 with a byte-order mark is read as the Windows profile functions read
// Unicode files, and written back in its own form, so that an edit by the program never garbles
// the rest of it.

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

// The same text as a UTF-16LE file with a byte-order mark; Shift-JIS is converted character by
// character as the reader sees it, so every entry reads as before.
IniText AsUtf16Le(IniText ini);

IniCharset CharsetOf(IniFileForm form);

}  // namespace altostrat
