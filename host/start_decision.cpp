#include "start_decision.h"

#include "command_line.h"

namespace altostrat {

StartDecision DecideStart(std::string_view arguments) {
    StartDecision decision;
    decision.letter = ModeLetter(arguments);
    if (decision.letter == "P") {
        decision.mode = StartMode::Preview;
        decision.previewParent = PreviewParentOf(arguments);
        return decision;
    }
    decision.createsCaptureFolder = true;
    decision.loadsSettings = true;
    if (decision.letter == "C") {
        decision.mode = StartMode::Settings;
    } else if (decision.letter == "S") {
        decision.mode = StartMode::Saver;
        decision.hidesCursor = true;
    } else if (arguments.empty()) {
        decision.mode = StartMode::Saver;  // opened directly: a saver run, cursor left visible
    } else {
        decision.mode = StartMode::End;
    }
    return decision;
}

const char* StartModeName(StartMode mode) {
    switch (mode) {
        case StartMode::Saver:
            return "saver";
        case StartMode::Preview:
            return "preview";
        case StartMode::Settings:
            return "settings";
        case StartMode::End:
            break;
    }
    return "end";
}

}  // namespace altostrat
