#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "FileTestSupport.h"
#include "app/Exit.h"
#include "app/StartUp.h"
#include "files/CloseSheet.h"
#include "platform/FrameLayout.h"
#include "sheet/NameAlignment.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

using test::TestApp;

TEST(FrameGeometryBands, SizeFollowsTheScreenHeightAndIsCentred) {
    struct Case {
        const char* name;
        int w, h;
        TwipRect expected;
    } cases[] = {
        {"tall screen takes three quarters", 19200, 14400, {2400, 1800, 14400, 10800}},
        {"exactly 12000 is tall", 16000, 12000, {2000, 1500, 12000, 9000}},
        {"middle band takes four fifths", 15360, 11520, {1536, 1152, 12288, 9216}},
        {"exactly 9000 is middle", 12001, 9000, {1200, 900, 9600, 7200}},
        {"small screen is filled", 12000, 8999, {0, 0, 12000, 8999}},
    };
    for (const auto& c : cases) {
        const TwipRect r = FrameGeometry(c.w, c.h);
        EXPECT_EQ(r.width, c.expected.width) << c.name;
        EXPECT_EQ(r.height, c.expected.height) << c.name;
        EXPECT_EQ(r.left, c.expected.left) << c.name;
        EXPECT_EQ(r.top, c.expected.top) << c.name;
    }
}

TEST(FrameGeometryBands, SheetWindowIsSevenEighthsAndTwipsRoundTrip) {
    const TwipRect r = SheetWindowGeometry(10001, 8007);
    EXPECT_EQ(r.width, 8750);  // 70007 / 8
    EXPECT_EQ(r.height, 7006);
    EXPECT_EQ(TwipsToPixels(1200, 96), 80);
    EXPECT_EQ(TwipsToPixels(280, 96), 19);
    EXPECT_EQ(PixelsToTwips(1024, 96), 15360);
    EXPECT_EQ(TwipsToPixels(1200, 192), 160);
}

// Three sheets with data; sheet n has the caption "名称未設定:n".
void ThreeModifiedSheets(TestApp& t) {
    for (int i = 0; i < 3; ++i) t.app.sheet(NewSheet(t.app)).setModified(true);
}

