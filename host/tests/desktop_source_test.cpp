// The ground picture's sources in the order the saver documents, and the one-colour test that
// tells a photograph of a saver's own desktop from the user's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ground/desktop_source.h"
#include "host/ground/plain_picture.h"

namespace altostrat {
namespace {

struct Answers {
    bool chosen;
    bool own;
    bool photograph;
    bool keeper;
    bool wallpaper;
    bool locked = false;  // the session service says the session is locked
};

// Answers each question from ANSWERS and records the questions asked, in order.
class RecordingGatherer final : public DesktopGatherer {
  public:
    explicit RecordingGatherer(const Answers& answers) : answers_(answers) {}
    std::vector<DesktopQuestion> asked;

    SourceAnswer ReadOwnPicture() override {
        return Answer(DesktopQuestion::kOwnPicture, answers_.own);
    }
    bool SessionLocked() override {
        asked.push_back(DesktopQuestion::kSessionLocked);
        return answers_.locked;
    }
    SourceAnswer Photograph() override {
        return Answer(DesktopQuestion::kPhotograph, answers_.photograph);
    }
    SourceAnswer TakeKeeperPhotograph() override {
        return Answer(DesktopQuestion::kKeeperPhotograph, answers_.keeper);
    }
    SourceAnswer ReadWallpaper() override {
        return Answer(DesktopQuestion::kWallpaper, answers_.wallpaper);
    }

