#include "host/startup/start_decision.h"

#include "host/startup/command_line.h"

namespace altostrat {

StartDecision DecideStart(std::string_view arguments) {
    StartDecision decision;
    decision.letter = ModeLetter(arguments);
    if (decision.letter == "P") {
        decision.mode = StartMode::kPreview;
        decision.previewParent = PreviewParentOf(arguments);
        return decision;
    }
    decision.sweepsRunFolders = true;
    decision.loadsSettings = true;
    if (decision.letter == "C" || arguments.empty()) {
        decision.mode = StartMode::kSettings;
    } else if (decision.letter == "S") {
        decision.mode = StartMode::kSaver;
        decision.hidesCursor = true;
    } else {
        decision.mode = StartMode::kEnd;
    }
    return decision;
}

const char* StartModeName(StartMode mode) {
    switch (mode) {
        case StartMode::kSaver:
            return "saver";
        case StartMode::kPreview:
            return "preview";
        case StartMode::kSettings:
            return "settings";
        case StartMode::kEnd:
            break;
    }
    return "end";
}

}  // namespace altostrat
