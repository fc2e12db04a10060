#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ui_language.h"

namespace altostrat {
namespace {

// The first language of the user's list that the programs speak decides; a list with none of
// them, or an empty one, gives English. Names count by their primary language in any case.
TEST(UiLanguageTest, TheFirstLanguageWeSpeakInTheUsersOrderDecides) {
    const UiLanguage ja = UiLanguage::kJapanese;
    const UiLanguage en = UiLanguage::kEnglish;
    const struct {
        std::vector<std::string> preferred;
        UiLanguage expected;
    } rows[] = {
        {{"ja-JP"}, ja},
        {{"ja"}, ja},
        {{"JA-jp"}, ja},
        {{"ja_JP"}, ja},
        {{"en-US"}, en},
        {{"en-GB", "ja-JP"}, en},
        {{"ja-JP", "en-US"}, ja},
        {{"de-DE", "ja-JP", "en-US"}, ja},  // German first, which we lack: Japanese next
        {{"de-DE", "en-US", "ja-JP"}, en},
        {{"de-DE"}, en},
        {{"zh-CN"}, en},
        {{"jav-ID"}, en},  // Javanese: a name beginning with "ja" is not Japanese
        {{""}, en},
        {{}, en},
    };
    for (const auto& row : rows) {
        std::string list;
        for (const std::string& name : row.preferred) {
            list += name + ";";
        }
        EXPECT_EQ(LanguageForPreferred(row.preferred), row.expected) << list;
    }
}

}  // namespace
}  // namespace altostrat
