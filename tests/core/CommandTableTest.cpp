#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "sheet/Commands.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

using test::TestApp;

TEST(CommandTable, SheetCommandsFollowTheActiveSheetAndItsRules) {
    TestApp t;
    CommandTable commands(t.app);
    std::vector<int> ranOn;
    commands.addOnSheet("count", [&ranOn](Sheet& sheet) { ranOn.push_back(sheet.number()); },
                        {.enabled = [](Sheet& sheet) { return sheet.number() != 2; },
                         .checked = [](Sheet& sheet) { return sheet.number() == 3; },
                         .caption = [](Sheet& sheet) { return "sheet " + std::to_string(sheet.number()); }});
    const struct {
        int active;
        bool enabled, checked;
        std::string caption;
    } cases[] = {{0, false, false, ""}, {1, true, false, "sheet 1"}, {2, false, false, "sheet 2"},
                 {3, true, true, "sheet 3"}};
    for (int i = 0; i < 3; ++i) NewSheet(t.app);
    for (const auto& c : cases) {
        t.app.setActiveSheet(c.active);
        EXPECT_EQ(commands.enabled("count"), c.enabled) << c.active;
        EXPECT_EQ(commands.checked("count"), c.checked) << c.active;
        EXPECT_EQ(commands.caption("count"), c.caption) << c.active;
        commands.run("count");
    }
    // Only where the rule let it, and never without a sheet.
    EXPECT_EQ(ranOn, (std::vector<int>{1, 3}));
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(CommandTable, FrameCommandsRunWithoutASheetUnlessTheirRuleSaysNo) {
    TestApp t;
    CommandTable commands(t.app);
    int runs = 0;
    bool allowed = true;
    commands.add("frame", [&runs] { ++runs; }, {.enabled = [&allowed] { return allowed; }});
    commands.run("frame");
    allowed = false;
    EXPECT_FALSE(commands.enabled("frame"));
    commands.run("frame");
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(commands.enabled("unknown"));
    EXPECT_TRUE(commands.shown("unknown"));
    commands.run("unknown");  // nothing to run, nothing shown
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(CommandTable, AnEntryRunsItsMenusOwnCommandBeforeTheCommonOne) {
    TestApp t;
    CommandTable commands(t.app);
    std::string ran;
    commands.add("mnuFOpen", [&ran] { ran += "common "; });
    commands.add({CommandScope::FrameMenus, "mnuFOpen"}, [&ran] { ran += "frame "; });
    commands.add(ToolCommand("mnuFOpen"), [&ran] { ran += "button "; });
    for (CommandScope menus : {CommandScope::Menus, CommandScope::FrameMenus, CommandScope::GraphMenus})
        commands.run(commands.entryCommand(menus, "mnuFOpen"));
    commands.run(ToolCommand("mnuFOpen"));
    EXPECT_EQ(ran, "common frame common button ");
}

TEST(CommandTable, AnEscapingFailureBecomesItsMessageAndTheTableGoesOn) {
    const struct {
        const char* name;
        std::function<void()> fail;
        std::string text;
        MessageIcon icon;
    } cases[] = {
        {"standard exception", [] { throw std::runtime_error("broken"); },
         "内部エラーのため、この操作を完了できませんでした。", MessageIcon::Critical},
        {"anything else", [] { throw 42; }, "内部エラーのため、この操作を完了できませんでした。",
         MessageIcon::Critical},
        {"memory", [] { throw std::bad_alloc(); },
         "メモリが足りないため、この操作を完了できませんでした。\nファイルは書き込まれていません。",
         MessageIcon::Exclamation},
    };
    for (const auto& c : cases) {
        TestApp t;
        CommandTable commands(t.app);
        std::vector<std::string> told;
        commands.beforeEachRun([&told](const CommandId& id) { told.push_back(id.name); });
        commands.add("fail", c.fail);
        int runs = 0;
        commands.add("next", [&runs] { ++runs; });
        commands.run("fail");
        commands.run("next");
        ASSERT_EQ(t.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(t.ui.messages[0].text, c.text) << c.name;
        EXPECT_EQ(t.ui.messages[0].title, "Da ziv Oru32") << c.name;
        EXPECT_EQ(t.ui.messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(runs, 1) << c.name;
        EXPECT_EQ(told, (std::vector<std::string>{"fail", "next"})) << c.name;
    }
}

TEST(CommandTable, ACommandMayReplaceItselfWhileItRuns) {
    TestApp t;
    CommandTable commands(t.app);
    std::string ran;
    commands.add("once", [&] {
        commands.add("once", [&ran] { ran += "second "; });
        ran += "first ";  // the replaced command's captures must still be alive here
    });
    commands.run("once");
    commands.run("once");
    EXPECT_EQ(ran, "first second ");
}

}  // namespace
}  // namespace zoriduvo