TEST(ExitOrder, AsksAboutTheLastOpenedFirstAndCancelStopsTheExit) {
    TestApp t;
    ThreeModifiedSheets(t);
    t.ui.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(ExitProgram(t.app));
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.messages[0].text, "'名称未設定:3'は保存されていません。\n\r保存しますか？");
    EXPECT_EQ(t.ui.messages[0].title, "ファイルを閉じる");
    EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(t.ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(t.ui.messages[1].text, "'名称未設定:2'は保存されていません。\n\r保存しますか？");
    EXPECT_EQ(t.app.openSheets(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(t.app.closeCancelled);
}

TEST(ExitOrder, UnmodifiedSheetsCloseWithoutAQuestion) {
    TestApp t;
    NewSheet(t.app);
    NewSheet(t.app);
    EXPECT_TRUE(ExitProgram(t.app));
    EXPECT_TRUE(t.ui.messages.empty());
    EXPECT_FALSE(AnySheetOpen(t.app));
}

TEST(ExitOrder, NoSheetOpenEndsAtOnce) {
    TestApp t;
    EXPECT_TRUE(ExitProgram(t.app));
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(ExitOrder, YesWithTheSaveDialogCancelledKeepsTheSheet) {
    TestApp t;
    ThreeModifiedSheets(t);
    t.ui.answers = {Answer::Yes};
    EXPECT_FALSE(ExitProgram(t.app));
    EXPECT_EQ(t.app.openCount(), 3);
    EXPECT_EQ(t.ui.fileDialogs.size(), 1u);
}

TEST(ExitOrder, YesSavesEachSheetThenCloses) {
    TestApp t;
    test::TempFolder folder;
    ThreeModifiedSheets(t);
    t.ui.fileNames = {folder.file("a.vo"), folder.file("b.vo"), folder.file("c.vo")};
    t.ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    EXPECT_TRUE(ExitProgram(t.app));
    // The last opened is asked about, and saved, first.
    EXPECT_EQ(t.app.sheet(3).information().path, folder.file("a.vo"));
    EXPECT_EQ(t.app.sheet(1).information().path, folder.file("c.vo"));
}

// A Cancel, in a close question or in the exit, must not let the next closes drop changes unasked.
TEST(CloseQuery, AfterACancelEveryModifiedSheetIsStillAsked) {
    const std::function<void(TestApp&)> cancels[] = {
        [](TestApp& t) { EXPECT_EQ(CloseSheetQuery(t.app, t.app.sheet(3)), CloseOutcome::KeptOpen); },
        [](TestApp& t) { EXPECT_FALSE(ExitProgram(t.app)); },
    };
    for (const auto& cancel : cancels) {
        TestApp t;
        ThreeModifiedSheets(t);
        t.ui.answers = {Answer::Cancel};
        cancel(t);
        ASSERT_TRUE(t.app.closeCancelled);
        t.ui.messages.clear();
        t.ui.answers = {Answer::No, Answer::No};
        EXPECT_EQ(CloseSheetQuery(t.app, t.app.sheet(3)), CloseOutcome::Closed);
        EXPECT_EQ(CloseSheetQuery(t.app, t.app.sheet(2)), CloseOutcome::Closed);
        ASSERT_EQ(t.ui.messages.size(), 2u);
        EXPECT_EQ(t.ui.messages[1].text, "'名称未設定:2'は保存されていません。\n\r保存しますか？");
        EXPECT_EQ(t.app.openSheets(), (std::vector<int>{1}));
    }
}

TEST(StartUpState, SheetOneAndALockedToolbar) {
    TestApp t;
    StartUp(t.app);
    EXPECT_EQ(t.app.openSheets(), (std::vector<int>{1}));
    EXPECT_EQ(t.app.sheet(1).caption(), "名称未設定:1");
    EXPECT_FALSE(t.app.toolbar.button("sortDs").enabled);
    EXPECT_TRUE(t.app.toolbar.button("fileNew").enabled);
}

TEST(StartUpState, MissingOrEmptyFileOnTheCommandLineIsReported) {
    const auto dir = std::filesystem::temp_directory_path() / "zoriduvo-startup-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "empty.vo").close();
    for (const auto& path : {dir / "missing.vo", dir / "empty.vo"}) {
        TestApp t;
        StartUp(t.app);
        OpenFileAtStart(t.app, path.string());
        ASSERT_EQ(t.ui.messages.size(), 1u) << path;
        EXPECT_EQ(t.ui.messages[0].text, "ファイルが存在しません\n" + path.filename().string());
        EXPECT_EQ(t.ui.messages[0].title, "ファイルを開く");
        EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(t.app.sheet(1).blank());
    }
    std::filesystem::remove_all(dir);
}

TEST(NameAlignmentCommand, AlignsEveryNameCellAndChecksTheChoice) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    s.grdVo.setCurrent(5, 4);
    AlignVariableNames(t.app, s, CellAlignment::CenterCenter);
    EXPECT_EQ(s.nameAlignment(), CellAlignment::CenterCenter);
    EXPECT_EQ(s.grdVo.nameAlignment(2), CellAlignment::CenterCenter);
    EXPECT_EQ(s.grdVo.nameAlignment(21), CellAlignment::CenterCenter);
    EXPECT_FALSE(t.app.toolbar.button("valignRight").pressed);
    AlignVariableNames(t.app, s, CellAlignment::RightCenter);
    EXPECT_TRUE(t.app.toolbar.button("valignRight").pressed);
    EXPECT_EQ(s.grdVo.row(), 5);
    EXPECT_EQ(s.grdVo.col(), 4);
}

TEST(PlatformClock, SourceDateEpochFixesNowAndBadValuesAreIgnored) {
    setenv("SOURCE_DATE_EPOCH", "1234567890", 1);
    EXPECT_EQ(SystemClock().now(), 1234567890);
    for (const char* bad : {"", "12x", "-5", "abc"}) {
        setenv("SOURCE_DATE_EPOCH", bad, 1);
        EXPECT_FALSE(SourceDateEpoch().has_value()) << bad;
    }
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_GT(SystemClock().now(), 1'600'000'000);
}

TEST(PlatformRandom, SameSeedSameStreamInTheUnitInterval) {
    test::FixedClock clock;
    SeededRandom a(clock), b(clock);
    a.seed(42);
    b.seed(42);
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.next();
        ASSERT_EQ(x, b.next());
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
    b.seed(43);
    a.seed(42);
    EXPECT_NE(a.next(), b.next());
}

}  // namespace
}  // namespace zoriduvo
