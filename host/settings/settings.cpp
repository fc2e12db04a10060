#include "settings.h"

#include <optional>

#include "file_access.h"
#include "ini_file.h"
#include "number_conversion.h"
#include "number_format.h"
#include "paths.h"

namespace altostrat {

namespace {

void LoadNumber(std::int16_t& setting, std::string_view key, std::string_view iniPath) {
    const std::string value = ReadIni(kSettingsSection, key, iniPath);
    if (value.empty()) {
        setting = 0;
        return;
    }
    if (const std::optional<std::int16_t> number = TextFloorToInt16(value)) {
        setting = *number;
    }
}

}  // namespace

void LoadSettings(HostSettings& settings, std::string_view iniPath,
                  std::string_view programFolder) {
    LoadNumber(settings.BgmKind, kBgmKindKey, iniPath);
    LoadNumber(settings.BgmRepeat, kBgmRepeatKey, iniPath);
    settings.BgmFolder.assign(programFolder);
    settings.BgmFile = ReadIni(kSettingsSection, kBgmFileKey, iniPath);
    if (!settings.BgmFile.empty() && FileExists(settings.BgmFile)) {
        settings.BgmFolder = FolderOfPath(settings.BgmFile);
        return;
    }
    settings.BgmFile.clear();
    if (settings.BgmKind == 2) {
        settings.BgmKind = 0;
    }
}

bool SaveSettings(const HostSettings& settings, std::string_view iniPath) {
    const FileReadResult file = ReadWholeFile(iniPath, kMaxIniFileBytes);
    if (file.status != FileReadStatus::Read && file.status != FileReadStatus::Missing) {
        return false;
    }
    std::optional<std::string> bytes = WriteIniToBytes(file.bytes, kSettingsSection, kBgmKindKey,
                                                       NumberWithSignSpace(settings.BgmKind));
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmRepeatKey,
                                NumberWithSignSpace(settings.BgmRepeat));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmFileKey, settings.BgmFile);
    }
    return bytes && ReplaceFileContents(iniPath, *bytes);
}

}  // namespace altostrat
