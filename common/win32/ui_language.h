#pragma once
// The language the user reads, from Windows' list of the user's preferred display languages.

#include "common/ui_language.h"

namespace altostrat {

// Asked once at a program's start; the program speaks it until it ends.
UiLanguage UserUiLanguage();

}  // namespace altostrat
