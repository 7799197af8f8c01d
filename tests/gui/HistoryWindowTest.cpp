#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "edit/Sorting.h"
#include "sheet/CellEditing.h"
#include "sheet/SheetRegistry.h"
#include "files/ui/HistoryWindow.h"
#include "support/Fakes.h"
#include "variables/StatisticsBlock.h"

using namespace zoriduvo;

namespace {
using test::Child;

void Type(test::TestApp& t, Sheet& sheet, int row, int col, const std::string& text) {
    sheet.grdVo.setCurrent(row, col);
    CommitEditorWithEnter(t.app, sheet, text);
    MoveAfterKey(t.app, sheet, CursorKey::Enter);
}
}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Steps in order with their command lines, the place marked, the undone step greyed.
    void showsTheStepsAndWhereTheSheetStands() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        Type(t, sheet, 2, 2, "3");
        Type(t, sheet, 3, 2, "1");
        ShowStatisticsBlock(t.app, sheet);
        SortCases(t.app, sheet, 1, false, false);
        sheet.history().undo();
        HistoryWindow window(t.app, sheet);
        auto* steps = Child<QTreeWidget>(&window, "lstHistory");
        QCOMPARE(steps->topLevelItemCount(), 5);
        QCOMPARE(steps->topLevelItem(0)->text(2), QString("開始: 新しいシート"));
        QCOMPARE(steps->topLevelItem(1)->text(3), QString("zoriduvo-cli set IN OUT --cell 1 1 3"));
        QCOMPARE(steps->topLevelItem(3)->text(3), QString("（ファイルは変わりません）"));
        QCOMPARE(steps->topLevelItem(3)->text(0), QString("▶ 3"));
        QCOMPARE(steps->topLevelItem(4)->text(3), QString("zoriduvo-cli sort IN OUT --key '$1'"));
        const QColor undone = steps->topLevelItem(4)->foreground(3).color();
        QVERIFY(undone != steps->topLevelItem(1)->foreground(3).color());
        QVERIFY(Child<QPushButton>(&window, "cmdSaveScript")->isEnabled());
    }

    // The script goes where the user says, once the sheet has a place its result is written to.
    void savesTheScriptOfTheStepsThatStand() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        Type(t, sheet, 2, 2, "3");
        Type(t, sheet, 3, 2, "1");
        SortCases(t.app, sheet, 1, false, false);
        const std::string path = QDir::tempPath().toStdString() + "/history-window-test.sh";
        std::remove(path.c_str());
        HistoryWindow window(t.app, sheet);
        // A sheet never saved has no place to write to: the script cannot be made without one.
        t.ui.fileNames = {path};
        Child<QPushButton>(&window, "cmdSaveScript")->click();
        QCOMPARE(t.ui.messages.size(), std::size_t(1));
        QVERIFY(!std::ifstream(path).good());
        sheet.information().path = "/tmp/history-window-test.vo";
        sheet.statisticsAndFile().hasFile = true;
        t.ui.fileNames = {path};
        Child<QPushButton>(&window, "cmdSaveScript")->click();
        std::ifstream in(path);
        const std::string script{std::istreambuf_iterator<char>(in), {}};
        QVERIFY(script.rfind("#!/bin/sh\n", 0) == 0);
        QVERIFY(script.find("--cell 1 1 3") != std::string::npos);
        QVERIFY(script.find("sort \"$work/2/$name\"") != std::string::npos);
        std::remove(path.c_str());
    }
};

REGISTER_GUI_TEST(HistoryWindowTest);
#include "HistoryWindowTest.moc"
