#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "transform/ui/TransformDialog.h"

using namespace zoriduvo;

namespace {
using test::Child;

Sheet& NumberedSheet(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "5"}, {"2", "6"}, {"3", "7"}});
    return sheet;
}

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

void Type(QLineEdit* line, const QString& text) {
    line->setFocus();
    line->clear();
    QTest::keyClicks(line, text);
}
}  // namespace

class TransformDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsListsAndExecuteDisabled() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("frmTrans"));
        QCOMPARE(dialog.windowTitle(), QString("変数変換"));
        QCOMPARE(Items(Child<QListWidget>(&dialog, "lstVar")), QStringList({"V1", "V2"}));
        QCOMPARE(Items(Child<QListWidget>(&dialog, "lstFunc")).first(), QString("ABS()"));
        QCOMPARE(Items(Child<QListWidget>(&dialog, "lstFunc")).size(), 15);
        QVERIFY(!Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
        QVERIFY(Child<QPushButton>(&dialog, "cmdRep")->isHidden());
        QCOMPARE(Child<QPushButton>(&dialog, "cmdOpel0")->text(), QString("\""));
        QCOMPARE(Child<QPushButton>(&dialog, "cmdOpel9")->text(), QString("+"));
    }

    void enterAddsAndExecuteRunsTheList() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        auto* line = Child<QLineEdit>(&dialog, "txtTForm");
        Type(line, "Y = V1 * 10");
        QTest::keyClick(line, Qt::Key_Return);
        Type(line, "Z = V2");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(Items(Child<QListWidget>(&dialog, "lstTForm")), QStringList({"Y = V1 * 10", "Z = V2"}));
        QCOMPARE(Items(Child<QListWidget>(&dialog, "lstVar")), QStringList({"V1", "V2", "Y", "Z"}));
        QVERIFY(line->text().isEmpty());
        QVERIFY(Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        // The removed line is not run.
        Child<QListWidget>(&dialog, "lstTForm")->setCurrentRow(1);
        Child<QPushButton>(&dialog, "cmdRemo")->click();
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(sheet.variableCount(), 3);
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(4, 4).view()), QString("30"));
        QVERIFY(sheet.modified());
        QVERIFY(t.ui.messages.empty());
    }

    void aRefusedStatementShowsItsMessageAndStaysInTheLine() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        auto* line = Child<QLineEdit>(&dialog, "txtTForm");
        Type(line, "Y = V1 +");
        Child<QPushButton>(&dialog, "cmdTrans")->click();
        QCOMPARE(t.ui.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(t.ui.messages[0].title), QString("変数変換"));
        QCOMPARE(line->text(), QString("Y = V1 +"));
        QCOMPARE(Child<QListWidget>(&dialog, "lstTForm")->count(), 0);
        QVERIFY(!Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
    }

    void correctPutsTheLineBackForEditing() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        auto* line = Child<QLineEdit>(&dialog, "txtTForm");
        Type(line, "Y = V1");
        QTest::keyClick(line, Qt::Key_Return);
        Child<QListWidget>(&dialog, "lstTForm")->setCurrentRow(0);
        Child<QPushButton>(&dialog, "cmdRep")->click();
        QCOMPARE(line->text(), QString("Y = V1"));
        QCOMPARE(Child<QListWidget>(&dialog, "lstTForm")->count(), 0);
        QVERIFY(!Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
    }

    void listsAndButtonsInsertAtTheCaret() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        auto* line = Child<QLineEdit>(&dialog, "txtTForm");
        Type(line, "Y =");
        auto* functions = Child<QListWidget>(&dialog, "lstFunc");
        functions->setCurrentRow(12);  // SQR()
        Child<QPushButton>(&dialog, "cmdFunc")->click();
        QCOMPARE(line->text(), QString("Y = SQR() "));
        QCOMPARE(line->cursorPosition(), 8);
        Child<QListWidget>(&dialog, "lstVar")->setCurrentRow(1);
        Child<QPushButton>(&dialog, "cmdVar")->click();
        QCOMPARE(line->text(), QString("Y = SQR(\"V2\")"));
        QCOMPARE(line->cursorPosition(), 12);
        Child<QPushButton>(&dialog, "cmdOpel9")->click();
        QCOMPARE(line->text(), QString("Y = SQR(\"V2\"+)"));
        line->setSelection(4, 4);  // "SQR("
        Child<QPushButton>(&dialog, "cmdDel")->click();
        QCOMPARE(line->text(), QString("Y =\"V2\"+)"));
        QCOMPARE(line->cursorPosition(), 3);
    }

    void upAndDownRecallTheHistory() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        {
            TransformDialog dialog(t.app, sheet);
            dialog.show();
            auto* line = Child<QLineEdit>(&dialog, "txtTForm");
            for (const char* statement : {"A = 1", "B = 2"}) {
                Type(line, statement);
                QTest::keyClick(line, Qt::Key_Return);
            }
        }
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        auto* line = Child<QLineEdit>(&dialog, "txtTForm");
        line->setFocus();
        QTest::keyClick(line, Qt::Key_Up);
        QCOMPARE(line->text(), QString("B = 2"));
        QTest::keyClick(line, Qt::Key_Up);
        QCOMPARE(line->text(), QString("A = 1"));
        QTest::keyClick(line, Qt::Key_Down);
        QCOMPARE(line->text(), QString("B = 2"));
    }

    void cancelPutsTheCurrentCellBack() {
        test::TestApp t;
        Sheet& sheet = NumberedSheet(t);
        sheet.grdVo.setCurrent(3, 3);
        TransformDialog dialog(t.app, sheet);
        dialog.show();
        sheet.grdVo.setCurrent(2, 2);
        Child<QPushButton>(&dialog, "cmdCancel")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(sheet.grdVo.row(), 3);
        QCOMPARE(sheet.grdVo.col(), 3);
        QVERIFY(!sheet.modified());
    }
};

REGISTER_GUI_TEST(TransformDialogTest);
#include "TransformDialogTest.moc"
