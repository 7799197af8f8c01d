#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/StatisticsView.h"
#include "variables/ui/VariableDefinitionDialog.h"

using namespace zoriduvo;

namespace {
using test::Child;

// Three variables V1..V3 over cases 2, 4, 6 / 1, 3, 5 / 7, 8, 9; the cursor on variable 2.
Sheet& ThreeVariables(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"2", "1", "7"}, {"4", "3", "8"}, {"6", "5", "9"}});
    for (int v = 1; v <= 3; ++v) sheet.grdVoLabel.setText(0, v, "V" + std::to_string(v));
    sheet.grdVo.setCurrent(3, 3);
    sheet.setModified(false);
    return sheet;
}

// Replaces a field's text as the user would; key clicks carry only ASCII, so other text is inserted.
void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    bool ascii = true;
    for (QChar ch : text) ascii = ascii && ch.unicode() < 128;
    if (ascii) QTest::keyClicks(box, text);
    else box->insert(text);
}

// Deletes a dialog that a failed check left open, before the App it points into goes.
struct Cleanup {
    std::vector<QPointer<QWidget>> widgets;
    ~Cleanup() {
        for (auto& w : widgets) delete w.data();
    }
    template <typename T>
    T* operator()(T* widget) {
        widgets.emplace_back(widget);
        return widget;
    }
};

void Activate(QWidget* dialog) {
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog)) qWarning("dialog not active");
}

std::string CellText(const Grid& grid, int row, int col) { return std::string(grid.text(row, col).view()); }
}  // namespace

class DefinitionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void okStoresTheTypedDefinitionAndCloses() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        QPointer<VariableDefinitionDialog> dialog = owned(new VariableDefinitionDialog(t.app, sheet));
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QString("変数の定義"));
        QCOMPARE(Child<QLineEdit>(dialog, "txtVarNo")->text(), QString("2"));
        QCOMPARE(Child<QLineEdit>(dialog, "txtVName")->text(), QString("V2"));
        QVERIFY(Child<QRadioButton>(dialog, "optTypeCont")->isChecked());
        QVERIFY(!Child<QLineEdit>(dialog, "txtRange0")->isEnabled());
        Retype(Child<QLineEdit>(dialog, "txtVName"), "性別");
        Child<QRadioButton>(dialog, "optTypeCateg")->click();
        QVERIFY(Child<QLineEdit>(dialog, "txtRange0")->isEnabled());
        QVERIFY(Child<QLabel>(dialog, "lblRange")->isEnabled());
        QCOMPARE(Child<QLineEdit>(dialog, "txtRange0")->text(), QString("0"));
        Retype(Child<QLineEdit>(dialog, "txtRange0"), "1");
        Retype(Child<QLineEdit>(dialog, "txtRange1"), "2.5");
        Child<QPushButton>(dialog, "cmdOk")->click();
        QCOMPARE(CellText(sheet.grdVo, 1, 3), std::string("性別"));
        QCOMPARE(CellText(sheet.grdVoLabel, 1, 2), std::string("2"));
        QCOMPARE(CellText(sheet.grdVoLabel, 2, 2), std::string("2"));
        QVERIFY(sheet.modified());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void buttonsKeysAndNumberMoveBetweenVariables() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        auto* dialog = owned(new VariableDefinitionDialog(t.app, sheet));
        dialog->show();
        auto* name = Child<QLineEdit>(dialog, "txtVName");
        auto* number = Child<QLineEdit>(dialog, "txtVarNo");
        Child<QPushButton>(dialog, "cmdNext")->click();
        QCOMPARE(number->text(), QString("3"));
        QVERIFY(!Child<QPushButton>(dialog, "cmdNext")->isEnabled());
        QTest::keyClick(name, Qt::Key_Up);
        QTest::keyClick(name, Qt::Key_Up);
        QCOMPARE(number->text(), QString("1"));
        QVERIFY(!Child<QPushButton>(dialog, "cmdBefore")->isEnabled());
        Retype(name, "a,b");
        QTest::keyClick(name, Qt::Key_Down);
        QCOMPARE(number->text(), QString("1"));
        QCOMPARE(t.ui.messages.size(), std::size_t(1));
        QCOMPARE(t.ui.messages[0].text, std::string("変数名が間違っています。"));
        Retype(name, "ab");
        Retype(number, "5");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(name->text(), QString(""));
        QCOMPARE(sheet.grdVo.col(), 6);
        QCOMPARE(CellText(sheet.grdVo, 1, 2), std::string("ab"));
        Retype(number, "x");
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(t.ui.messages.back().text, std::string("変更したい変数番号を指定してください"));
        QCOMPARE(t.ui.beeps, 1);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void closingTheWindowDropsTheOpenNameChange() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        QPointer<VariableDefinitionDialog> dialog = owned(new VariableDefinitionDialog(t.app, sheet));
        Activate(dialog);
        Retype(Child<QLineEdit>(dialog, "txtVName"), "途中");
        Child<QLineEdit>(dialog, "txtVarNo")->setFocus();  // the name field is left
        QCOMPARE(CellText(sheet.grdVoLabel, 0, 2), std::string("途中"));
        sheet.grdVo.setCurrent(5, 4);
        dialog->close();
        QCOMPARE(CellText(sheet.grdVoLabel, 0, 2), std::string("V2"));
        QCOMPARE(CellText(sheet.grdVo, 1, 3), std::string("V2"));
        QCOMPARE(sheet.grdVo.col(), 3);
        QVERIFY(!sheet.modified());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void escapeActsAsCancel() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        QPointer<VariableDefinitionDialog> dialog = owned(new VariableDefinitionDialog(t.app, sheet));
        Activate(dialog);
        Retype(Child<QLineEdit>(dialog, "txtVName"), "途中");
        Child<QLineEdit>(dialog, "txtVarNo")->setFocus();
        QTest::keyClick(Child<QLineEdit>(dialog, "txtVarNo"), Qt::Key_Escape);
        QCOMPARE(CellText(sheet.grdVoLabel, 0, 2), std::string("V2"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void statisticsViewOpensBesideAndFillsTheRange() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        auto* dialog = owned(new VariableDefinitionDialog(t.app, sheet));
        dialog->show();
        Child<QPushButton>(dialog, "cmdStat")->click();
        QPointer<StatisticsView> view = dialog->statisticsView();
        QVERIFY(view && view->isVisible());
        QCOMPARE(Child<QLabel>(view, "lblBStat")->text(), QString("<< 第 2 変数 >>"));
        QVERIFY(view->x() >= dialog->frameGeometry().right());
        Child<QPushButton>(dialog, "cmdNext")->click();
        QCOMPARE(Child<QLabel>(view, "lblBStat")->text(), QString("<< 第 3 変数 >>"));
        Child<QRadioButton>(dialog, "optTypeCateg")->click();
        QCOMPARE(Child<QLineEdit>(dialog, "txtRange0")->text(), Child<QLabel>(view, "lblUniStat1")->text());
        QCOMPARE(Child<QLineEdit>(dialog, "txtRange1")->text(), Child<QLabel>(view, "lblUniStat0")->text());
        Child<QPushButton>(dialog, "cmdOk")->click();
        QCOMPARE(CellText(sheet.grdVoLabel, 3, 3), std::string("7"));
        QCOMPARE(CellText(sheet.grdVoLabel, 2, 3), std::string("9"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
    }

    void openKeepsOneDialogThatFollowsTheCursor() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        auto* first = owned(VariableDefinitionDialog::Open(t.app, sheet, nullptr));
        sheet.grdVo.setCurrent(3, 4);
        QCOMPARE(VariableDefinitionDialog::Open(t.app, sheet, nullptr), first);
        QCOMPARE(Child<QLineEdit>(first, "txtVarNo")->text(), QString("3"));
        auto* bulk = owned(BulkTypeDialog::Open(t.app, sheet, nullptr));
        QCOMPARE(BulkTypeDialog::Open(t.app, sheet, nullptr), bulk);
    }

    void closingTheSheetClosesTheDialogs() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        QPointer<VariableDefinitionDialog> definition = owned(new VariableDefinitionDialog(t.app, sheet));
        QPointer<BulkTypeDialog> bulk = owned(new BulkTypeDialog(t.app, sheet));
        definition->show();
        bulk->show();
        ForgetClosedSheet(t.app, sheet.number());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(definition.isNull());
        QVERIFY(bulk.isNull());
    }

    void bulkTypingTypesTheChosenNames() {
        test::TestApp t;
        Cleanup owned;
        Sheet& sheet = ThreeVariables(t);
        sheet.grdVo.setText(1, 4, "V2");  // variable 3 shares the name of variable 2
        QPointer<BulkTypeDialog> dialog = owned(new BulkTypeDialog(t.app, sheet));
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QString("変数の型の一括指定"));
        auto* available = Child<QListWidget>(dialog, "lstVar");
        QCOMPARE(available->count(), 3);
        Child<QPushButton>(dialog, "cmdExec")->click();
        QCOMPARE(t.ui.beeps, 1);
        available->item(1)->setSelected(true);
        Child<QPushButton>(dialog, "cmdData")->click();
        QCOMPARE(Child<QListWidget>(dialog, "lstData")->count(), 1);
        QCOMPARE(available->count(), 2);
        QVERIFY(Child<QLabel>(dialog, "lblRange")->isHidden());
        Child<QRadioButton>(dialog, "optVType1")->click();
        QVERIFY(!Child<QLabel>(dialog, "lblRange")->isHidden());
        QVERIFY(Child<QLineEdit>(dialog, "txtRange0")->isEnabled());
        Retype(Child<QLineEdit>(dialog, "txtRange0"), "1");
        Child<QPushButton>(dialog, "cmdExec")->click();
        QCOMPARE(t.ui.beeps, 2);  // one range field only
        Retype(Child<QLineEdit>(dialog, "txtRange1"), "3");
        Child<QPushButton>(dialog, "cmdExec")->click();
        QCOMPARE(CellText(sheet.grdVoLabel, 1, 2), std::string("3"));
        QCOMPARE(CellText(sheet.grdVoLabel, 1, 3), std::string("3"));
        QCOMPARE(CellText(sheet.grdVoLabel, 1, 1), std::string(""));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

REGISTER_GUI_TEST(DefinitionDialogsTest);
#include "DefinitionDialogsTest.moc"
