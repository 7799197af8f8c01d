#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "GuiTestRegistry.h"
#include "categories/ui/CaseGroupDialog.h"
#include "edit/ui/RangeDialog.h"
#include "sheet/CaseGroups.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "transform/ui/TransformDialog.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/VariableDefinitionDialog.h"

using namespace zoriduvo;

namespace {
Sheet& TenCases(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(10, {"1", "2"}));
    sheet.grdVo.setCurrent(2, 2);
    return sheet;
}

void Activate(QWidget* dialog) {
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog)) qWarning("dialog not active");
}

QString Focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// The named controls in the order Tab visits them.
QStringList TabChain(QWidget* dialog, const QStringList& names) {
    QStringList order;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain())
        if (names.contains(w->objectName()) && !order.contains(w->objectName())) order << w->objectName();
    return order;
}
}  // namespace

class DialogFocusTest : public QObject {
    Q_OBJECT
private slots:
    void tabFollowsTheVisualOrder() {
        const struct {
            const char* name;
            std::function<QDialog*(App&, Sheet&)> open;
            QStringList chain;
        } cases[] = {
            {"bulk types", [](App& a, Sheet& s) { return new BulkTypeDialog(a, s); },
             {"lstVar", "cmdData", "cmdReturn", "lstData", "txtRange0", "txtRange1", "cmdExec", "cmdCancel"}},
            {"definition", [](App& a, Sheet& s) { return new VariableDefinitionDialog(a, s); },
             {"txtVarNo", "txtVName", "txtRange0", "txtRange1", "cmdBefore", "cmdNext", "cmdStat", "cmdOk", "cmdCancel"}},
            {"transformation", [](App& a, Sheet& s) { return new TransformDialog(a, s); },
             {"txtTForm", "cmdTrans", "lstTForm", "cmdRep", "cmdRemo", "lstFunc", "lstVar", "cmdExec", "cmdCancel"}},
            {"case groups", [](App& a, Sheet& s) { return new CaseGroupDialog(a, s); },
             {"lstCGroup", "cmdRep", "cmdJoint", "txtCGroupE", "txtCGroupC", "cmdCGroup", "cmdRest", "cmdExec",
              "cmdCancel"}},
            {"range", [](App& a, Sheet& s) { return new RangeDialog(a, s); },
             {"txtFrom", "txtTo", "cmdRemo", "cmdExec", "cmdCancel"}},
        };
        for (const auto& c : cases) {
            test::TestApp t;
            std::unique_ptr<QDialog> dialog(c.open(t.app, TenCases(t)));
            QCOMPARE(TabChain(dialog.get(), c.chain), c.chain);
        }
    }

    void caseGroupsFocusAndChoice() {
        test::TestApp t;
        Sheet& sheet = TenCases(t);
        {
            CaseGroupDialog dialog(t.app, sheet);
            Activate(&dialog);
            QCOMPARE(Focused(), QString("txtCGroupC"));
            QTest::keyClicks(QApplication::focusWidget(), "10");
            QTest::keyClick(dialog.findChild<QPushButton*>("cmdCGroup"), Qt::Key_Space);
            QCOMPARE(Focused(), QString("cmdExec"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        ApplyCaseGroups(sheet, {3, 3, 4});
        CaseGroupDialog dialog(t.app, sheet);
        Activate(&dialog);
        QCOMPARE(Focused(), QString("lstCGroup"));
        QVERIFY(!dialog.findChild<QPushButton*>("cmdRep")->isEnabled());
        dialog.findChild<QListWidget*>("lstCGroup")->setCurrentRow(1);
        QVERIFY(dialog.findChild<QPushButton*>("cmdRep")->isEnabled());
        QVERIFY(dialog.findChild<QPushButton*>("cmdJoint")->isEnabled());
    }

    void restKeepsTheLayoutInPlace() {
        test::TestApp t;
        CaseGroupDialog dialog(t.app, TenCases(t));
        Activate(&dialog);
        auto places = [&dialog] {
            QMap<QString, QRect> shown;
            for (QWidget* w : dialog.findChildren<QWidget*>())
                if (!w->objectName().isEmpty() && w->isVisible()) shown[w->objectName()] = w->geometry();
            return shown;
        };
        const auto before = places();
        dialog.findChild<QPushButton*>("cmdRest")->click();
        QVERIFY(dialog.findChild<QWidget*>("lblRestS")->isHidden());
        QCoreApplication::sendPostedEvents();
        for (auto [name, place] : places().asKeyValueRange()) QVERIFY2(before.value(name) == place, qPrintable(name));
    }
};

REGISTER_GUI_TEST(DialogFocusTest);
#include "DialogFocusTest.moc"
