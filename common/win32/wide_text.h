#pragma once
// UTF-8 inside the host, UTF-16 at the wide Windows entry points.

#include <windows.h>

#include <string>
#include <string_view>

namespace altostrat {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace altostrat
