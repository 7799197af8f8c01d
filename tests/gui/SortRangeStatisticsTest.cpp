#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "edit/ui/RangeDialog.h"
#include "edit/ui/SortDialog.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/ui/StatisticsView.h"

using namespace zoriduvo;

namespace {
using test::Child;

// Keys 3, 1, 2, 1 in variable 1 and the former case number in variable 2.
Sheet& KeyedSheet(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"3", "1"}, {"1", "2"}, {"2", "3"}, {"1", "4"}});
    return sheet;
}

QStringList Column(const Sheet& sheet, int col) {
    QStringList texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts << QString::fromUtf8(sheet.grdVo.text(c + 1, col).view());
    return texts;
}

void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}
}  // namespace

class SortRangeStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void sortDialogSortsDescendingAndCloses() {
        test::TestApp t;
        Sheet& sheet = KeyedSheet(t);
        sheet.grdVo.setCurrent(3, 3);
        QPointer<SortDialog> dialog = new SortDialog(t.app, sheet.number());
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QString("Form1"));
        auto* key = Child<QComboBox>(dialog, "cmbSort");
        QCOMPARE(key->count(), 2);
        QCOMPARE(key->currentIndex(), 1);  // the current column's variable
        QVERIFY(Child<QRadioButton>(dialog, "optSort0")->isChecked());
        QVERIFY(Child<QGroupBox>(dialog, "frameSort")->isHidden());
        key->setCurrentIndex(0);
        Child<QRadioButton>(dialog, "optSort1")->click();
        Child<QPushButton>(dialog, "cmdDoSort")->click();
        QCOMPARE(Column(sheet, 2), QStringList({"3", "2", "1", "1"}));
        QCOMPARE(Column(sheet, 3), QStringList({"1", "3", "2", "4"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void sortDialogOffersGroupsOnlyOnAGroupedSheet() {
        test::TestApp t;
        Sheet& sheet = KeyedSheet(t);
        sheet.state().caseGroups = 2;
        sheet.grdSInfo.setText(0, 0, "2");
        sheet.grdSInfo.setText(0, 1, "2");
        auto* dialog = new SortDialog(t.app, sheet.number());
        dialog->show();
        QVERIFY(!Child<QGroupBox>(dialog, "frameSort")->isHidden());
        QVERIFY(Child<QRadioButton>(dialog, "optCGroup0")->isChecked());
        Child<QRadioButton>(dialog, "optCGroup1")->click();
        Child<QComboBox>(dialog, "cmbSort")->setCurrentIndex(0);
        Child<QPushButton>(dialog, "cmdDoSort")->click();
        QCOMPARE(Column(sheet, 2), QStringList({"1", "3", "1", "2"}));
        QCOMPARE(int(sheet.state().caseGroups), 2);
    }

    void sortDialogCancelPutsTheSelectionBack() {
        test::TestApp t;
        Sheet& sheet = KeyedSheet(t);
        sheet.grdVo.setCurrent(4, 2);
        sheet.grdVo.setSelectionEnd(5, 3);
        auto* dialog = new SortDialog(t.app, sheet.number());
        dialog->show();
        sheet.grdVo.setCurrent(2, 2);  // the user clicks about while the dialog stays open
        Child<QPushButton>(dialog, "cmdCancel")->click();
        QCOMPARE(sheet.grdVo.row(), 4);
        QCOMPARE(sheet.grdVo.rowSel(), 5);
        QCOMPARE(sheet.grdVo.colSel(), 3);
        QCOMPARE(Column(sheet, 2), QStringList({"3", "1", "2", "1"}));
    }

    void rangeDialogRefusesThenSetsTheRange() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, std::vector<std::vector<std::string>>(12, {"1", "2"}));
        sheet.state().rangeSelection = true;
        sheet.grdSInfo.setText(1, 0, "3");
        sheet.grdSInfo.setText(1, 1, "10");
        RangeDialog dialog(t.app, sheet);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("範囲指定"));
        QCOMPARE(Child<QLabel>(&dialog, "lblCRange")->text(), QString("12"));
        QCOMPARE(Child<QLabel>(&dialog, "lblNow")->text(), QString(" あり  [ 3- 10]"));
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        auto* from = Child<QLineEdit>(&dialog, "txtFrom");
        auto* to = Child<QLineEdit>(&dialog, "txtTo");
        QCOMPARE(from->text(), QString("3"));
        Retype(from, "0");
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(int(t.ui.messages.size()), 1);
        QCOMPARE(QString::fromStdString(t.ui.messages[0].text), QString("入力データに誤りがあります"));
        QCOMPARE(from->text(), QString("3"));
        QCOMPARE(to->text(), QString("10"));
        QVERIFY(dialog.isVisible());
        Retype(from, "4");
        Retype(to, "6");
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QString::fromUtf8(sheet.grdSInfo.text(1, 0).view()), QString("4"));
        QCOMPARE(QString::fromUtf8(sheet.grdSInfo.text(1, 1).view()), QString("6"));
    }

    void rangeDialogWithoutRangeHidesTheRemoveButton() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, std::vector<std::vector<std::string>>(5, {"1", "2"}));
        RangeDialog dialog(t.app, sheet);
        dialog.show();
        QVERIFY(Child<QPushButton>(&dialog, "cmdRemo")->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "lblNow")->text(), QString(" なし "));
        QCOMPARE(Child<QLineEdit>(&dialog, "txtTo")->text(), QString("5"));
    }

    void statisticsViewShowsAVariableAndEmptiesOnClosing() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"2", ""}, {"4", ""}});
        StatisticsView view(sheet);
        QSignalSpy closed(&view, &StatisticsView::closed);
        view.setVariable(1);
        view.show();
        QCOMPARE(view.windowTitle(), QString("基礎統計量"));
        QCOMPARE(Child<QLabel>(&view, "lblBStat")->text(), QString("<< 第 1 変数 >>"));
        QCOMPARE(Child<QLabel>(&view, "lblUniStat2")->text(), QString("3.000000000"));
        QCOMPARE(Child<QLabel>(&view, "lblUniStat4")->text(), QString("2"));
        view.showVariable(2);
        QCOMPARE(Child<QLabel>(&view, "lblUniStat0")->text(), QString("-"));
        QCOMPARE(Child<QLabel>(&view, "lblUniStat4")->text(), QString("0"));
        Child<QPushButton>(&view, "cmdOK")->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(Child<QLabel>(&view, "lblUniStat4")->text().isEmpty());
    }
};

REGISTER_GUI_TEST(SortRangeStatisticsTest);
#include "SortRangeStatisticsTest.moc"
