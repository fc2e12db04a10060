// Command lines and number texts of any content: nothing fails or reads past the end, and where
// the strict number reading accepts a text, the command line's forgiving one agrees with it.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "host/startup/command_line.h"
#include "host/startup/start_decision.h"
#include "host/text/leading_number.h"
#include "host/text/number_conversion.h"
#include "host/text/paths.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace altostrat;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string arguments = ArgumentsOf(text);
    Require(arguments.size() <= text.size());
    Require(text.substr(text.size() - arguments.size()) == arguments);
    // The module's path given as any part of the text: still a tail of the command line.
    const std::vector<std::string> paths = {std::string(text.substr(0, size / 2)),
                                            std::string(text.substr(size / 3, size / 3))};
    const std::string known = ArgumentsOf(text, paths);
    Require(known.size() <= text.size());
    Require(text.substr(text.size() - known.size()) == known);
    const StartDecision decision = DecideStart(arguments);
    Require(decision.mode != StartMode::kPreview || !decision.loadsSettings);
    Require(decision.letter.size() <= 4);

    const double leading = LeadingNumber(text);
    LeadingNumberAsInt32(text);
    if (const auto strict = ParseNumericText(text)) {
        Require(leading == *strict);
    }
    TextFloorToInt16(text);
    TextRoundToInt16(text);

    const std::string folder = FolderOfPath(text);
    Require(text.substr(0, folder.size()) == folder);
    Require(folder.empty() || folder.back() != '\\' || folder.size() < text.size());
    return 0;
}
