#include <gtest/gtest.h>

#include "common/file_bytes.h"
#include "host/tests/test_folder.h"
#include "host/text/paths.h"

namespace altostrat {
namespace {

using testing::TestFolder;

TEST(FolderOfPath, KeepsEverythingUpToTheLastColonOrBackslash) {
    EXPECT_EQ(FolderOfPath("C:\\Music\\song.mp3"), "C:\\Music");
    EXPECT_EQ(FolderOfPath("C:\\song.mp3"), "C:");
    EXPECT_EQ(FolderOfPath("C:song.mp3"), "C:");
    EXPECT_EQ(FolderOfPath("song.mp3"), "");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\a.wav"), "\\\\server\\share");
    EXPECT_EQ(FolderOfPath("C:\\"), "C:");
    EXPECT_EQ(FolderOfPath(""), "");
    EXPECT_EQ(FolderOfPath("C:\\Music\\"), "C:\\Music");
    EXPECT_EQ(FolderOfPath("\\"), "");
    EXPECT_EQ(FolderOfPath(u8"D:\\音楽\\ソ\\曲.mp3"), u8"D:\\音楽\\ソ");
}

TEST(SettingsPath, IsTheIniBesideTheProgram) {
    EXPECT_EQ(SettingsPath("C:\\Saver"), u8"C:\\Saver\\アルトストラト.ini");
    EXPECT_EQ(SettingsPath("C:"), u8"C:\\アルトストラト.ini");
}

TEST(FileExists, TrueOnlyForSomethingThatOpensForReading) {
    TestFolder folder;
    folder.Write("a.mp3", "ID3");
    folder.Write(u8"曲ソ.wav", "RIFF");
    folder.MakeFolder("Music");
    EXPECT_TRUE(FileExists(folder.File("a.mp3")));
    EXPECT_TRUE(FileExists(folder.File("a.mp3") + "\\"));  // one trailing backslash is dropped
    EXPECT_TRUE(FileExists(folder.File(u8"曲ソ.wav")));
    EXPECT_FALSE(FileExists(folder.File("a.mp3") + "\\\\"));
    EXPECT_FALSE(FileExists(folder.File("missing.mp3")));
    EXPECT_FALSE(FileExists(folder.File("Music")));
    EXPECT_FALSE(FileExists(folder.path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("\\"));
    EXPECT_FALSE(FileExists("\xFF\xFE"));  // a malformed path is simply not there
}

TEST(ReadWholeFile, TellsMissingFromUnreadableAndKeepsToItsLimit) {
    TestFolder folder;
    folder.Write("small", std::string("a\0b", 3));
    folder.Write("large", std::string(200000, 'x'));
    folder.MakeFolder("dir");

    FileReadResult result = ReadWholeFile(folder.File("small"), 100);
    EXPECT_EQ(result.status, FileReadStatus::kRead);
    EXPECT_EQ(result.Text(), std::string_view("a\0b", 3));

    result = ReadWholeFile(folder.File("large"), 200000);
    EXPECT_EQ(result.status, FileReadStatus::kRead);
    EXPECT_EQ(result.size, 200000u);

    result = ReadWholeFile(folder.File("large"), 199999);
    EXPECT_EQ(result.status, FileReadStatus::kTooLarge);
    EXPECT_EQ(result.data, nullptr);

    EXPECT_EQ(ReadWholeFile(folder.File("none"), 100).status, FileReadStatus::kMissing);
    EXPECT_EQ(ReadWholeFile(folder.File("dir"), 100).status, FileReadStatus::kUnreadable);
}

TEST(ReplaceFileContents, ReplacesWholeAndLeavesNoTemporaryFile) {
    TestFolder folder;
    const std::string name = u8"アルトストラト.ini";
    ASSERT_TRUE(ReplaceFileContents(folder.File(name), "first"));
    EXPECT_EQ(folder.Read(name), "first");
    ASSERT_TRUE(ReplaceFileContents(folder.File(name), "second, longer"));
    ASSERT_TRUE(ReplaceFileContents(folder.File(name), "3rd"));
    EXPECT_EQ(folder.Read(name), "3rd");
    EXPECT_EQ(folder.Listing(), name + "\n");
}

TEST(ReplaceFileContents, AFailedReplaceLeavesTheOldStateAndNoTemporaryFile) {
    TestFolder folder;
    folder.MakeFolder("target");  // a folder cannot be replaced by a file
    EXPECT_FALSE(ReplaceFileContents(folder.File("target"), "x"));
    EXPECT_EQ(folder.Listing(), "target\n");
    EXPECT_FALSE(ReplaceFileContents(folder.File("no-such-folder") + "/x.ini", "x"));
    EXPECT_EQ(folder.Listing(), "target\n");
}

}  // namespace
}  // namespace altostrat
