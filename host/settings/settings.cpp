#include "host/settings/settings.h"

#include <initializer_list>
#include <optional>

#include "common/file_bytes.h"
#include "host/settings/ini_encoding.h"
#include "host/settings/ini_file.h"
#include "host/text/number_conversion.h"
#include "host/text/number_format.h"
#include "host/text/paths.h"

namespace altostrat {

namespace {

template <typename Number>
void LoadNumber(Number& setting, const IniText& ini, std::string_view key) {
    const std::string value = ReadIniValue(ini, kSettingsSection, key);
    if (value.empty()) {
        setting = Number{0};
        return;
    }
    if (const std::optional<std::int16_t> number = TextFloorToInt16(value)) {
        setting = static_cast<Number>(*number);
    }
}

// The file's number for KEY when it is one of MEANINGFUL, else the default (nothing, an empty
// value, text that is not a number, another number).
template <typename Value>
Value LoadChoice(const IniText& ini, std::string_view key, std::initializer_list<Value> meaningful,
                 Value otherwise) {
    const std::optional<std::int16_t> number =
        TextFloorToInt16(ReadIniValue(ini, kSettingsSection, key));
    for (const Value value : meaningful) {
        if (number && *number == static_cast<std::int16_t>(value)) {
            return value;
        }
    }
    return otherwise;
}

std::string NumberOf(bool flag) {
    return NumberWithSignSpace(flag ? 1 : 0);
}

template <typename Value>
std::string NumberOf(Value value) {
    return NumberWithSignSpace(static_cast<std::int16_t>(value));
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
    settings.Screen =
        LoadChoice(ini, kScreenChoiceKey, {ScreenChoice::kAcrossAll, ScreenChoice::kEachMonitor},
                   ScreenChoice::kSwitchTo1024);
    settings.AircraftShown = LoadChoice(ini, kAircraftShownKey, {false}, true);
    settings.SkyFollowsClock = LoadChoice(ini, kSkyFollowsClockKey, {true}, false);
    settings.SceneryKind = LoadChoice(ini, kSceneryKindKey, {Scenery::kPicture}, Scenery::kDesktop);
    settings.SceneryFile = ReadIniValue(ini, kSettingsSection, kSceneryFileKey);
    settings.ClockShown = LoadChoice(ini, kClockShownKey, {true}, false);
    settings.BgmFolder.assign(programFolder);
    settings.BgmFile = ReadIniValue(ini, kSettingsSection, kBgmFileKey);
    if (!settings.BgmFile.empty() && FileExists(settings.BgmFile)) {
        settings.BgmFolder = FolderOfPath(settings.BgmFile);
        return;
    }
    settings.BgmFile.clear();
    if (settings.BgmKind == MusicKind::kFile) {
        settings.BgmKind = MusicKind::kNone;
    }
}

std::optional<UnkeptSetting> UnkeptPath(const HostSettings& settings) {
    for (const UnkeptSetting& path : {UnkeptSetting{kBgmFileKey, settings.BgmFile},
                                      UnkeptSetting{kSceneryFileKey, settings.SceneryFile}}) {
        if (!IniKeepsWhole(path.value)) {
            return path;
        }
    }
    return std::nullopt;
}

bool SaveSettings(const HostSettings& settings, std::string_view iniPath) {
    const FileReadResult file = ReadWholeFile(iniPath, kMaxIniFileBytes);
    if (file.status != FileReadStatus::kRead && file.status != FileReadStatus::kMissing) {
        return false;
    }
    std::optional<std::string> bytes =
        WriteIniToBytes(file.Text(), kSettingsSection, kBgmKindKey, NumberOf(settings.BgmKind));
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmRepeatKey,
                                NumberWithSignSpace(settings.BgmRepeat));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kBgmFileKey, settings.BgmFile);
    }
    if (bytes) {
        bytes =
            WriteIniToBytes(*bytes, kSettingsSection, kScreenChoiceKey, NumberOf(settings.Screen));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kAircraftShownKey,
                                NumberOf(settings.AircraftShown));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSkyFollowsClockKey,
                                NumberOf(settings.SkyFollowsClock));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSceneryKindKey,
                                NumberOf(settings.SceneryKind));
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kSceneryFileKey, settings.SceneryFile);
    }
    if (bytes) {
        bytes = WriteIniToBytes(*bytes, kSettingsSection, kClockShownKey,
                                NumberOf(settings.ClockShown));
    }
    return bytes && ReplaceFileContents(iniPath, *bytes);
}

}  // namespace altostrat
