#pragma once
// What "設定" does with the keeper's box, in two halves: the keeper's start-at-sign-in entry, and
// the keeper running now. Ticked, the entry is written, then the keeper started; cleared, the
// entry is removed, then the keeper told to end. The second half is tried only when the first
// worked, and when it fails the first is undone, so the box as loaded stays true of the machine:
// never an entry without a running keeper the user was told about, or a keeper left running that
// no longer starts at sign-in. The message names the half that failed, and says when the undo
// failed too. A keeper in a folder that other accounts of the computer may change is neither
// registered nor started: whoever may change the folder could put their own program there, and it
// would run as the user at every sign-in.

#include <string>

#include "common/ui_language.h"
#include "host/dialog/settings_dialog.h"

namespace altostrat {

// The keeper as the dialog changes it.
class KeeperSwitch {
  public:
    virtual ~KeeperSwitch() = default;
    // Whether only the user (with SYSTEM and Administrators) may change the keeper's folder; when
    // not, WHY says who else may, for the user (UTF-8).
    virtual bool FolderIsPrivate(std::string& why) = 0;
    // Writes (true) or removes the start-at-sign-in entry; false when the registry refused.
    virtual bool SetAtSignIn(bool on) = 0;
    // Starts the keeper; false when it could not be started.
    virtual bool Start() = 0;
    // Tells a running keeper to end (none running is fine); false when it could not be told.
    virtual bool End() = 0;
};

enum class KeeperFailure { kNone, kFolderOpenToOthers, kSignInEntry, kStart, kEnd };

struct KeeperOutcome {
    KeeperFailure failed = KeeperFailure::kNone;
    bool undone = true;  // the half that had worked was undone (or there was nothing to undo)
    std::string why;     // kFolderOpenToOthers: who else may change the folder
};

KeeperOutcome ApplyKeeperChange(KeeperChange change, KeeperSwitch& keeper);

// The message for a change that failed (UTF-8): what could not be changed, which half, and
// whether the other half was put back, in LANGUAGE. "" for kNone.
std::string KeeperFailureMessage(const KeeperOutcome& outcome, UiLanguage language);

}  // namespace altostrat
