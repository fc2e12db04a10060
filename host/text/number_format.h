#pragma once
// The two ways the host writes a number as text.

#include <string>

namespace altostrat {

// With a leading blank where a minus sign would stand: " 5", " 0", "-5". This is how the
// settings file holds its numbers ("BGM区分= 2").
std::string NumberWithSignSpace(long value);

// Plain digits, but nothing at all for zero: "", "5", "-5". The repeat-track list shows its
// "no repeat" entry this way.
std::string NumberOrEmpty(long value);

}  // namespace altostrat
