// The user's list of hacks, over texts laid out as Debian's xscreensaver 6.06 writes them: its
// app-defaults file (the excerpt below is copied from /etc/X11/app-defaults/XScreenSaver-nogl)
// and a ~/.xscreensaver as its settings program saves one.
#include <gtest/gtest.h>

#include <string>

#include "renderer/x11/xscreensaver_list.h"

namespace altostrat {
namespace {

const std::string kSystemDefaults =
    "*dpmsOff:\t\t4:00:00\n"
    "*programs:\t\t\t\t\t\t\t\t      \\\n"
    "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n"
    "- GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n"
    "\t\t\t\tattraction --root\t\t\t    \\n\\\n"
    "- GL: \t\t\t\tsquirtorus --root\t\t\t    \\n\n"
    "\n"
    "*hacks.xrayswarm.name:  XRaySwarm\n";

const std::string kUserFile =
    "# XScreenSaver Preferences File\n"
    "timeout:\t0:10:00\n"
    "mode:\t\trandom\n"
    "programs:\t\t\t\t\t\t\t\t      \\\n"
    "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n"
    "-\t\t\t\tqix --root\t\t\t\t    \\n\\\n"
    "  GL: \t\t\t\tpipes --root\t\t\t\t    \\n\n"
    "\n"
    "pointerHysteresis:  10\n";

// How often the text holds the part.
int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(XscreensaverList, WithoutAFileTheSystemListIsKeptAndTheEntryAddedOnce) {
    const HackListEdit added = AddToHackList(nullptr, kSystemDefaults);
    ASSERT_TRUE(added.changed);
    // Every hack of the system's list, with its own line as it was, in the user's resource.
    for (const char* line : {"\t\t\t\tmaze --root\t\t\t\t    \\n\\\n",
                             "- GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n",
                             "\t\t\t\tattraction --root\t\t\t    \\n\\\n",
                             "- GL: \t\t\t\tsquirtorus --root\t\t\t    \\n\n"}) {
        EXPECT_EQ(Count(added.text, line), 1) << line;
    }
    EXPECT_EQ(Count(added.text, "\nprograms:"), 1);
    EXPECT_EQ(Count(added.text, "*programs"), 0);
    EXPECT_EQ(Count(added.text, "dpmsOff"), 0);
    // Enabled (no leading "-"), inside the resource: right after its first line.
    EXPECT_EQ(Count(added.text, "\\\n\t\t\t\taltostrat --root\t\t\t\t    \\n\\\n\t\t\t\tmaze"), 1);

    const HackListEdit again = AddToHackList(&added.text, kSystemDefaults);
    EXPECT_FALSE(again.changed);
    EXPECT_EQ(again.text, added.text);
}

TEST(XscreensaverList, AnExistingFileKeepsEveryOtherLineAndRemovalRestoresIt) {
    const HackListEdit added = AddToHackList(&kUserFile, kSystemDefaults);
    ASSERT_TRUE(added.changed);
    const std::string entry = "\t\t\t\taltostrat --root\t\t\t\t    \\n\\\n";
    EXPECT_EQ(Count(added.text, entry), 1);
    // Taking our one line out by hand gives the user's file back, byte for byte.
    std::string without = added.text;
    without.erase(without.find(entry), entry.size());
    EXPECT_EQ(without, kUserFile);
    EXPECT_FALSE(AddToHackList(&added.text, kSystemDefaults).changed);

    const HackListEdit removed = RemoveFromHackList(added.text);
    EXPECT_TRUE(removed.changed);
    EXPECT_EQ(removed.text, kUserFile);
    EXPECT_FALSE(RemoveFromHackList(kUserFile).changed);
}

TEST(XscreensaverList, UnusualListsStayWellFormed) {
    // A switched-off entry is switched on again; nothing is added beside it.
    const std::string off = "programs:\t\\\n-\t\taltostrat --root   \\n\\\n  maze --root \\n\n";
    EXPECT_EQ(AddToHackList(&off, kSystemDefaults).text,
              "programs:\t\\\n\t\taltostrat --root   \\n\\\n  maze --root \\n\n");

    // The whole list on the name's line, as a hand-written file may have it.
    const std::string oneLine = "mode: one\nprograms: maze --root \\n\nselected: 0\n";
    const HackListEdit added = AddToHackList(&oneLine, kSystemDefaults);
    EXPECT_EQ(added.text,
              "mode: one\nprograms:\t\t\t\t\t\t\t\t      \\\n\t\t\t\taltostrat --root\t\t\t\t    "
              "\\n\\\n maze --root \\n\nselected: 0\n");

    // Our entry last: the line before it ends the resource once it is gone.
    const std::string last =
        "programs: \\\n  maze --root \\n\\\n  /usr/bin/altostrat --root --fps \\n\nlock: False";
    EXPECT_EQ(RemoveFromHackList(last).text, "programs: \\\n  maze --root \\n\nlock: False");

    // A file with other settings and no list of its own gets the system's list at its end.
    const std::string noList = "lock: True";
    const HackListEdit appended = AddToHackList(&noList, kSystemDefaults);
    EXPECT_EQ(appended.text.rfind("lock: True\nprograms:", 0), 0u);
    EXPECT_EQ(Count(appended.text, "altostrat --root"), 1);
    EXPECT_EQ(Count(appended.text, "squirtorus"), 1);
}

}  // namespace
}  // namespace altostrat
