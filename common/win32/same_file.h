#pragma once
// Whether two paths name one file: Windows may keep a path as a short 8.3 name, in another letter
// case, or through another spelling of its folders, so paths are compared as the files they open.

#include <string>

namespace altostrat {

// The same volume and file index; false when either cannot be opened.
bool SameFile(const std::wstring& a, const std::wstring& b);

}  // namespace altostrat
