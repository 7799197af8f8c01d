#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "DialogChild.h"
#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "edit/ClipboardCommands.h"
#include "edit/ui/ReplaceDialog.h"
#include "platform/qt/ModelessDialog.h"
#include "platform/qt/QtClipboard.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

using namespace zoriduvo;

namespace {
using test::Child;

// An App on the system clipboard, as the program has it.
using ClipboardApp = test::AppOn<test::ScriptedUi, QtClipboard>;
}  // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void copyAndPasteGoThroughTheSystemClipboard() {
        ClipboardApp c;
        Sheet& sheet = c.app.sheet(NewSheet(c.app));
        test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
        sheet.grdVo.setCurrent(2, 2);
        sheet.grdVo.setSelectionEnd(3, 3);
        CopySelection(c.app, sheet);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1\t2\r\n3\t4"));

        // A block as a spreadsheet on the same desktop leaves it.
        QGuiApplication::clipboard()->setText("7\t8\r\n9\tx\r\n");
        sheet.grdVo.setCurrent(2, 2);
        QVERIFY(PasteAtCursor(c.app, sheet));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 3).view()), QString("x"));
        CutSelection(c.app, sheet);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("7\t8\r\n9\tx\r\n"));

        // As an editor or a terminal here leaves it: LF alone ends the lines.
        Sheet& fresh = c.app.sheet(NewSheet(c.app));
        QGuiApplication::clipboard()->setText("1\t2\n3\t4");
        fresh.grdVo.setCurrent(2, 2);
        QVERIFY(PasteAtCursor(c.app, fresh));
        QCOMPARE(fresh.caseCount(), 2);
        QCOMPARE(QString::fromUtf8(fresh.grdVo.text(3, 2).view()), QString("3"));
        QCOMPARE(QString::fromUtf8(fresh.grdVo.text(2, 3).view()), QString("2"));
    }

    // The modeless dialog works from the cell current when it opens; a replace makes the sheet
    // one to save.
    void replaceAllFromTheMenuMarksTheSheetModified() {
        test::Frame f;
        Sheet& sheet = f.t.app.sheet(1);
        test::FillSheet(sheet, {{"3", "3"}, {"30", "3"}, {"3", "3"}});
        sheet.grdVo.setCurrent(2, 2);
        f.frame.sheetAction("mnuEReplace")->trigger();
        QPointer<ReplaceDialog> dialog = ModelessInstance<ReplaceDialog>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        Child<QLineEdit>(dialog, "txtRep0")->setText("3");
        Child<QLineEdit>(dialog, "txtRep1")->setText("4");
        Child<QPushButton>(dialog, "cmdAll")->click();
        QTRY_VERIFY(!dialog);
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(4, 2).view()), QString("4"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 2).view()), QString("30"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(2, 3).view()), QString("3"));  // only down the column
        QVERIFY(sheet.modified());
    }
};

REGISTER_GUI_TEST(EditCommandsTest);
#include "EditCommandsTest.moc"
