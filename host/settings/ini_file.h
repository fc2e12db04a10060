#pragma once
// ReadIni and WriteIni: the host's only access to its settings file. Arguments and results are
// UTF-8; the file keeps its own encoding (Shift-JIS unless it carries a byte-order mark) until a
// write needs a character or a length Shift-JIS cannot give back, and is UTF-16 from then on
// (ini_encoding.h).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/settings/ini_encoding.h"

namespace altostrat {

// A longer file is not a settings file: it reads as empty and is never rewritten.
constexpr std::size_t kMaxIniFileBytes = 16 * 1024 * 1024;

// A value is cut to this many bytes of Shift-JIS (UTF-16 units in a Unicode file), as the
// 256-unit buffer of the profile function cuts it; a character is never split.
constexpr std::size_t kMaxIniValueLength = 255;

// Whether some form of the file gives VALUE back whole: well-formed UTF-8 free of line ends and
// NUL, of at most kMaxIniValueLength UTF-16 units. No form gives back more: Shift-JIS takes at
// least one byte for each unit.
bool IniKeepsWhole(std::string_view value);

// The form a file in FORM takes to hold SECTION, KEY and a VALUE it keeps whole: its own, except
// that a Shift-JIS file turns UTF-16LE where code page 932 lacks a character of them, or where the
// value takes more than kMaxIniValueLength bytes there.
IniFileForm FormHolding(IniFileForm form, std::string_view section, std::string_view key,
                        std::string_view value);

// The value of KEY in SECTION of FILE_NAME; "" when the file, section or key is missing or the
// file cannot be read.
std::string ReadIni(std::string_view section, std::string_view key, std::string_view fileName);

// Sets KEY in SECTION of FILE_NAME to VALUE, creating the file or section when missing and
// leaving everything else in the file as it was, in the form FormHolding gives. The file is
// replaced whole (see ReplaceFileContents), never left half-written. False, with the file
// untouched, when it exists but cannot be read, when the names cannot be written (see
// IsWritable... in ini_text.h), when the value would not read back whole (IniKeepsWhole), or
// when the write fails.
bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
              std::string_view fileName);

// The same two over the bytes of a file held in memory (WriteIniToBytes of a missing file
// starts from no bytes). Nothing from WriteIniToBytes when the write is refused.
std::string ReadIniFromBytes(std::string_view fileBytes, std::string_view section,
                             std::string_view key);
std::optional<std::string> WriteIniToBytes(std::string_view fileBytes, std::string_view section,
                                           std::string_view key, std::string_view value);

// ReadIni over a file already decoded, for a reader of several keys.
std::string ReadIniValue(const IniText& ini, std::string_view section, std::string_view key);

}  // namespace altostrat
