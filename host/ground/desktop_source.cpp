#include "host/ground/desktop_source.h"

namespace altostrat {
namespace {

DesktopStep Ask(DesktopQuestion question) {
    return DesktopStep{question, DesktopSource::kGround};
}

DesktopStep Take(DesktopSource source) {
    return DesktopStep{DesktopQuestion::kNone, source};
}

}  // namespace

DesktopStep NextDesktopStep(const DesktopFacts& facts) {
    if (facts.ownPictureChosen) {
        if (!facts.ownPictureRead) {
            return Ask(DesktopQuestion::kOwnPicture);
        }
        if (*facts.ownPictureRead) {
            return Take(DesktopSource::kOwnPicture);
        }
    }
    if (!facts.sessionLocked) {
        return Ask(DesktopQuestion::kSessionLocked);
    }
    if (*facts.sessionLocked) {
        return facts.wallpaperRead
                   ? Take(*facts.wallpaperRead ? DesktopSource::kWallpaper : DesktopSource::kGround)
                   : Ask(DesktopQuestion::kWallpaper);
    }
    if (!facts.photographUsable) {
        return Ask(DesktopQuestion::kPhotograph);
    }
    if (*facts.photographUsable) {
        return Take(DesktopSource::kPhotograph);
    }
    if (!facts.keeperPhotographTaken) {
        return Ask(DesktopQuestion::kKeeperPhotograph);
    }
    if (*facts.keeperPhotographTaken) {
        return Take(DesktopSource::kKeeperPhotograph);
    }
    if (!facts.wallpaperRead) {
        return Ask(DesktopQuestion::kWallpaper);
    }
    return Take(*facts.wallpaperRead ? DesktopSource::kWallpaper : DesktopSource::kGround);
}

GroundAccount GatherDesktopPicture(bool ownPictureChosen, DesktopGatherer& gatherer) {
    DesktopFacts facts;
    facts.ownPictureChosen = ownPictureChosen;
    GroundAccount account;
    // Asks one source; a miss goes into the account.
    const auto ask = [&account](DesktopSource source, SourceAnswer answer) {
        if (answer.miss != SourceMiss::kNone) {
            account.passedOver.emplace_back(source, answer);
        }
        return answer.miss == SourceMiss::kNone;
    };
    for (;;) {
        const DesktopStep step = NextDesktopStep(facts);
        switch (step.ask) {
            case DesktopQuestion::kNone:
                account.source = step.source;
                return account;
            case DesktopQuestion::kOwnPicture:
                facts.ownPictureRead = ask(DesktopSource::kOwnPicture, gatherer.ReadOwnPicture());
                break;
            case DesktopQuestion::kSessionLocked:
                facts.sessionLocked = gatherer.SessionLocked();
                if (*facts.sessionLocked) {
                    ask(DesktopSource::kPhotograph, {SourceMiss::kSessionLocked});
                    ask(DesktopSource::kKeeperPhotograph, {SourceMiss::kSessionLocked});
                }
                break;
            case DesktopQuestion::kPhotograph:
                facts.photographUsable = ask(DesktopSource::kPhotograph, gatherer.Photograph());
                break;
            case DesktopQuestion::kKeeperPhotograph:
                facts.keeperPhotographTaken =
                    ask(DesktopSource::kKeeperPhotograph, gatherer.TakeKeeperPhotograph());
                break;
            case DesktopQuestion::kWallpaper:
                facts.wallpaperRead = ask(DesktopSource::kWallpaper, gatherer.ReadWallpaper());
                break;
        }
    }
}

const char* DesktopSourceName(DesktopSource source) {
    switch (source) {
        case DesktopSource::kOwnPicture:
            return "own picture";
        case DesktopSource::kPhotograph:
            return "photograph";
        case DesktopSource::kKeeperPhotograph:
            return "keeper's photograph";
        case DesktopSource::kWallpaper:
            return "wallpaper";
        case DesktopSource::kGround:
            break;
    }
    return "ground";
}

namespace {

const char* JapaneseName(DesktopSource source) {
    switch (source) {
        case DesktopSource::kOwnPicture:
            return u8"自分の画像";
        case DesktopSource::kPhotograph:
            return u8"画面の写真";
        case DesktopSource::kKeeperPhotograph:
            return u8"常駐プログラムの写真";
        case DesktopSource::kWallpaper:
            return u8"壁紙";
        case DesktopSource::kGround:
            break;
    }
    return u8"組み込みの野原と森";
}

const char* KeeperReason(KeeperVerdict verdict) {
    switch (verdict) {
        case KeeperVerdict::kNotOurs:
            return u8"あなたのものではありませんでした";
        case KeeperVerdict::kTruncated:
        case KeeperVerdict::kMalformed:
            return u8"壊れていました";
        case KeeperVerdict::kOtherLayout:
            return u8"撮ったときと画面の並びや大きさが違います";
        case KeeperVerdict::kBeforeInput:
            return u8"撮ったあとにマウスかキーボードが使われました";
        case KeeperVerdict::kTooOld:
            return u8"古すぎました";
        case KeeperVerdict::kAlreadyTaken:
            return u8"すでに使われていました";
        case KeeperVerdict::kUsable:
            break;
    }
    return u8"使えませんでした";
}

std::string Reason(const SourceAnswer& answer) {
    switch (answer.miss) {
        case SourceMiss::kMissing:
            return u8"ファイルもフォルダーも見つかりません";
        case SourceMiss::kUnreadable:
            return u8"読める画像がありませんでした (壊れている、空、大きすぎる、"
                   u8"フォルダーに画像がない)";
        case SourceMiss::kOtherDesktop:
            return u8"スクリーンセーバーがあなたのデスクトップではない別のデスクトップで"
                   u8"始まったため、画面を写せません";
        case SourceMiss::kCopyFailed:
            return u8"画面を写せませんでした";
        case SourceMiss::kOneColour:
            return u8"一色だけの写真で、あなたのデスクトップではありません";
        case SourceMiss::kNoKeeperPhotograph:
            return u8"写真がありません (常駐プログラムが動いていないか、今回は撮っていません)";
        case SourceMiss::kKeeperRefused:
            return std::string(u8"写真を使えません: ") + KeeperReason(answer.keeper);
        case SourceMiss::kNoWallpaper:
            return u8"壁紙が設定されていません";
        case SourceMiss::kSessionLocked:
            return u8"ロックされた画面にはあなたの画面を映しません";
        case SourceMiss::kNone:
            break;
    }
    return "";
}

}  // namespace

std::string GroundReport(const GroundAccount& account) {
    std::string report = std::string(u8"地面: ") + JapaneseName(account.source) + "\r\n";
    for (const auto& [source, answer] : account.passedOver) {
        report += std::string(u8"使わなかったもの: ") + JapaneseName(source) + u8" — " +
                  Reason(answer) + "\r\n";
    }
    return report;
}

}  // namespace altostrat
