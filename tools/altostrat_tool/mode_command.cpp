#include <cstdio>
#include <string>

#include "host/startup/start_decision.h"
#include "tools/altostrat_tool/commands.h"

namespace altostrat::tool {

const char kModeUsage[] = "mode [ARGUMENTS...]";

int ModeCommand(int argc, char** argv) {
    // The arguments may come as one word ("/p 1234") or several (/p 1234): joined by blanks,
    // they are the text the host would read.
    std::string arguments;
    for (int i = 0; i < argc; ++i) {
        if (i > 0) {
            arguments += ' ';
        }
        arguments += argv[i];
    }
    const StartDecision decision = DecideStart(arguments);
    std::printf("letter=%s mode=%s folder=%s settings=%s cursor=%s", decision.letter.c_str(),
                StartModeName(decision.mode), decision.sweepsRunFolders ? "yes" : "no",
                decision.loadsSettings ? "yes" : "no", decision.hidesCursor ? "hidden" : "visible");
    if (decision.mode == StartMode::kPreview) {
        std::printf(" parent=%ld", static_cast<long>(decision.previewParent));
    }
    std::printf("\n");
    return 0;
}

}  // namespace altostrat::tool
