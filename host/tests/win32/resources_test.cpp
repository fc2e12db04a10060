// The three programs as Windows sees them in Explorer and in the screensaver list: an icon, the
// version information, and for the host its name as string 1; and as Windows scales them: each
// declares per-monitor DPI awareness (v2) in its manifest.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/win32/wide_text.h"
#include "host/text/win32/program_folder.h"

namespace altostrat {
namespace {

// The test program lies in BUILD\host\tests; the programs in BUILD\host, BUILD\renderer and
// BUILD\keeper.
std::wstring Built(const wchar_t* relative) {
    return Wide(ProgramFolder()) + L"\\..\\..\\" + relative;
}

class Module {
  public:
    explicit Module(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~Module() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    HMODULE get() const { return module_; }

  private:
    HMODULE module_;
};

// NAME of the version information's block BLOCK ("041104B0" Japanese, "040904B0" English).
std::wstring VersionString(const std::wstring& file, const wchar_t* name,
                           const wchar_t* block = L"041104B0") {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) {
        return L"";
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) {
        return L"";
    }
    const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"";
    }
    return value;
}

void ExpectIconAndVersion(const std::wstring& file, const wchar_t* originalName) {
    const Module module(file);
    ASSERT_NE(module.get(), nullptr) << Narrow(file);
    EXPECT_NE(FindResourceW(module.get(), MAKEINTRESOURCEW(100), RT_GROUP_ICON), nullptr);
    const HICON icon = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), 0);
    EXPECT_GT(reinterpret_cast<INT_PTR>(icon), 1);  // 0: none, 1: not a program file
    DestroyIcon(icon);
    EXPECT_EQ(VersionString(file, L"FileVersion"), L"1.0.0");
    EXPECT_EQ(VersionString(file, L"ProductName"), L"アルトストラト");
    EXPECT_EQ(VersionString(file, L"OriginalFilename"), originalName);
    // Explorer shows the block of the user's language: the English one names no Japanese but
    // the file's own name.
    EXPECT_EQ(VersionString(file, L"ProductName", L"040904B0"), L"Altostrat");
    const std::wstring description = VersionString(file, L"FileDescription", L"040904B0");
    EXPECT_EQ(description.rfind(L"Altostrat ", 0), 0u) << Narrow(description);
    EXPECT_EQ(VersionString(file, L"OriginalFilename", L"040904B0"), originalName);
}

// String 1 of LANGUAGE's block: the second string of the table's first block of sixteen.
std::wstring StringOne(HMODULE module, WORD language) {
    const HRSRC found = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(1), language);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const wchar_t* block =
        loaded != nullptr ? static_cast<const wchar_t*>(LockResource(loaded)) : nullptr;
    if (block == nullptr) {
        return L"";
    }
    block += 1 + block[0];  // past string 0, its length first
    return std::wstring(block + 1, block[0]);
}

// Windows' screen saver list reads the name with LoadStringW, whose block follows the user's
// display language: Japanese on a Japanese Windows, English on any other.
TEST(Resources, TheHostHasItsIconVersionAndItsNameInBothLanguagesAsStringOne) {
    const std::wstring host = Built(L"host\\アルトストラト.scr");
    ExpectIconAndVersion(host, L"アルトストラト.scr");
    const Module module(host);
    EXPECT_EQ(StringOne(module.get(), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
              L"アルトストラト");
    EXPECT_EQ(StringOne(module.get(), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), L"Altostrat");
    wchar_t name[64] = {};
    ASSERT_GT(LoadStringW(module.get(), 1, name, 64), 0);
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    EXPECT_STREQ(name, japanese ? L"アルトストラト" : L"Altostrat");
}

TEST(Resources, TheRendererHasItsIconAndVersion) {
    ExpectIconAndVersion(Built(L"renderer\\アルトストラト.dll"), L"アルトストラト.dll");
}

TEST(Resources, TheKeeperHasItsIconAndVersion) {
    ExpectIconAndVersion(Built(L"keeper\\アルトストラト常駐.exe"), L"アルトストラト常駐.exe");
}

// The first value of the manifest's dpiAwareness element, which Windows 10 (1703 and later)
// follows; "" without one.
std::string DpiAwareness(const std::wstring& file) {
    const Module module(file);
    HRSRC found = FindResourceW(module.get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    HGLOBAL loaded = found != nullptr ? LoadResource(module.get(), found) : nullptr;
    const char* bytes =
        loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        return "";
    }
    const std::string manifest(bytes, SizeofResource(module.get(), found));
    const std::size_t element = manifest.find("<dpiAwareness ");
    const std::size_t start = manifest.find('>', element);
    if (element == std::string::npos || start == std::string::npos) {
        return "";
    }
    std::string first = manifest.substr(start + 1, manifest.find_first_of(",<", start) - start - 1);
    first.erase(0, first.find_first_not_of(" \t\r\n"));
    first.erase(first.find_last_not_of(" \t\r\n") + 1);
    return first;
}

// A program Windows scales on a display above 100 % sees the virtual screen, the monitors and
// its screen copies in scaled units: the keeper's photograph would not be the host's screen, and
// the flight's window would not cover it. Wine scales no program, so no run under it can show
// this; each program's own declaration is what is checked.
TEST(Resources, EveryProgramIsPerMonitorDpiAwareV2) {
    for (const wchar_t* program : {L"host\\アルトストラト.scr", L"renderer\\アルトストラト.dll",
                                   L"keeper\\アルトストラト常駐.exe"}) {
        EXPECT_EQ(DpiAwareness(Built(program)), "PerMonitorV2") << Narrow(program);
    }
}

}  // namespace
}  // namespace altostrat
