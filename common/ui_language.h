#pragma once
// The language a Windows program speaks to its user. The programs carry two: the design's
// Japanese, which a Japanese Windows shows exactly as the design gives it, and English for every
// other Windows. The choice follows the user's preferred display languages in the user's order,
// as Windows' own resource loader follows them: the first of them the programs speak wins, so a
// user who put German first and Japanese second reads Japanese, and one with no language of
// ours at all reads English.

#include <string>
#include <vector>

namespace altostrat {

enum class UiLanguage { kEnglish, kJapanese };

// PREFERRED: language names in the user's order, as Windows gives them ("ja-JP", "en-US",
// "ja", any case). A name counts by its primary language alone.
UiLanguage LanguageForPreferred(const std::vector<std::string>& preferred);

}  // namespace altostrat
