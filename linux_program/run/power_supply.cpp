#include "linux_program/run/power_supply.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace altostrat {
namespace {

// The kernel's attribute files hold one short word and a newline, though they claim a size of
// a whole page: they are read up to a small limit, not by their size, and anything longer is no
// word this reader knows.
constexpr std::streamsize kMostAttributeBytes = 32;

std::string Attribute(const std::filesystem::path& supply, const char* name) {
    std::ifstream in(supply / name, std::ios::binary);
    char bytes[kMostAttributeBytes + 1];
    in.read(bytes, kMostAttributeBytes + 1);
    const std::streamsize count = in.gcount();
    if (count <= 0 || count > kMostAttributeBytes) {
        return std::string();
    }
    std::string text(bytes, static_cast<std::size_t>(count));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

bool OnBatteryPower(const std::string& root) {
    bool battery = false, mains = false, charging = false;
    std::error_code error;
    std::filesystem::directory_iterator entries(root, error);
    const std::filesystem::directory_iterator end;
    // Each entry is a link to the supply's device folder.
    for (; !error && entries != end; entries.increment(error)) {
        const std::filesystem::path supply = entries->path();
        const std::string type = Attribute(supply, "type");
        if (type == "Battery") {
            battery = battery || Attribute(supply, "scope") != "Device";
        } else if (type == "Mains") {
            // An online state that cannot be read is taken as online.
            mains = true;
            charging = charging || Attribute(supply, "online") != "0";
        } else if (!type.empty()) {
            charging = charging || Attribute(supply, "online") == "1";
        }
    }
    return battery && mains && !charging;
}

}  // namespace altostrat
