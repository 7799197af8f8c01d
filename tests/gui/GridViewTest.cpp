#include <QColor>
#include <QMdiSubWindow>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>

#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "app/ui/ProgramIcons.h"
#include "sheet/CaseGroups.h"
#include "platform/qt/QtUi.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/ui/NumberCellDelegate.h"
#include "sheet/ui/SheetWindow.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

using namespace zoriduvo;

namespace {
struct GridFrame {
    test::TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
    GridFrame() {
        frame.resize(900, 700);
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame)) qWarning("frame not shown");
        StartUp(t.app);
    }
    QTableView* view() { return qobject_cast<SheetWindow*>(frame.sheetWindow(1)->widget())->grid(); }
};
}  // namespace

class GridViewTest : public QObject {
    Q_OBJECT
private slots:
    void numbersThatDoNotFitShowHashes() {
        QStyleOptionViewItem option;
        option.fontMetrics = QFontMetrics(QFont());
        const QString number = "1.23457E+11";
        const int width = option.fontMetrics.horizontalAdvance(number);
        const struct {
            const char* name;
            int cellWidth;
            QString shown;
        } cases[] = {{"roomy", width + 20, number}, {"one pixel short", width, "###"}, {"narrow", width / 2, "###"}};
        for (const auto& c : cases) {
            option.rect = QRect(0, 0, c.cellWidth, 20);
            QVERIFY2(NumberCellDelegate::ShownText(number, option) == c.shown, c.name);
        }
    }

    void groupShadeIsAClearTint() {
        GridFrame f;
        Sheet& sheet = f.t.app.sheet(1);
        test::FillSheet(sheet, {{"1"}, {"2"}, {"3"}, {"4"}});
        ApplyCaseGroups(sheet, {2, 2});
        const QColor shade = f.view()->model()->index(2, 0).data(Qt::BackgroundRole).value<QColor>();
        QVERIFY(shade.isValid());
        QVERIFY2(std::min({shade.red(), shade.green(), shade.blue()}) < 225, qPrintable(shade.name()));
    }

    void statisticsBlockIsScrolledIntoView() {
        GridFrame f;
        Sheet& sheet = f.t.app.sheet(1);
        test::FillSheet(sheet, std::vector<std::vector<std::string>>(200, {"1", "2"}));
        f.frame.commands().run("mnuVStat");
        QTableView* view = f.view();
        const int first = StatisticsBlockRow(200, 0) - 2, last = LastStatisticsRow(200, 1) - 2;
        QVERIFY(view->rowViewportPosition(first) >= 0);
        QVERIFY(view->rowViewportPosition(last) + view->rowHeight(last) <= view->viewport()->height());
    }

    void ownIconsForTheToolbarAndTheWindow() {
        for (const char* name : {"fileNew", "fileOpen", "fileSave", "filePrint", "editCut", "editCopy", "editPaste",
                                 "valignLeft", "valignCenter", "valignRight", "sortAs", "sortDs", "program"})
            QVERIFY2(!ProgramIcon(name).pixmap(16, 16).isNull(), name);
    }
};

REGISTER_GUI_TEST(GridViewTest);
#include "GridViewTest.moc"
