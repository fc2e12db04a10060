#include "host/settings/settings.h"

#include <optional>

#include "common/file_bytes.h"
#include "host/settings/ini_encoding.h"
#include "host/settings/ini_file.h"
#include "host/text/number_conversion.h"
#include "host/text/number_format.h"
#include "host/text/paths.h"

namespace altostrat {

namespace {

void LoadNumber(std::int16_t& setting, const IniText& ini, std::string_view key) {
    const std::string value = ReadIniValue(ini, kSettingsSection, key);
    if (value.empty()) {
        setting = 0;
        return;
    }
    if (const std::optional<std::int16_t> number = TextFloorToInt16(value)) {
        setting = *number;
    }
}

// A setting with one meaningful value: SPECIAL when the file holds that number, else the
// default, whatever else is there (nothing, an empty value, text that is not a number).
std::int16_t LoadFlag(const IniText& ini, std::string_view key, std::int16_t special,
                      std::int16_t otherwise) {
    const std::optional<std::int16_t> number =
        TextFloorToInt16(ReadIniValue(ini, kSettingsSection, key));
    return number && *number == special ? special : otherwise;
}

// 画面 has two meaningful values besides the default 0.
std::int16_t LoadScreenChoice(const IniText& ini) {
    const std::optional<std::int16_t> number =
        TextFloorToInt16(ReadIniValue(ini, kSettingsSection, kScreenChoiceKey));
    return number && (*number == 1 || *number == 2) ? *number : 0;
}

}  // namespace

void LoadSettings(HostSettings& settings, std::string_view iniPath,
                  std::string_view programFolder) {
    // One read and one decoding for all the keys; a file that cannot be read reads as empty.
    const FileReadResult file = ReadWholeFile(iniPath, kMaxIniFileBytes);
    const IniText ini =
        DecodeIniFile(file.status == FileReadStatus::kRead ? file.Text() : std::string_view());
    LoadNumber(settings.BgmKind, ini, kBgmKindKey);
    LoadNumber(settings.BgmRepeat, ini, kBgmRepeatKey);
    settings.ScreenChoice = LoadScreenChoice(ini);
    settings.AircraftShown = LoadFlag(ini, kAircraftShownKey, 0, 1);
    settings.SkyFollowsClock = LoadFlag(ini, kSkyFollowsClockKey, 1, 0);
    settings.SceneryKind = LoadFlag(ini, kSceneryKindKey, 1, 0);
    settings.SceneryFile = ReadIniValue(ini, kSettingsSection, kSceneryFileKey);
    settings.BgmFolder.assign(programFolder);
    settings.BgmFile = ReadIniValue(ini, kSettingsSection, kBgmFileKey);
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
    if (file.status != FileReadStatus::kRead && file.status != FileReadStatus::kMissing) {
        return false;
    }
    std::optional<std::string> bytes = WriteIniToBytes(file.Text(), kSettingsSection, kBgmKindKey,
                                                       NumberWithSignSpace(settings.BgmKind));
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmRepeatKey,
                                NumberWithSignSpace(settings.BgmRepeat));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmFileKey, settings.BgmFile);
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kScreenChoiceKey,
                                NumberWithSignSpace(settings.ScreenChoice));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kAircraftShownKey,
                                NumberWithSignSpace(settings.AircraftShown));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSkyFollowsClockKey,
                                NumberWithSignSpace(settings.SkyFollowsClock));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSceneryKindKey,
                                NumberWithSignSpace(settings.SceneryKind));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSceneryFileKey, settings.SceneryFile);
    }
    return bytes && ReplaceFileContents(iniPath, *bytes);
}

}  // namespace altostrat
