#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/startup/command_line.h"
#include "host/startup/start_decision.h"

namespace altostrat {
namespace {

TEST(ArgumentsOf, SkipsTheProgramPathQuotedOrNotAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentsOf(u8"\"C:\\Program Files\\アルトストラト.scr\" /p 1234"), "/p 1234");
    EXPECT_EQ(ArgumentsOf(u8"C:\\WINDOWS\\アルトストラト.scr /s"), "/s");
    EXPECT_EQ(ArgumentsOf("x.scr \t /c:1234  "), "/c:1234  ");
    EXPECT_EQ(ArgumentsOf("\"x.scr\"/s"), "/s");
    EXPECT_EQ(ArgumentsOf("x.scr"), "");
    EXPECT_EQ(ArgumentsOf("\"x.scr\""), "");
    EXPECT_EQ(ArgumentsOf("\"C:\\a b\\x.scr"), "");  // unclosed quote: all of it is the path
    EXPECT_EQ(ArgumentsOf(""), "");
}

// Command lines as Windows builds them from a screen saver registered by its long path: the path
// is not quoted, so a folder name with a blank would otherwise end it early and the mode letter
// would come from the path ("Yamada\..." gives "A").
TEST(ArgumentsOf, SkipsTheProgramsOwnPathWithBlanksWhenGivenTheModulePath) {
    const std::string longPath =
        u8"C:\\Users\\Taro Yamada\\AppData\\Local\\Programs\\"
        u8"アルトストラト\\アルトストラト.scr";
    const std::string shortPath =
        "C:\\Users\\TAROYA~1\\AppData\\Local\\Programs\\1F2C~1\\1F2C~1.SCR";
    const std::vector<std::string> forms = {longPath, shortPath};
    EXPECT_EQ(ArgumentsOf(longPath + " /s", forms), "/s");
    EXPECT_EQ(ArgumentsOf(longPath + " /p 1234", forms), "/p 1234");
    EXPECT_EQ(ArgumentsOf(longPath, forms), "");
    EXPECT_EQ(ArgumentsOf("\"" + longPath + "\" /c:99", forms), "/c:99");
    EXPECT_EQ(ArgumentsOf(shortPath + " /s", forms), "/s");
    // Letter case of the path does not matter to Windows, nor here.
    EXPECT_EQ(ArgumentsOf(u8"c:\\users\\taro yamada\\appdata\\local\\programs\\"
                          u8"アルトストラト\\アルトストラト.SCR /s",
                          forms),
              "/s");
    // Given relative to the current folder C:\Users.
    EXPECT_EQ(ArgumentsOf(u8"Taro Yamada\\AppData\\Local\\Programs\\アルトストラト\\"
                          u8"アルトストラト.scr /s",
                          forms),
              "/s");
    // A path that only begins like ours is not ours: the blank rule applies.
    EXPECT_EQ(ModeLetter(ArgumentsOf(longPath + "x /s", forms)), "A");
    // Without the module's path: the path ends at the first blank, as before.
    EXPECT_EQ(ModeLetter(ArgumentsOf(longPath + " /s")), "A");
}

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
    EXPECT_EQ(ModeLetter("/s"), "S");
    EXPECT_EQ(ModeLetter("-S"), "S");
    EXPECT_EQ(ModeLetter("xs"), "S");
    EXPECT_EQ(ModeLetter("/p 1234"), "P");
    EXPECT_EQ(ModeLetter("/c:1234"), "C");
    EXPECT_EQ(ModeLetter("s"), "");
    EXPECT_EQ(ModeLetter(""), "");
    EXPECT_EQ(ModeLetter(u8"／ｓ"), u8"ｓ");  // full-width: a character, but no mode letter
    EXPECT_EQ(ModeLetter(u8"ア/s"), "/");     // the first character counts as one, whatever size
}

TEST(PreviewParentOf, ReadsTheNumberFromTheFourthCharacterOn) {
    EXPECT_EQ(PreviewParentOf("/p 1234"), 1234);
    EXPECT_EQ(PreviewParentOf("/P:1234"), 1234);
    EXPECT_EQ(PreviewParentOf("xp 1234"), 1234);
    EXPECT_EQ(PreviewParentOf("/p   12 34"), 1234);
    EXPECT_EQ(PreviewParentOf("/p &H4D2"), 1234);
    EXPECT_EQ(PreviewParentOf("/p 4294967295"), -1);  // handle written unsigned
    EXPECT_EQ(PreviewParentOf("/p"), 0);
    EXPECT_EQ(PreviewParentOf("/p "), 0);
    EXPECT_EQ(PreviewParentOf("/p1234"), 234);  // the third character is skipped, whatever it is
    EXPECT_EQ(PreviewParentOf("/p 99999999999"), 0);
    EXPECT_EQ(PreviewParentOf(u8"/pア12"), 12);
}

struct Row {
    const char* arguments;
    const char* letter;
    StartMode mode;
    bool folderAndSettings;
    bool cursorHidden;
};

TEST(DecideStart, FollowsTheModeTable) {
    const Row rows[] = {
        {"/p 1234", "P", StartMode::kPreview, false, false},
        {"/p", "P", StartMode::kPreview, false, false},
        {"/c", "C", StartMode::kSettings, true, false},
        {"/c:1234", "C", StartMode::kSettings, true, false},
        {"/s", "S", StartMode::kSaver, true, true},
        {"/S", "S", StartMode::kSaver, true, true},
        {"-s", "S", StartMode::kSaver, true, true},
        {"xs", "S", StartMode::kSaver, true, true},
        {"", "", StartMode::kSettings, true, false},  // Explorer's "Configure"
        {"/a", "A", StartMode::kEnd, true, false},
        {"/x", "X", StartMode::kEnd, true, false},
        {"s", "", StartMode::kEnd, true, false},
        {" ", "", StartMode::kEnd, true, false},
    };
    for (const Row& row : rows) {
        const StartDecision decision = DecideStart(row.arguments);
        EXPECT_EQ(decision.letter, row.letter) << row.arguments;
        EXPECT_EQ(decision.mode, row.mode) << row.arguments;
        EXPECT_EQ(decision.sweepsRunFolders, row.folderAndSettings) << row.arguments;
        EXPECT_EQ(decision.loadsSettings, row.folderAndSettings) << row.arguments;
        EXPECT_EQ(decision.hidesCursor, row.cursorHidden) << row.arguments;
    }
    EXPECT_EQ(DecideStart("/p 1234").previewParent, 1234);
    EXPECT_EQ(DecideStart("/c:1234").previewParent, 0);  // the settings handle is not read
}

}  // namespace
}  // namespace altostrat
