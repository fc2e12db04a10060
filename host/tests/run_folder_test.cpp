// The run's picture folder over an in-memory file system that behaves as Windows does: a folder
// is made only where nothing exists, a file held open without sharing cannot be deleted, a
// folder goes only when empty. The names and rules checked are the ones the host documents for
// its folders in the user's temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/agreement.h"
#include "host/run_folder/run_folder.h"
#include "host/tests/fake_run_files.h"

namespace altostrat {
namespace {

using testing::FakeRunFiles;
using Lines = std::vector<std::string>;
using Node = FakeRunFiles::Node;

const std::string kTemp = "C:\\Users\\u\\AppData\\Local\\Temp\\";

TEST(RunFolder, IsAFreshFolderOfItsOwnWhateverLiesInTheWay) {
    {  // Nothing in the way: the first name, its lock taken before anything else.
        Lines log;
        FakeRunFiles files;
        files.log = &log;
        const RunFolder folder = MakeRunFolder(files);
        EXPECT_TRUE(folder.made);
        EXPECT_EQ(folder.path, kTemp + "Altostrat-77-0");
        EXPECT_EQ(log, (Lines{"mkdir " + kTemp + "Altostrat-77-0",
                              "lock " + kTemp + "Altostrat-77-0\\Altostrat.lock"}));
        RemoveRunFolder(files, folder);
        EXPECT_EQ(files.nodes.size(), 1u);  // the temporary folder alone
    }
    {  // A file, a link and a folder of someone else's under the next names are left alone.
        Lines log;
        FakeRunFiles files;
        files.Add(kTemp + "Altostrat-77-0");
        files.Add(kTemp + "Altostrat-77-1", Node{true, true, false});
        files.Add(kTemp + "Altostrat-77-2", Node{true, false, false});
        files.log = &log;
        const RunFolder folder = MakeRunFolder(files);
        EXPECT_EQ(folder.path, kTemp + "Altostrat-77-3");
        EXPECT_EQ(log.size(), 2u);
    }
    {  // The lock cannot be had: each folder made is removed again, and the run does without.
        Lines log;
        FakeRunFiles files;
        files.lockFails = true;
        files.log = &log;
        const RunFolder folder = MakeRunFolder(files);
        EXPECT_FALSE(folder.made);
        EXPECT_EQ(files.nodes.size(), 1u);
        EXPECT_EQ(log.size(), 2 * kRunFolderAttempts);
    }
    {  // No temporary folder: nothing made, and the renderer is pointed where no file can be.
        FakeRunFiles files;
        files.nodes.clear();
        const RunFolder folder = MakeRunFolder(files);
        EXPECT_FALSE(folder.made);
        EXPECT_NE(folder.path.find('*'), std::string::npos) << folder.path;
        EXPECT_TRUE(files.nodes.empty());
        RemoveRunFolder(files, folder);  // nothing to remove, nothing touched
        EXPECT_TRUE(files.nodes.empty());
    }
}

TEST(RunFolder, TheSweepTakesOnlyLeftoversOfItsOwnNamesAndNeverGoesThroughALink) {
    FakeRunFiles files;
    const auto leftover = [&](const std::string& name, bool lockHeld) {
        const std::string folder = kTemp + name;
        files.Add(folder, Node{true, false, false});
        files.Add(folder + "\\Altostrat.lock", Node{false, false, lockHeld});
        for (int role = 1; role <= 3; ++role) {
            files.Add(folder + "\\" + CapturePictureName(static_cast<CapturePicture>(role)));
        }
    };
    leftover("Altostrat-5-0", false);  // a crashed run: goes whole
    leftover("Altostrat-4294967295-15", false);
    leftover("Altostrat-6-0", true);  // a run still running: stays whole
    files.Add(kTemp + "Altostrat-9-0", Node{true, false, false});  // no lock: goes, but only
    files.Add(kTemp + "Altostrat-9-0\\Altostrat2.bmp");            // its plain files
    files.Add(kTemp + "Altostrat-9-0\\inner", Node{true, false, false});
    files.Add(kTemp + "Altostrat-9-0\\inner\\keep.txt");
    files.Add(kTemp + "Altostrat-9-0\\link.bmp", Node{false, true, false});
    // A junction of our name: what lies behind it is someone else's.
    files.Add(kTemp + "Altostrat-7-0", Node{true, true, false});
    files.Add(kTemp + "Altostrat-7-0\\Altostrat.lock");
    files.Add(kTemp + "Altostrat-7-0\\Altostrat2.bmp");
    for (const char* other : {"altostrat-8-0", "Altostrat-8-0x", "Altostrat--0", "Altostrat-8-",
                              "Altostrat-12345678901-0", "Altostrat-8", "XAltostrat-8-0"}) {
        files.Add(kTemp + other, Node{true, false, false});
        files.Add(kTemp + other + "\\Altostrat2.bmp");
    }
    files.Add(kTemp + "Altostrat-8-1");  // a plain file of our name
    const auto before = files.nodes;

    SweepRunFolders(files);

    std::vector<std::string> gone;
    for (const auto& [path, node] : before) {
        if (!files.Exists(path)) {
            gone.push_back(path.substr(kTemp.size()));
        }
    }
    EXPECT_EQ(gone, (Lines{
                        "Altostrat-4294967295-15",
                        "Altostrat-4294967295-15\\Altostrat.lock",
                        "Altostrat-4294967295-15\\Altostrat1.bmp",
                        "Altostrat-4294967295-15\\Altostrat2.bmp",
                        "Altostrat-4294967295-15\\Altostrat3.bmp",
                        "Altostrat-5-0",
                        "Altostrat-5-0\\Altostrat.lock",
                        "Altostrat-5-0\\Altostrat1.bmp",
                        "Altostrat-5-0\\Altostrat2.bmp",
                        "Altostrat-5-0\\Altostrat3.bmp",
                        "Altostrat-9-0\\Altostrat2.bmp",
                    }));
}

TEST(RunFolder, TheSweepWorksThroughWhatItOpenedAndTakesNothingOfALiveRunOrOfAnyOtherName) {
    FakeRunFiles files;
    const auto leftover = [&](const std::string& name, bool lockHeld) {
        const std::string folder = kTemp + name;
        files.Add(folder, Node{true, false, false});
        files.Add(folder + "\\Altostrat.lock", Node{false, false, lockHeld});
        for (int role = 1; role <= 3; ++role) {
            files.Add(folder + "\\" + CapturePictureName(static_cast<CapturePicture>(role)));
        }
    };
    // Listed as a plain folder, then swapped for a junction before the sweep opens it: what the
    // junction leads to (here the same names) is someone else's and stays.
    leftover("Altostrat-3-0", false);
    files.becomeLinksAfterListing.push_back(kTemp + "Altostrat-3-0");
    // A run still running: its lock held, its pictures in use by the flight.
    leftover("Altostrat-6-0", true);
    // A crashed run's folder with a file of another name: only the run's four names go.
    leftover("Altostrat-5-0", false);
    files.Add(kTemp + "Altostrat-5-0\\notes.txt");
    const auto before = files.nodes;

    SweepRunFolders(files);

    std::vector<std::string> gone;
    for (const auto& [path, node] : before) {
        if (!files.Exists(path)) {
            gone.push_back(path.substr(kTemp.size()));
        }
    }
    EXPECT_EQ(gone, (Lines{
                        "Altostrat-5-0\\Altostrat.lock",
                        "Altostrat-5-0\\Altostrat1.bmp",
                        "Altostrat-5-0\\Altostrat2.bmp",
                        "Altostrat-5-0\\Altostrat3.bmp",
                    }));
    EXPECT_TRUE(files.sweepLocks.empty());  // its own lock let go
    EXPECT_TRUE(files.opened.empty());
}

}  // namespace
}  // namespace altostrat
