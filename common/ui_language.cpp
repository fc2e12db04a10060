#include "common/ui_language.h"

namespace altostrat {
namespace {

// The primary language of a name: the letters before its first '-' or '_', lower-cased.
std::string PrimaryLanguage(const std::string& name) {
    std::string primary;
    for (char c : name) {
        if (c == '-' || c == '_') {
            break;
        }
        primary += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return primary;
}

}  // namespace

UiLanguage LanguageForPreferred(const std::vector<std::string>& preferred) {
    for (const std::string& name : preferred) {
        const std::string primary = PrimaryLanguage(name);
        if (primary == "ja") {
            return UiLanguage::kJapanese;
        }
        if (primary == "en") {
            return UiLanguage::kEnglish;
        }
    }
    return UiLanguage::kEnglish;
}

}  // namespace altostrat