  private:
    SourceAnswer Answer(DesktopQuestion question, bool answer) {
        asked.push_back(question);
        return SourceAnswer{answer ? SourceMiss::kNone : SourceMiss::kUnreadable};
    }
    Answers answers_;
};

DesktopSource Decide(const Answers& answers, std::vector<DesktopQuestion>& asked) {
    RecordingGatherer gatherer(answers);
    const DesktopSource source = GatherDesktopPicture(answers.chosen, gatherer).source;
    asked = gatherer.asked;
    return source;
}

TEST(DesktopSource, TakesTheFirstSourceThatGivesAPictureAndAsksNothingBeyondIt) {
    using Q = DesktopQuestion;
    using S = DesktopSource;
    const struct Row {
        Answers answers;
        S source;
        std::vector<Q> asked;
    } rows[] = {
        // 景色 = 1 and a picture that decodes: nothing else is gathered.
        {{true, true, true, true, true}, S::kOwnPicture, {Q::kOwnPicture}},
        // A picture that fails falls back to the desktop's sources, in their order.
        {{true, false, true, true, true},
         S::kPhotograph,
         {Q::kOwnPicture, Q::kSessionLocked, Q::kPhotograph}},
        {{true, false, false, true, true},
         S::kKeeperPhotograph,
         {Q::kOwnPicture, Q::kSessionLocked, Q::kPhotograph, Q::kKeeperPhotograph}},
        {{true, false, false, false, false},
         S::kGround,
         {Q::kOwnPicture, Q::kSessionLocked, Q::kPhotograph, Q::kKeeperPhotograph, Q::kWallpaper}},
        // 景色 = 0: the user's picture is never read, whatever it would give.
        {{false, true, true, false, false}, S::kPhotograph, {Q::kSessionLocked, Q::kPhotograph}},
        {{false, true, false, true, true},
         S::kKeeperPhotograph,
         {Q::kSessionLocked, Q::kPhotograph, Q::kKeeperPhotograph}},
        {{false, true, false, false, true},
         S::kWallpaper,
         {Q::kSessionLocked, Q::kPhotograph, Q::kKeeperPhotograph, Q::kWallpaper}},
        {{false, false, false, false, false},
         S::kGround,
         {Q::kSessionLocked, Q::kPhotograph, Q::kKeeperPhotograph, Q::kWallpaper}},
        // Locked: neither photograph is asked for, however usable; the user's picture still is.
        {{false, false, true, true, true, true}, S::kWallpaper, {Q::kSessionLocked, Q::kWallpaper}},
        {{true, false, true, true, false, true},
         S::kGround,
         {Q::kOwnPicture, Q::kSessionLocked, Q::kWallpaper}},
        {{true, true, true, true, true, true}, S::kOwnPicture, {Q::kOwnPicture}},
    };
    for (const Row& row : rows) {
        std::vector<Q> asked;
        EXPECT_EQ(DesktopSourceName(Decide(row.answers, asked)), DesktopSourceName(row.source));
        EXPECT_EQ(asked, row.asked) << DesktopSourceName(row.source);
    }
}

// Answers each source with a set reason.
class ReasonedGatherer final : public DesktopGatherer {
  public:
    SourceAnswer own, photograph, keeper, wallpaper;
    bool locked = false;
    SourceAnswer ReadOwnPicture() override { return own; }
    bool SessionLocked() override { return locked; }
    SourceAnswer Photograph() override { return photograph; }
    SourceAnswer TakeKeeperPhotograph() override { return keeper; }
    SourceAnswer ReadWallpaper() override { return wallpaper; }
};

TEST(DesktopSource, TheAccountNamesTheSourceTakenAndWhyEachOneBeforeItWasPassedOver) {
    ReasonedGatherer gatherer;
    gatherer.own = {SourceMiss::kUnreadable};
    gatherer.photograph = {SourceMiss::kOneColour};
    gatherer.keeper = {SourceMiss::kKeeperRefused, KeeperVerdict::kOtherLayout};
    const GroundAccount account = GatherDesktopPicture(true, gatherer);
    EXPECT_EQ(account.source, DesktopSource::kWallpaper);
    ASSERT_EQ(account.passedOver.size(), 3u);
    EXPECT_EQ(account.passedOver[0].first, DesktopSource::kOwnPicture);
    EXPECT_EQ(account.passedOver[1].first, DesktopSource::kPhotograph);
    EXPECT_EQ(account.passedOver[2].first, DesktopSource::kKeeperPhotograph);
    const std::string report = GroundReport(account, UiLanguage::kJapanese);
    EXPECT_EQ(report.substr(0, report.find("\r\n")), u8"地面: 壁紙");
    const std::size_t picture = report.find(u8"自分の画像 — 読める画像がありませんでした");
    const std::size_t plain = report.find(u8"画面の写真 — 一色だけの写真");
    const std::size_t keeper = report.find(u8"常駐プログラムの写真 — 写真を使えません: 撮ったとき");
    EXPECT_TRUE(picture < plain && plain < keeper && keeper != std::string::npos) << report;

    // Not chosen, the user's picture is not in the account; the built-in ground after all.
    gatherer.photograph = {SourceMiss::kOtherDesktop};
    gatherer.keeper = {SourceMiss::kNoKeeperPhotograph};
    gatherer.wallpaper = {SourceMiss::kNoWallpaper};
    const std::string ground =
        GroundReport(GatherDesktopPicture(false, gatherer), UiLanguage::kJapanese);
    EXPECT_EQ(ground.find(u8"自分の画像"), std::string::npos) << ground;
    EXPECT_EQ(ground.rfind(u8"地面: 組み込みの野原と森\r\n", 0), 0u) << ground;
    EXPECT_NE(ground.find(u8"壁紙 — 壁紙が設定されていません\r\n"), std::string::npos) << ground;

    // Locked: both photographs passed over for the lock, whatever they would have given.
    gatherer.locked = true;
    gatherer.photograph = {};
    gatherer.keeper = {};
    gatherer.wallpaper = {};
    const std::string locked =
        GroundReport(GatherDesktopPicture(false, gatherer), UiLanguage::kJapanese);
    EXPECT_EQ(
        locked,
        std::string(
            u8"地面: 壁紙\r\n"
            u8"使わなかったもの: 画面の写真 — ロックされた画面にはあなたの画面を映しません\r\n"
            u8"使わなかったもの: 常駐プログラムの写真 — "
            u8"ロックされた画面にはあなたの画面を映しません\r\n"));
    EXPECT_EQ(
        GroundReport(GatherDesktopPicture(false, gatherer), UiLanguage::kEnglish),
        u8"Ground: the wallpaper\r\n"
        u8"Not used: the screen's photograph \u2014 a locked screen never shows your screen\r\n"
        u8"Not used: the keeper's photograph \u2014 a locked screen never shows your screen\r\n");
}

// Outside Japan the report is read in English: every source, miss and verdict has its words,
// none of them Japanese (a letter from U+3000 to U+9FFF or a full- or half-width form).
TEST(GroundReportTest, EveryLineHasEnglishWordsWithoutJapanese) {
    auto japanese = [](const std::string& text) {
        for (std::size_t i = 0; i + 2 < text.size(); ++i) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((lead >= 0xE3 && lead <= 0xE9) || (lead == 0xEF && next >= 0xBC && next <= 0xBF)) {
                return true;
            }
        }
        return false;
    };
    for (int source = 0; source <= static_cast<int>(DesktopSource::kGround); ++source) {
        for (int miss = 1; miss <= static_cast<int>(SourceMiss::kSessionLocked); ++miss) {
            for (int verdict = 0; verdict <= static_cast<int>(KeeperVerdict::kAlreadyTaken);
                 ++verdict) {
                GroundAccount account;
                account.source = static_cast<DesktopSource>(source);
                account.passedOver.push_back({static_cast<DesktopSource>(source),
                                              SourceAnswer{static_cast<SourceMiss>(miss),
                                                           static_cast<KeeperVerdict>(verdict)}});
                const std::string english = GroundReport(account, UiLanguage::kEnglish);
                EXPECT_FALSE(japanese(english)) << english;
                // Some words after the dash, not an empty place in the table.
                EXPECT_GT(english.size(), english.find(u8"\u2014 \r") + 8) << english;
                EXPECT_TRUE(japanese(GroundReport(account, UiLanguage::kJapanese)));
            }
        }
    }
}

RgbPicture Filled(int width, int height, RgbColour colour) {
    RgbPicture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        picture.pixels.insert(picture.pixels.end(), colour.begin(), colour.end());
    }
    return picture;
}

