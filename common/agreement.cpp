#include "common/agreement.h"

#include <cctype>

namespace altostrat {

namespace {

bool SameWord(std::string_view word, std::string_view expected) {
    if (word.size() != expected.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != expected[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string CapturePictureName(CapturePicture picture) {
    return "Altostrat" + std::to_string(static_cast<int>(picture)) + ".bmp";
}

std::string RendererArguments(const RendererOptions& options) {
    std::string arguments;
    const auto add = [&arguments](std::string_view word) {
        if (!arguments.empty()) {
            arguments += ' ';
        }
        arguments += word;
    };
    if (options.acrossAllMonitors) {
        add(kAcrossAllMonitorsArgument);
    }
    if (!options.aircraftShown) {
        add(kNoAircraftArgument);
    }
    return arguments;
}

std::string AircraftModelPath(std::string_view rendererPath) {
    const std::size_t separator = rendererPath.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return std::string();
    }
    return std::string(rendererPath.substr(0, separator + 1)) + kAircraftModelFileName;
}

RendererOptions ParseRendererArguments(std::string_view arguments) {
    RendererOptions options;
    std::size_t at = 0;
    while (at < arguments.size()) {
        const std::size_t start = arguments.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = arguments.find_first_of(" \t", start);
        if (end == std::string_view::npos) {
            end = arguments.size();
        }
        const std::string_view word = arguments.substr(start, end - start);
        if (SameWord(word, kAcrossAllMonitorsArgument)) {
            options.acrossAllMonitors = true;
        } else if (SameWord(word, kNoAircraftArgument)) {
            options.aircraftShown = false;
        }
        at = end;
    }
    return options;
}

}  // namespace altostrat
