#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/ChildWindow.h"
#include "platform/qt/QtUi.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

using namespace zoriduvo;

namespace {
using test::Frame;

class GraphStandIn : public QWidget, public ChildWindow {
public:
    ChildKind childKind() const override { return ChildKind::Graph; }
    bool closing() const override { return false; }
};

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    return titles;
}
}  // namespace

class FrameCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void escapingFailureIsShownAndTheFrameGoesOn() {
        const struct {
            const char* name;
            std::function<void()> fail;
        } cases[] = {
            {"standard exception", [] { throw std::runtime_error("broken"); }},
            {"anything else", [] { throw 42; }},
        };
        for (const auto& c : cases) {
            Frame f;
            f.frame.commands().addOnSheet("mnuVNameLeft", [&c](Sheet&) { c.fail(); });
            f.frame.sheetAction("mnuVNameLeft")->trigger();
            QVERIFY2(f.t.ui.messages.size() == 1, c.name);
            QCOMPARE(f.t.ui.messages[0].text, std::string("内部エラーのため、この操作を完了できませんでした。"));
            QCOMPARE(f.t.ui.messages[0].title, std::string("Da ziv Oru32"));
            QVERIFY2(f.t.ui.messages[0].icon == MessageIcon::Critical, c.name);
            f.frame.sheetAction("mnuFNew")->trigger();
            QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 2);
        }
    }

    void graphWindowBringsItsMenuBar() {
        Frame f;
        QMdiSubWindow* graph = f.frame.mdiArea()->addSubWindow(new GraphStandIn);
        graph->show();
        f.frame.mdiArea()->setActiveSubWindow(graph);
        QCOMPARE(f.t.app.activeSheet(), 0);
        QCOMPARE(MenuTitles(f.frame.menuBar()),
                 QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&S)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
        QVERIFY(f.frame.graphAction("mnuWCascade")->isEnabled());
        QVERIFY(!f.frame.sheetAction("mnuWCascade")->isEnabled());
        f.frame.mdiArea()->setActiveSubWindow(f.frame.sheetWindow(1));
        QCOMPARE(MenuTitles(f.frame.menuBar()).size(), 8);
        QVERIFY(!f.frame.graphAction("mnuWCascade")->isEnabled());
    }
};

REGISTER_GUI_TEST(FrameCommandsTest);
#include "FrameCommandsTest.moc"
