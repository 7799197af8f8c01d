#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "sheet/SheetRegistry.h"
#include "sheet/ui/SheetWindow.h"
#include "support/Fakes.h"

using namespace zoriduvo;

namespace {
using test::Frame;

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    return titles;
}
}  // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithSheetOneAndItsMenus() {
        Frame f;
        QCOMPARE(f.frame.windowTitle(), QString("Da ziv Oru32"));
        QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(f.frame.mdiArea()->activeSubWindow()->windowTitle(), QString("名称未設定:1[*]"));
        QCOMPARE(MenuTitles(f.frame.menuBar()),
                 QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾃﾞｰﾀ(&D)", "ｸﾞﾗﾌ(&G)", "ｵﾌﾟｼｮﾝ(&O)",
                              "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
        QCOMPARE(f.frame.sheetAction("mnuFSaveAs")->shortcut(), QKeySequence("Ctrl+A"));
        QCOMPARE(f.frame.sheetAction("mnuWTile")->shortcut(), QKeySequence("Ctrl+F4"));
    }

    void toolbarDataButtonsWaitForTheFirstValue() {
        Frame f;
        for (const char* key : {"fileSave", "filePrint", "editCut", "editCopy", "editPaste", "valignLeft",
                                "valignCenter", "valignRight", "sortAs", "sortDs"})
            QVERIFY2(!f.frame.toolbarAction(key)->isEnabled(), key);
        QVERIFY(f.frame.toolbarAction("fileNew")->isEnabled());
        QCOMPARE(f.frame.toolbarAction("valignLeft")->toolTip(), QString("左寄せ"));
        f.t.app.sheet(1).setEndCell(0, "2");
        QVERIFY(f.frame.toolbarAction("valignLeft")->isEnabled());
        QVERIFY(f.frame.toolbarAction("valignLeft")->isChecked());
        QVERIFY(f.frame.toolbarAction("sortAs")->isEnabled());
    }

    void blankSheetDisablesItsDataEntries() {
        Frame f;
        QVERIFY(!f.frame.sheetAction("mnuFSave")->isEnabled());
        QVERIFY(!f.frame.sheetAction("mnuFClose")->isEnabled());
        QVERIFY(f.frame.sheetAction("mnuFNew")->isEnabled());
        QVERIFY(f.frame.sheetAction("mnuVNameLeft")->isChecked());
        QVERIFY(!f.frame.sheetAction("mnuDSort")->isEnabled());
        f.t.app.sheet(1).setEndCell(1, "2");
        QVERIFY(f.frame.sheetAction("mnuFClose")->isEnabled());
        QVERIFY(f.frame.sheetAction("mnuFSave")->isEnabled());
        QVERIFY(f.frame.sheetAction("mnuDSort")->isEnabled());
        // Entries whose commands are not in this build stay disabled rather than do nothing.
        QVERIFY(!f.frame.sheetAction("mnuGScatter")->isEnabled());
    }

    void newSheetsAndClosingSwitchTheMenuBars() {
        Frame f;
        f.frame.sheetAction("mnuFNew")->trigger();
        QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 2);
        QCOMPARE(f.frame.mdiArea()->activeSubWindow()->windowTitle(), QString("名称未設定:2[*]"));
        QCOMPARE(f.t.app.activeSheet(), 2);
        f.frame.mdiArea()->setActiveSubWindow(f.frame.sheetWindow(1));
        QCOMPARE(f.t.app.activeSheet(), 1);
        f.frame.sheetWindow(1)->close();
        f.frame.sheetWindow(2)->close();
        QCoreApplication::processEvents();
        QVERIFY(!AnySheetOpen(f.t.app));
        QVERIFY(f.frame.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(MenuTitles(f.frame.menuBar()), QStringList({"ﾌｧｲﾙ(&F)", "ﾍﾙﾌﾟ(&H)"}));
        QVERIFY(f.frame.frameAction("mnuFNew")->isEnabled());
        f.frame.frameAction("mnuFNew")->trigger();
        QCOMPARE(f.frame.mdiArea()->activeSubWindow()->windowTitle(), QString("名称未設定:1[*]"));
    }

    void cancelledQuestionKeepsTheWindowAndStopsTheExit() {
        Frame f;
        NewSheet(f.t.app);
        f.t.app.sheet(1).setModified(true);
        f.t.app.sheet(2).setModified(true);
        f.t.ui.answers = {Answer::No, Answer::Cancel};
        QVERIFY(!f.frame.close());
        QCoreApplication::processEvents();
        QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(f.frame.mdiArea()->subWindowList().first()->windowTitle(), QString("名称未設定:1[*]"));
        QVERIFY(f.frame.isVisible());
    }

    void gridShowsCoreCellsAndKeepsTheCursorInStep() {
        Frame f;
        Sheet& sheet = f.t.app.sheet(1);
        auto* window = qobject_cast<SheetWindow*>(f.frame.sheetWindow(1)->widget());
        QTableView* view = window->grid();
        QCOMPARE(view->model()->rowCount(), 100);
        QCOMPARE(view->model()->columnCount(), 20);
        sheet.grdVo.setText(3, 4, "1.5");
        sheet.grdVo.setText(1, 4, "V3");
        QCOMPARE(view->model()->index(1, 2).data().toString(), QString("1.5"));
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("V3"));
        sheet.grdVo.setCurrent(10, 5);
        QCOMPARE(view->currentIndex(), view->model()->index(8, 3));
        view->setCurrentIndex(view->model()->index(4, 6));
        QCOMPARE(sheet.grdVo.row(), 6);
        QCOMPARE(sheet.grdVo.col(), 8);
        sheet.grdVo.setRows(130);
        QCOMPARE(view->model()->rowCount(), 128);
    }
};

REGISTER_GUI_TEST(FrameTest);
#include "FrameTest.moc"
