// Editing ~/.xscreensaver against what POSIX documents of open, rename and links: the old
// file's mode is kept whatever the umask, a link stays a link and its target is replaced, and
// something already standing at a new file's name (a link to another file) is never written
// through, nor does it stop the edit; a new file left by a crash is removed once it is old.
// And against a save of xscreensaver-settings (a new file renamed over the old) made while the
// edit is under way: both the save and the edit are kept.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "linux_program/options/user_file_write.h"
#include "linux_program/options/xscreensaver_list.h"

namespace altostrat {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

fs::path FreshHome() {
    char pattern[] = "/tmp/altostrat-user-file-XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    return pattern;
}

// The editor that makes the file TEXT whatever it held.
UserFileEditor Replace(const std::string& text) {
    return [text](const std::string*, std::string& out) {
        out = text;
        return true;
    };
}

// The names in FOLDER other than the ones given.
int OtherNames(const fs::path& folder, std::initializer_list<const char*> known) {
    int others = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        others += std::find(known.begin(), known.end(), name) == known.end() ? 1 : 0;
    }
    return others;
}

TEST(UserFileWrite, KeepsTheModeAndTheLinkAndNeverWritesThroughAForeignNewFile) {
    const fs::path home = FreshHome();
    const fs::path dotfiles = home / "dotfiles";
    fs::create_directory(dotfiles);
    const fs::path target = dotfiles / "xscreensaver";
    Write(target, "mode: one\n");
    chmod(target.c_str(), 0664);
    const fs::path link = home / ".xscreensaver";
    fs::create_symlink("dotfiles/xscreensaver", link);

    const mode_t umaskBefore = umask(022);
    std::string error;
    EXPECT_EQ(EditUserFile(link.string(), 4096, Replace("mode: random\n"), error),
              UserFileEdit::kWritten)
        << error;
    umask(umaskBefore);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(target), "mode: random\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(OtherNames(dotfiles, {"xscreensaver"}), 0);
    EXPECT_EQ(OtherNames(home, {"dotfiles", ".xscreensaver"}), 0);

    // Someone's link at the name earlier versions wrote to: the edit is made all the same, and
    // the file it leads to is untouched; the link stays while it is new, as someone may be
    // about to rename it, and goes once it is old (left by a crash).
    const fs::path other = home / "other";
    Write(other, "theirs\n");
    const fs::path oldNewFile = target.string() + ".new";
    fs::create_symlink(other, oldNewFile);
    EXPECT_EQ(EditUserFile(link.string(), 4096, Replace("mode: blank\n"), error),
              UserFileEdit::kWritten)
        << error;
    EXPECT_EQ(Content(target), "mode: blank\n");
    EXPECT_EQ(Content(other), "theirs\n");
    EXPECT_TRUE(fs::is_symlink(oldNewFile));
    const timespec twoMinutesAgo[2] = {{std::time(nullptr) - 120, 0},
                                       {std::time(nullptr) - 120, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, oldNewFile.c_str(), twoMinutesAgo, AT_SYMLINK_NOFOLLOW), 0);
    EXPECT_EQ(EditUserFile(link.string(), 4096, Replace("mode: one\n"), error),
              UserFileEdit::kWritten)
        << error;
    EXPECT_FALSE(fs::exists(fs::symlink_status(oldNewFile)));
    EXPECT_EQ(Content(other), "theirs\n");

    fs::remove_all(home);
}

TEST(UserFileWrite, ASaveMadeWhileTheHackIsAddedIsKeptWithIt) {
    const fs::path home = FreshHome();
    const fs::path file = home / ".xscreensaver";
    const std::string before =
        "mode:\t\trandom\n"
        "selected:\t-1\n"
        "programs:\t\t\t\t\t\t\t\t      \\\n"
        "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
        "\t\t\t\tdeco -root\t\t\t\t    \\n\n";
    Write(file, before);
    // xscreensaver-settings saves the whole file as it last read it, with "only one" chosen,
    // into a new file renamed over the old: once, while the edit is under way.
    std::string saved = before;
    saved.replace(saved.find("random"), 6, "one");
    saved.replace(saved.find("-1"), 2, "1");
    int looks = 0;
    const auto saveMeanwhile = [&] {
        if (++looks == 1) {
            Write(home / "settings-save", saved);
            fs::rename(home / "settings-save", file);
        }
    };
    const UserFileEditor add = [](const std::string* content, std::string& text) {
        HackListEdit edit = AddToHackList(content);
        text = edit.text;
        return edit.changed;
    };
    std::string error;
    EXPECT_EQ(EditUserFile(file.string(), 4096, add, error, saveMeanwhile), UserFileEdit::kWritten)
        << error;
    EXPECT_EQ(looks, 2);
    const std::string after = Content(file);
    EXPECT_NE(after.find("mode:\t\tone\n"), std::string::npos) << after;
    EXPECT_NE(after.find("selected:\t1\n"), std::string::npos) << after;
    EXPECT_NE(after.find("deco -root"), std::string::npos) << after;
    EXPECT_NE(after.find(kXscreensaverEntry), std::string::npos) << after;
    EXPECT_EQ(OtherNames(home, {".xscreensaver"}), 0);

    fs::remove_all(home);
}

}  // namespace
}  // namespace altostrat
