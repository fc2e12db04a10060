#include "host/dialog/win32/file_chooser.h"

#include <commdlg.h>

#include <vector>

#include "common/win32/wide_text.h"
#include "host/dialog/dialog_controls.h"
#include "host/dialog/settings_dialog.h"

namespace altostrat {

namespace {

// Room for longer paths than the settings file holds (255 UTF-16 units): a longer pick
// comes back, so the dialog can tell the user why it cannot keep it, where a buffer of the
// file's size would make the Open dialog fail silently.
constexpr DWORD kPathBuffer = 1024;

std::string ShortPathOf(const std::wstring& path) {
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::vector<wchar_t> buffer(needed);
    const DWORD written = GetShortPathNameW(path.c_str(), buffer.data(), needed);
    if (written == 0 || written >= needed) {
        return {};
    }
    return Narrow(std::wstring_view(buffer.data(), written));
}

// FILTER_PARTS: each filter's name, then its pattern; the Open dialog's list ends with an empty
// name.
std::optional<PickedFile> ChooseFile(HWND owner, const std::vector<const char*>& filterParts,
                                     const std::string& startFolder, const char* chooserTitle) {
    std::wstring filter;
    for (const char* part : filterParts) {
        filter += Wide(part);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    const std::wstring title = Wide(chooserTitle);
    const std::wstring folder = Wide(startFolder);
    std::vector<wchar_t> file(kPathBuffer, L'\0');
    std::vector<wchar_t> fileTitle(kPathBuffer, L'\0');

    OPENFILENAMEW request{};
    // The structure's real size: a 64-bit Open dialog refuses the old 32-bit one.
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file.data();
    request.nMaxFile = kPathBuffer;
    request.lpstrFileTitle = fileTitle.data();
    request.nMaxFileTitle = kPathBuffer;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    request.Flags = 0;  // a typed name of a file that does not exist is accepted too
    if (!GetOpenFileNameW(&request)) {
        return std::nullopt;
    }
    const std::wstring path(file.data());
    return PickedFile{Narrow(path), ShortPathOf(path)};
}

}  // namespace

std::optional<PickedFile> ChooseMusicFile(const HostSettings& settings, HWND owner,
                                          const HostTexts& texts) {
    return ChooseFile(owner, {texts.musicFilter, kFileFilterPattern},
                      ChooserStartFolder(settings.BgmFolder), texts.fileChooserTitle);
}

std::optional<PickedFile> ChoosePictureFile(HWND owner, const std::string& startFolder,
                                            const HostTexts& texts) {
    return ChooseFile(
        owner, {texts.pictureFilter, kPictureFilterPattern, texts.anyFilter, kAnyFilterPattern},
        startFolder, texts.fileChooserTitle);
}

}  // namespace altostrat
