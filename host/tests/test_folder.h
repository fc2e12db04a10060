#pragma once
// A fresh, empty folder per test under the system's temporary folder, removed again afterwards.
// Paths are UTF-8 and use the system's separator.

#include <string>
#include <string_view>

namespace altostrat::testing {

class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(std::string_view name) const;

    // Whole files, byte for byte.
    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;
    bool Exists(std::string_view name) const;
    void MakeFolder(std::string_view name) const;
    // The names in the folder, sorted.
    std::string Listing() const;

  private:
    std::string path_;
};

// A copy of the bytes in a heap block of exactly their size, so that AddressSanitizer reports
// any read past the end.
class ExactBuffer {
  public:
    explicit ExactBuffer(std::string_view bytes);
    ~ExactBuffer();
    ExactBuffer(const ExactBuffer&) = delete;
    ExactBuffer& operator=(const ExactBuffer&) = delete;
    std::string_view view() const { return {data_, size_}; }

  private:
    char* data_;
    std::size_t size_;
};

}  // namespace altostrat::testing
