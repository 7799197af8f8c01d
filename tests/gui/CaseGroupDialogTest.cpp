#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "sheet/CaseGroups.h"
#include "categories/ui/CaseGroupDialog.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

using namespace zoriduvo;

namespace {
using test::Child;

Sheet& TenCases(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(10, {"1", "2"}));
    sheet.setModified(false);
    return sheet;
}

void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

QStringList Lines(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}
}  // namespace

class CaseGroupDialogTest : public QObject {
    Q_OBJECT
private slots:
    void definingThreeGroupsAndApplying() {
        test::TestApp t;
        Sheet& sheet = TenCases(t);
        CaseGroupDialog dialog(t.app, sheet);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("ケースグループ"));
        auto* count = Child<QLineEdit>(&dialog, "txtCGroupC");
        auto* end = Child<QLineEdit>(&dialog, "txtCGroupE");
        QVERIFY(Child<QLabel>(&dialog, "lblCG")->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "lblRestC")->text(), QString("9"));
        QVERIFY(!Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
        QVERIFY(Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        Retype(count, "3");
        QCOMPARE(end->text(), QString("3"));
        QCOMPARE(Child<QLabel>(&dialog, "lblRestS")->text(), QString("4"));
        Child<QPushButton>(&dialog, "cmdCGroup")->click();
        QCOMPARE(Child<QLineEdit>(&dialog, "txtCGroupS")->text(), QString("4"));
        // One step up the spinner raises the end by one.
        Child<QScrollBar>(&dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(end->text(), QString("5"));
        QCOMPARE(count->text(), QString("2"));
        Retype(end, "6");
        QCOMPARE(count->text(), QString("3"));
        Child<QPushButton>(&dialog, "cmdCGroup")->click();
        Child<QPushButton>(&dialog, "cmdRest")->click();
        QVERIFY(Child<QLabel>(&dialog, "lblRestS")->isHidden());
        Child<QPushButton>(&dialog, "cmdCGroup")->click();
        QCOMPARE(Lines(Child<QListWidget>(&dialog, "lstCGroup")),
                 QStringList({"1 - 3  (3 )", "4 - 6  (3 )", "7 - 10  (4 )"}));
        QVERIFY(Child<QGroupBox>(&dialog, "frameCG")->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "lblCG")->text(), QString("全 "));
        QCOMPARE(Child<QLabel>(&dialog, "lblGroupN")->text(), QString("3"));
        QVERIFY(Child<QPushButton>(&dialog, "cmdExec")->isEnabled());
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(sheet.state().caseGroups), 3);
        QCOMPARE(sheet.grdVo.backColour(5, 2), kCaseGroupShade);
        QCOMPARE(sheet.grdVo.backColour(4, 2), kDefaultColour);
        QVERIFY(sheet.modified());
    }

    void refusedAddShowsTheMessage() {
        test::TestApp t;
        Sheet& sheet = TenCases(t);
        CaseGroupDialog dialog(t.app, sheet);
        dialog.show();
        Retype(Child<QLineEdit>(&dialog, "txtCGroupC"), "abc");
        QCOMPARE(t.ui.beeps, 3);  // each letter typed leaves a count that is not a number
        Child<QPushButton>(&dialog, "cmdCGroup")->click();
        QCOMPARE(t.ui.messages.size(), std::size_t(1));
        QCOMPARE(t.ui.messages[0].text, std::string("設定が誤っています"));
        QCOMPARE(Child<QListWidget>(&dialog, "lstCGroup")->count(), 0);
    }

    void displayModeJoinsCorrectsAndRemoves() {
        test::TestApp t;
        Sheet& sheet = TenCases(t);
        ApplyCaseGroups(sheet, {3, 3, 4});
        CaseGroupDialog dialog(t.app, sheet);
        dialog.show();
        auto* list = Child<QListWidget>(&dialog, "lstCGroup");
        QVERIFY(Child<QGroupBox>(&dialog, "frameCG")->isHidden());
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRep")->isHidden());
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRep")->isEnabled());
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        list->setCurrentRow(0);
        QVERIFY(!Child<QPushButton>(&dialog, "cmdJoint")->isEnabled());
        list->setCurrentRow(2);
        QVERIFY(Child<QPushButton>(&dialog, "cmdJoint")->isEnabled());
        Child<QPushButton>(&dialog, "cmdJoint")->click();
        QCOMPARE(Lines(list), QStringList({"1 - 3  (3 )", "4 - 10  (7 )"}));
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        Child<QPushButton>(&dialog, "cmdRep")->click();
        QVERIFY(!Child<QGroupBox>(&dialog, "frameCG")->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "lblCG")->text(), QString("現在"));
        QCOMPARE(Child<QLineEdit>(&dialog, "txtCGroupS")->text(), QString("4"));

        CaseGroupDialog again(t.app, sheet);
        again.show();
        Child<QPushButton>(&again, "cmdRemo")->click();
        QCOMPARE(int(sheet.state().caseGroups), 1);
        QCOMPARE(sheet.grdVo.backColour(5, 2), kDefaultColour);
    }

    void aSheetWithoutCasesGetsNoDialog() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        CaseGroupDialog::Run(t.app, sheet, nullptr);
        QCOMPARE(t.ui.messages.size(), std::size_t(1));
        QCOMPARE(t.ui.messages[0].text, std::string("データがありません"));
    }
};

REGISTER_GUI_TEST(CaseGroupDialogTest);
#include "CaseGroupDialogTest.moc"