void Paint(RgbPicture& picture, int x, int y, RgbColour colour) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 3;
    for (std::size_t c = 0; c < 3; ++c) {
        picture.pixels[at + c] = colour[c];
    }
}

TEST(DesktopSource, APhotographOfOneColourIsNotTheDesktopButAPlainDesktopWithAnythingOnItIs) {
    // A saver's own desktop: its background, with the few levels of noise a display's colour
    // conversion may add; a failed copy: all black; nothing at all.
    RgbPicture background = Filled(64, 48, {58, 110, 165});
    Paint(background, 3, 7, {62, 106, 169});
    Paint(background, 40, 20, {54, 114, 161});
    EXPECT_TRUE(IsOneColour(background));
    EXPECT_TRUE(IsOneColour(Filled(64, 48, {0, 0, 0})));
    EXPECT_TRUE(IsOneColour(RgbPicture{}));
    EXPECT_TRUE(IsOneColour(RgbPicture{4, 4, {1, 2, 3}}));  // short of its pixels

    // The same plain background under a taskbar's row, or with one icon's pixel: the desktop.
    RgbPicture withTaskbar = Filled(64, 48, {58, 110, 165});
    for (int x = 0; x < 64; ++x) {
        Paint(withTaskbar, x, 47, {32, 32, 32});
    }
    EXPECT_FALSE(IsOneColour(withTaskbar));
    RgbPicture withIcon = Filled(64, 48, {58, 110, 165});
    Paint(withIcon, 63, 47, {58, 110, 165 + 2 * kPlainColourLevels + 1});
    EXPECT_FALSE(IsOneColour(withIcon));
}

}  // namespace
}  // namespace altostrat
