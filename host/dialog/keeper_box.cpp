#include "host/dialog/keeper_box.h"

#include "host/text/host_texts.h"

namespace altostrat {

KeeperOutcome ApplyKeeperChange(KeeperChange change, KeeperSwitch& keeper) {
    if (change == KeeperChange::kNone) {
        return KeeperOutcome{};
    }
    const bool on = change == KeeperChange::kStartAtSignIn;
    std::string why;
    if (on && !keeper.FolderIsPrivate(why)) {
        return KeeperOutcome{KeeperFailure::kFolderOpenToOthers, true, why};
    }
    if (!keeper.SetAtSignIn(on)) {
        return KeeperOutcome{KeeperFailure::kSignInEntry, true, ""};
    }
    if (on ? keeper.Start() : keeper.End()) {
        return KeeperOutcome{};
    }
    return KeeperOutcome{on ? KeeperFailure::kStart : KeeperFailure::kEnd, keeper.SetAtSignIn(!on),
                         ""};
}

std::string KeeperFailureMessage(const KeeperOutcome& outcome, UiLanguage language) {
    const HostTexts& texts = TextsFor(language);
    std::string message = texts.keeperUnchanged;
    switch (outcome.failed) {
        case KeeperFailure::kNone:
            return "";
        case KeeperFailure::kFolderOpenToOthers:
            return message + outcome.why + texts.keeperFolderOpen;
        case KeeperFailure::kSignInEntry:
            return message + texts.keeperSignInEntry;
        case KeeperFailure::kStart:
            message += texts.keeperNotStarted;
            break;
        case KeeperFailure::kEnd:
            message += texts.keeperNotEnded;
            break;
    }
    return message + (outcome.undone ? texts.keeperEntryUndone : texts.keeperEntryNotUndone);
}

}  // namespace altostrat
