// Replacing ~/.xscreensaver against what POSIX documents of open, rename and links: the old
// file's mode is kept whatever the umask, a link stays a link and its target is replaced, and
// something already standing at the new file's name (a link to another file) is never written
// through.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "linux_program/options/user_file_write.h"

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

TEST(UserFileWrite, KeepsTheModeAndTheLinkAndNeverWritesThroughAForeignNewFile) {
    char pattern[] = "/tmp/altostrat-user-file-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path home = pattern;
    const fs::path dotfiles = home / "dotfiles";
    fs::create_directory(dotfiles);
    const fs::path target = dotfiles / "xscreensaver";
    Write(target, "mode: one\n");
    chmod(target.c_str(), 0664);
    const fs::path link = home / ".xscreensaver";
    fs::create_symlink("dotfiles/xscreensaver", link);

    const mode_t umaskBefore = umask(022);
    std::string error;
    EXPECT_TRUE(ReplaceUserFile(link.string(), "mode: random\n", error)) << error;
    umask(umaskBefore);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Content(target), "mode: random\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_FALSE(fs::exists(target.string() + ".new"));
    EXPECT_FALSE(fs::exists(home / ".xscreensaver.new"));

    // Someone's link at the new file's name: refused, and the file it leads to untouched.
    const fs::path other = home / "other";
    Write(other, "theirs\n");
    fs::create_symlink(other, target.string() + ".new");
    EXPECT_FALSE(ReplaceUserFile(link.string(), "mode: blank\n", error));
    EXPECT_NE(error.find(".new"), std::string::npos) << error;
    EXPECT_EQ(Content(other), "theirs\n");
    EXPECT_EQ(Content(target), "mode: random\n");

    fs::remove_all(home);
}

}  // namespace
}  // namespace altostrat
