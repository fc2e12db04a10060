// The reader over the public bitmap test suite, against what Windows' own conversion gives for
// each file (expected.tsv beside the suite; see EXPECTED.md there).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "flight/bitmap/dib_image.h"
#include "flight/tests/dib_test_files.h"
#include "tools/sha256/sha256.h"

namespace altostrat {
namespace {

const std::string kSuite = ALTOSTRAT_BMPSUITE_DIR;

using Fields = std::vector<std::string>;  // tag, then the tag's fields

std::map<std::string, std::vector<Fields>> ReadExpected() {
    std::map<std::string, std::vector<Fields>> expected;
    std::ifstream file(kSuite + "/expected.tsv");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        std::string name, field;
        std::getline(in, name, '\t');
        Fields fields;
        while (std::getline(in, field, '\t')) {
            fields.push_back(field);
        }
        if (!name.empty() && !fields.empty()) {
            expected[name].push_back(fields);
        }
    }
    return expected;
}

// A file can have several lines: Windows' result taken literally, and with top-down rows
// flipped or with the masks read from the file. The reader flips and reads masks, so those
// lines decide where they exist.
const Fields& Chosen(const std::vector<Fields>& lines) {
    static const char* const kOrder[] = {
        "ok-flipped",      "ok-bitfields", "error-flipped", "error-flipped-gdi",
        "error-bitfields", "ok",           "error"};
    for (const char* tag : kOrder) {
        for (const Fields& fields : lines) {
            if (fields[0] == tag) {
                return fields;
            }
        }
    }
    return lines.front();
}

TEST(DibSuite, EveryFileGivesWindowsResult) {
    const auto expected = ReadExpected();
    ASSERT_GE(expected.size(), 90u) << "no suite at " << kSuite;
    int pictures = 0, refusals = 0;
    for (const auto& [name, lines] : expected) {
        SCOPED_TRACE(name);
        const Fields& want = Chosen(lines);
        testing::RecordedReports reports;
        const auto image = LoadDibImage(kSuite + "/" + name, reports.Sink());
        if (want[0].rfind("ok", 0) == 0) {
            ASSERT_EQ(want.size(), 4u);
            ASSERT_NE(image, nullptr) << (reports.messages.empty() ? "" : reports.messages[0]);
            EXPECT_TRUE(reports.messages.empty());
            EXPECT_EQ(std::to_string(image->width), want[1]);
            EXPECT_EQ(std::to_string(image->height), want[2]);
            EXPECT_EQ(Sha256Hex(image->pixels.data(), image->pixels.size()), want[3]);
            ++pictures;
            continue;
        }
        ASSERT_EQ(want.size(), 2u);
        EXPECT_EQ(image, nullptr);
        ASSERT_EQ(reports.messages.size(), 1u);
        // "short" marks a file that ends before what its headers announce; Windows reads past
        // the end there, and no message is recorded for it.
        if (want[1] != "short") {
            EXPECT_EQ(reports.messages[0], want[1]);
        } else {
            EXPECT_TRUE(reports.messages[0] == kDibUnknownFormat ||
                        reports.messages[0] == kDibConversionError ||
                        reports.messages[0] == kDibOutOfMemory)
                << reports.messages[0];
        }
        ++refusals;
    }
    std::cout << "bitmap suite: " << pictures << " pictures matched, " << refusals
              << " files refused\n";
}

TEST(DibSuite, EveryBitmapOfTheSuiteHasAnExpectedResult) {
    const auto expected = ReadExpected();
    int files = 0;
    for (const char* folder : {"g", "q", "b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kSuite + "/" + folder)) {
            if (entry.path().extension() == ".bmp") {
                const std::string name =
                    std::string(folder) + "/" + entry.path().filename().string();
                EXPECT_EQ(expected.count(name), 1u) << name;
                ++files;
            }
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(files), expected.size());
}

}  // namespace
}  // namespace altostrat
