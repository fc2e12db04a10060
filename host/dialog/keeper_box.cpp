#include "host/dialog/keeper_box.h"

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

std::string KeeperFailureMessage(const KeeperOutcome& outcome) {
    std::string message = u8"「待機中の画面を覚えておく」を変更できませんでした。\n\n";
    switch (outcome.failed) {
        case KeeperFailure::kNone:
            return "";
        case KeeperFailure::kFolderOpenToOthers:
            return message + outcome.why +
                   u8"\nほかのアカウントが置き換えたプログラムがサインインのたびに動かないよう、"
                   u8"常駐プログラムは登録も起動もしませんでした。自分だけが書き込めるフォルダー"
                   u8"(例: %LOCALAPPDATA%\\Programs\\アルトストラト) "
                   u8"に置いてから、もう一度選んでください。";
        case KeeperFailure::kSignInEntry:
            return message +
                   u8"サインイン時の起動の設定 (レジストリの Run キー) を書き換えられません"
                   u8"でした。常駐プログラムはそのままです。";
        case KeeperFailure::kStart:
            message += u8"常駐プログラムを起動できませんでした。";
            break;
        case KeeperFailure::kEnd:
            message += u8"常駐プログラムに終了を伝えられませんでした。";
            break;
    }
    return message + (outcome.undone ? u8"サインイン時の起動の設定は元に戻しました。"
                                     : u8"サインイン時の起動の設定も元に戻せませんでした。");
}

}  // namespace altostrat
