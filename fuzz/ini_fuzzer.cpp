// Settings files of any content: reading never fails or reads past the end, what it gives is
// well-formed UTF-8, and a write of the music file's path reads back as written while the other
// settings read as before.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/utf8.h"
#include "host/settings/ini_encoding.h"
#include "host/settings/ini_file.h"
#include "host/settings/settings.h"
#include "host/text/number_conversion.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace altostrat;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::string before[3];
    const char* const keys[3] = {kBgmKindKey, kBgmRepeatKey, kBgmFileKey};
    for (int i = 0; i < 3; ++i) {
        before[i] = ReadIniFromBytes(bytes, kSettingsSection, keys[i]);
        Require(IsValidUtf8(before[i]));
        TextFloorToInt16(before[i]);
    }

    const IniText ini = DecodeIniFile(bytes);
    if (ini.form == IniFileForm::kCp932 || ini.form == IniFileForm::kUtf8Bom) {
        Require(EncodeIniFile(ini) == bytes);  // nothing is lost by reading a file in
    }

    const std::string path = u8"C:\\表\\ソフト\\曲.mp3";  // second bytes 0x5C in Shift-JIS
    const auto written = WriteIniToBytes(bytes, kSettingsSection, kBgmFileKey, path);
    Require(written.has_value());
    Require(ReadIniFromBytes(*written, kSettingsSection, kBgmFileKey) == path);
    Require(ReadIniFromBytes(*written, kSettingsSection, kBgmKindKey) == before[0]);
    Require(ReadIniFromBytes(*written, kSettingsSection, kBgmRepeatKey) == before[1]);
    return 0;
}
