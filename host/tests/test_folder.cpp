#include "host/tests/test_folder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace altostrat::testing {

namespace fs = std::filesystem;

namespace {

fs::path PathOf(std::string_view utf8) {
    return fs::u8path(utf8.begin(), utf8.end());
}

}  // namespace

TestFolder::TestFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        const fs::path candidate =
            fs::temp_directory_path() /
            ("altostrat-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = candidate.u8string();
            return;
        }
    }
}

TestFolder::~TestFolder() {
    std::error_code error;
    fs::remove_all(PathOf(path_), error);
}

std::string TestFolder::File(std::string_view name) const {
    std::string file = path_;
    file += static_cast<char>(fs::path::preferred_separator);
    file.append(name);
    return file;
}

void TestFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(PathOf(File(name)), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestFolder::Read(std::string_view name) const {
    std::ifstream in(PathOf(File(name)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TestFolder::Exists(std::string_view name) const {
    std::error_code error;
    return fs::exists(PathOf(File(name)), error);
}

void TestFolder::MakeFolder(std::string_view name) const {
    fs::create_directories(PathOf(File(name)));
}

std::string TestFolder::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PathOf(path_))) {
        names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) {
        listing += name + "\n";
    }
    return listing;
}

ExactBuffer::ExactBuffer(std::string_view bytes)
    : data_(new char[bytes.empty() ? 1 : bytes.size()]), size_(bytes.size()) {
    std::memcpy(data_, bytes.data(), bytes.size());
}

ExactBuffer::~ExactBuffer() {
    delete[] data_;
}

}  // namespace altostrat::testing
