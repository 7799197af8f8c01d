#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "DialogChild.h"
#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "platform/qt/ModelessDialog.h"
#include "categories/CategoryMessages.h"
#include "categories/ui/CategoryToolDialogs.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/ui/CaseNameDialog.h"

using namespace zoriduvo;

namespace {
using test::Child;

void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Variable 1 coded 1..5, variable 2 coded 1..2.
Sheet& CodedSheet(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "1"}, {"3", "2"}, {"5", "1"}});
    WriteCategoryRange(sheet, 1, {5, 5, 1});
    WriteCategoryRange(sheet, 2, {2, 2, 1});
    return sheet;
}

void Choose(QWidget* dialog, int row) {
    auto* list = Child<QListWidget>(dialog, "lstVar");
    list->item(row)->setSelected(true);
    Child<QPushButton>(dialog, "cmdSelect")->click();
}
}  // namespace

class NamesAndCategoryDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void caseNamesAreTypedOneAfterAnotherPastTheLastCase() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"1"}, {"2"}});
        sheet.grdVo.setCurrent(2, 2);
        QPointer<CaseNameDialog> dialog = new CaseNameDialog(t.app, sheet);
        dialog->show();
        auto* name = Child<QLineEdit>(dialog, "txtCName");
        QVERIFY(!Child<QPushButton>(dialog, "cmdBefore")->isEnabled());
        const QStringList names = {"Ichiro", "Jiro", "Saburo"};
        for (int c = 0; c < 2; ++c) {
            Retype(name, names[c]);
            Child<QPushButton>(dialog, "cmdNext")->click();
        }
        QCOMPARE(Child<QLineEdit>(dialog, "txtCNumber")->text(), QString("3"));
        Retype(name, names[2]);
        Child<QPushButton>(dialog, "cmdReturn")->click();
        QCOMPARE(sheet.caseCount(), 3);
        for (int c = 1; c <= 3; ++c) QCOMPARE(QString::fromUtf8(sheet.grdVo.text(c + 1, 1).view()), names[c - 1]);
        QVERIFY(sheet.modified());
        delete dialog;
    }

    // The one dialog names the cases of the active sheet and says which sheet that is.
    void theCaseNameDialogFollowsTheActiveSheet() {
        test::Frame f;
        test::FillSheet(f.t.app.sheet(1), {{"1"}, {"2"}});
        f.frame.sheetAction("mnuDCaseNames")->trigger();
        QPointer<CaseNameDialog> first = ModelessInstance<CaseNameDialog>();
        QVERIFY(first);
        QVERIFY(first->windowTitle().endsWith(QString::fromUtf8(f.t.app.sheet(1).caption())));
        f.frame.sheetAction("mnuFNew")->trigger();
        QCOMPARE(f.t.app.activeSheet(), 2);
        Sheet& second = f.t.app.sheet(2);
        test::FillSheet(second, {{"5"}, {"6"}});
        f.frame.sheetAction("mnuDCaseNames")->trigger();
        QPointer<CaseNameDialog> dialog = ModelessInstance<CaseNameDialog>();
        QVERIFY(first.isNull());
        QCOMPARE(dialog->windowTitle(), QString("ケース名 - ") + QString::fromUtf8(second.caption()));
        Retype(Child<QLineEdit>(dialog, "txtCName"), "Jiro");
        Child<QPushButton>(dialog, "cmdReturn")->click();
        QCOMPARE(QString::fromUtf8(second.grdVo.text(2, 1).view()), QString("Jiro"));
        QCOMPARE(QString::fromUtf8(f.t.app.sheet(1).grdVo.text(2, 1).view()), QString("C1"));
    }

    void combinationMergesTheTypedRun() {
        test::TestApp t;
        Sheet& sheet = CodedSheet(t);
        CategoryCombinationDialog dialog(t.app, sheet);
        dialog.show();
        Choose(&dialog, 0);
        QTest::keyClicks(Child<QLineEdit>(&dialog, "txtCom0"), "2");
        QCOMPARE(Child<QLineEdit>(&dialog, "txtCom1")->text(), QString("2"));
        Retype(Child<QLineEdit>(&dialog, "txtCom1"), "3");
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 2).view()), QString("2"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(4, 2).view()), QString("4"));
        QCOMPARE(ReadCategoryRange(sheet, 1), (CategoryRange{4, 4, 1}));
    }

    void combinationRefusesARunHoldingNoDeclaredCode() {
        test::TestApp t;
        Sheet& sheet = CodedSheet(t);
        const CategoryRange declared = ReadCategoryRange(sheet, 1);
        CategoryCombinationDialog dialog(t.app, sheet);
        dialog.show();
        Choose(&dialog, 0);
        QTest::keyClicks(Child<QLineEdit>(&dialog, "txtCom0"), "70");
        Retype(Child<QLineEdit>(&dialog, "txtCom1"), "90");
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(t.ui.messages.size(), std::size_t{1});
        QCOMPARE(t.ui.messages[0].text, std::string("結合カテゴリの範囲に、変数に定義されたカテゴリがありません。"));
        QVERIFY(dialog.isVisible());  // the codes may be typed again
        QCOMPARE(ReadCategoryRange(sheet, 1), declared);
        QVERIFY(!sheet.modified());
    }

    void bindingProposesTheNameAndAddsTheVariable() {
        test::TestApp t;
        Sheet& sheet = CodedSheet(t);
        VariableBindingDialog dialog(t.app, sheet);
        dialog.show();
        Choose(&dialog, 0);
        Choose(&dialog, 0);
        QCOMPARE(Child<QLineEdit>(&dialog, "txtBName")->text(), QString("V1V2"));
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(sheet.variableCount(), 3);
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 4).view()), QString("6"));  // (3, 2) of 5 x 2
    }

    // A row selection limits both tools: they say which cases. A third variable is refused aloud.
    void categoryToolsShowTheirRowsAndBindingTakesTwo() {
        test::TestApp t;
        Sheet& sheet = CodedSheet(t);
        WriteCategoryRange(sheet, 3, {2, 2, 1});
        for (int c = 2; c <= 4; ++c) sheet.grdVo.setText(c, 4, "1");
        sheet.setEndCell(0, "4");
        sheet.grdVo.setCurrent(3, 2);
        sheet.grdVo.setSelectionEnd(4, sheet.grdVo.cols() - 1);
        CategoryCombinationDialog combination(t.app, sheet);
        QCOMPARE(Child<QLabel>(&combination, "lblNow1")->text(), QString(" あり  [ 2- 3]"));
        VariableBindingDialog binding(t.app, sheet);
        binding.show();
        QCOMPARE(Child<QLabel>(&binding, "lblNow1")->text(), QString(" あり  [ 2- 3]"));
        Child<QListWidget>(&binding, "lstVar")->selectAll();
        Child<QPushButton>(&binding, "cmdSelect")->click();
        QCOMPARE(Child<QListWidget>(&binding, "lstBList")->count(), 0);
        QCOMPARE(t.ui.messages.back().text, MessageOf(CategoryMessage::TwoVariablesOnly).text);
        Child<QListWidget>(&binding, "lstVar")->clearSelection();
        Choose(&binding, 0);
        Choose(&binding, 0);
        Choose(&binding, 0);
        QCOMPARE(Child<QListWidget>(&binding, "lstBList")->count(), 2);
        QCOMPARE(t.ui.messages.size(), std::size_t(2));
    }

    void transposingFromTheMenuOpensANewModifiedSheet() {
        test::Frame f;
        test::FillSheet(f.t.app.sheet(1), {{"1", "2", "3"}});
        f.frame.sheetAction("mnuDTranspose")->trigger();
        QCOMPARE(f.t.app.openCount(), 2);
        const Sheet& turned = f.t.app.sheet(2);
        QCOMPARE(turned.variableCount(), 1);
        QCOMPARE(turned.caseCount(), 3);
        QVERIFY(turned.modified());
        QVERIFY(!f.t.app.sheet(1).modified());
    }
};

REGISTER_GUI_TEST(NamesAndCategoryDialogsTest);
#include "NamesAndCategoryDialogsTest.moc"
