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

// WORD in double quotes, read back whole by Windows' splitting: a run of backslashes is doubled
// where a quote follows it (inside the word, or the closing one), and a quote is escaped.
std::string QuoteCommandLineWord(std::string_view word) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

}  // namespace

std::string CapturePictureName(CapturePicture picture) {
    return "Altostrat" + std::to_string(static_cast<int>(picture)) + ".bmp";
}

std::string CapturePicturePath(std::string_view folder, CapturePicture picture) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/') {
        path += path.find('\\') != std::string::npos ? '\\' : '/';
    }
    return path + CapturePictureName(picture);
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
    if (options.eachMonitor) {
        add(kEachMonitorArgument);
    }
    if (!options.aircraftShown) {
        add(kNoAircraftArgument);
    }
    if (options.skyFollowsClock) {
        add(kSkyFollowsClockArgument);
    }
    if (options.showClock) {
        add(kShowClockArgument);
    }
    if (!options.pictureFolder.empty()) {
        add(kPictureFolderArgument);
        add(QuoteCommandLineWord(options.pictureFolder));
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

std::vector<std::string> SplitCommandLineWords(std::string_view arguments) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < arguments.size()) {
        const char c = arguments[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
            ++i;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            std::size_t run = 0;
            while (i < arguments.size() && arguments[i] == '\\') {
                ++run;
                ++i;
            }
            if (i < arguments.size() && arguments[i] == '"') {
                word.append(run / 2, '\\');
                if (run % 2 == 1) {
                    word += '"';
                    ++i;
                }
            } else {
                word.append(run, '\\');
            }
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
        } else {
            word += c;
        }
        ++i;
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

RendererOptions ParseRendererWords(const std::vector<std::string>& words) {
    RendererOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (SameWord(word, kAcrossAllMonitorsArgument)) {
            options.acrossAllMonitors = true;
        } else if (SameWord(word, kEachMonitorArgument)) {
            options.eachMonitor = true;
        } else if (SameWord(word, kNoAircraftArgument)) {
            options.aircraftShown = false;
        } else if (SameWord(word, kSkyFollowsClockArgument)) {
            options.skyFollowsClock = true;
        } else if (SameWord(word, kShowClockArgument)) {
            options.showClock = true;
        } else if (SameWord(word, kPictureFolderArgument) && i + 1 < words.size()) {
            options.pictureFolder = words[++i];
        }
    }
    return options;
}

RendererOptions ParseRendererArguments(std::string_view arguments) {
    return ParseRendererWords(SplitCommandLineWords(arguments));
}

}  // namespace altostrat
