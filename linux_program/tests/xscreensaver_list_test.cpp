// The user's list of hacks, over texts laid out as Debian's xscreensaver 6.06 writes them: a
// ~/.xscreensaver as its settings program saves one. The expected "selected:" numbers follow
// xscreensaver's reading of the file: the user's entries in their order, then the hacks of the
// system's list that the user's list does not name (the scenario under xscreensaver checks the
// same against the real program).
#include <gtest/gtest.h>

#include <string>

#include "linux_program/options/xscreensaver_list.h"

namespace altostrat {
namespace {

const std::string kUserFile =
    "# XScreenSaver Preferences File\n"
    "timeout:\t0:10:00\n"
    "mode:\t\tone\n"
    "selected:\t1\n"
    "programs:\t\t\t\t\t\t\t\t      \\\n"
    "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n"
    "-\t\t\t\tqix --root\t\t\t\t    \\n\\\n"
    "\t\t\t\tqix --root -solid -segments 100\t\t\t      \\\n"
    "\t\t\t\t  -linear\t\t\t\t    \\n\\\n"
    "  GL: \t\t\t\tpipes --root\t\t\t\t    \\n\n"
    "\n"
    "pointerHysteresis:  10\n";

const std::string kEntry = "\t\t\t\taltostrat --root\t\t\t\t    \\n";

// How often the text holds the part.
int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(XscreensaverList, WithoutAFileOnlyOurEntryIsWrittenAndTheSystemListIsLeftToXscreensaver) {
    const HackListEdit added = AddToHackList(nullptr);
    ASSERT_TRUE(added.changed);
    // One resource, one entry, enabled, and no other setting: nothing of the system's frozen.
    EXPECT_EQ(Count(added.text, "programs:"), 1);
    EXPECT_EQ(Count(added.text, "\\n"), 1);
    EXPECT_EQ(Count(added.text, "\\\n" + kEntry + "\n"), 1);
    for (const char* setting : {"mode", "selected", "timeout", "grabDesktopImages", "maze"}) {
        EXPECT_EQ(Count(added.text, setting), 0) << setting;
    }
    EXPECT_FALSE(AddToHackList(&added.text).changed);
    const HackListEdit removed = RemoveFromHackList(added.text);
    EXPECT_TRUE(removed.changed);
    EXPECT_EQ(Count(removed.text, "altostrat --root"), 0);
}

TEST(XscreensaverList, AddingAppendsOneEntryAndRemovalRestoresTheFile) {
    const HackListEdit added = AddToHackList(&kUserFile);
    ASSERT_TRUE(added.changed);
    // The list's last line continues to our entry; every other byte is the user's. The qix
    // entry over two lines counts once: "selected: 1" still names the switched-off qix.
    EXPECT_EQ(added.text, Replaced(kUserFile, "pipes --root\t\t\t\t    \\n\n",
                                   "pipes --root\t\t\t\t    \\n\\\n" + kEntry + "\n"));
    EXPECT_FALSE(AddToHackList(&added.text).changed);

    const HackListEdit removed = RemoveFromHackList(added.text);
    EXPECT_TRUE(removed.changed);
    EXPECT_EQ(removed.text, kUserFile);
    EXPECT_FALSE(RemoveFromHackList(kUserFile).changed);
}

TEST(XscreensaverList, SelectedNamesTheSameCommandAfterAddingAndRemoving) {
    struct Case {
        const char* what;
        std::string before;
        bool add;
        std::string selectedAfter;
    };
    const std::string list =
        "programs: \\\n  maze --root \\n\\\n  altostrat --root \\n\\\n  qix --root \\n\n";
    const Case cases[] = {
        // The user's own four entries (qix counts once): a choice among them stays.
        {"first place, add", Replaced(kUserFile, "selected:\t1", "selected:\t0"), true,
         "selected:\t0\n"},
        {"last own entry, add", Replaced(kUserFile, "selected:\t1", "selected:\t3"), true,
         "selected:\t3\n"},
        // A hack xscreensaver appended from the system's list comes after ours now.
        {"system hack, add", Replaced(kUserFile, "selected:\t1", "selected:\t4"), true,
         "selected:\t5\n"},
        // Without a list of the user's, the system's list follows ours.
        {"no list, add", "mode: one\nselected: 0\n", true, "selected: 1\n"},
        {"no selection, add", "mode: random\n", true, ""},
        {"after ours, remove", "selected: 2\n" + list, false, "selected: 1\n"},
        {"before ours, remove", "selected: 0\n" + list, false, "selected: 0\n"},
        {"ours, remove", "selected: 1\n" + list, false, "selected: -1\n"},
    };
    for (const Case& c : cases) {
        const HackListEdit edit = c.add ? AddToHackList(&c.before) : RemoveFromHackList(c.before);
        EXPECT_TRUE(edit.changed) << c.what;
        const std::size_t at = edit.text.find("selected:");
        const std::string selected =
            at == std::string::npos ? "" : edit.text.substr(at, edit.text.find('\n', at) - at + 1);
        EXPECT_EQ(selected, c.selectedAfter) << c.what;
    }
}

TEST(XscreensaverList, UnusualListsStayWellFormed) {
    // A switched-off entry is switched on again, in its place; nothing is added beside it.
    const std::string off = "programs:\t\\\n-\t\taltostrat --root   \\n\\\n  maze --root \\n\n";
    EXPECT_EQ(AddToHackList(&off).text,
              "programs:\t\\\n\t\taltostrat --root   \\n\\\n  maze --root \\n\n");

    // Entries sharing one physical line: only our own "-" goes, never another entry's option;
    // switched on, a second add finds it on and changes nothing.
    const std::string shared = "programs: xlock -nolock \\n -altostrat --root \\n\n";
    const HackListEdit on = AddToHackList(&shared);
    EXPECT_TRUE(on.changed);
    EXPECT_EQ(on.text, "programs: xlock -nolock \\n altostrat --root \\n\n");
    const HackListEdit again = AddToHackList(&on.text);
    EXPECT_FALSE(again.changed);
    EXPECT_EQ(again.text, on.text);

    // The whole list on the name's line, its last entry without "\n": ours after it.
    const std::string oneLine = "mode: one\nprograms: maze --root\nselected: 0\n";
    EXPECT_EQ(AddToHackList(&oneLine).text,
              "mode: one\nprograms: maze --root \\n\\\n" + kEntry + "\nselected: 0\n");

    // Our entries last: the line before them ends the resource once they are gone.
    const std::string last =
        "programs: \\\n  maze --root \\n\\\n  /usr/bin/altostrat --root --fps \\n\\\n"
        "- altostrat --root \\n\nlock: False";
    EXPECT_EQ(RemoveFromHackList(last).text, "programs: \\\n  maze --root \\n\nlock: False");

    // A file with other settings and no list gets a list of ours alone at its end.
    const std::string noList = "lock: True";
    const HackListEdit appended = AddToHackList(&noList);
    EXPECT_EQ(appended.text, "lock: True\n\nprograms:\t\t\t\t\t\t\t\t      \\\n" + kEntry + "\n");
}

}  // namespace
}  // namespace altostrat
