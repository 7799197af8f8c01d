#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "support/Fakes.h"

using namespace zoriduvo;

namespace {
struct SizedFrame {
    test::TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
    SizedFrame() {
        frame.resize(900, 700);
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame)) qWarning("frame not shown");
        StartUp(t.app);
    }
    QList<QMdiSubWindow*> windows() const { return frame.mdiArea()->subWindowList(QMdiArea::CreationOrder); }
    QRect area() const { return frame.mdiArea()->viewport()->rect(); }
};
}  // namespace

class ChildPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void newSheetsCascadeInsideTheFrame() {
        SizedFrame f;
        for (int i = 0; i < 2; ++i) f.frame.commands().run("mnuFNew");
        const auto windows = f.windows();
        QCOMPARE(windows.size(), 3);
        QCOMPARE(windows[0]->pos(), QPoint(0, 0));
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY2(f.area().contains(windows[i]->geometry()), qPrintable(QString::number(i)));
            if (i > 0) QVERIFY(windows[i]->x() > windows[i - 1]->x() && windows[i]->y() > windows[i - 1]->y());
        }
    }

    void cascadeKeepsTheNewSheetSize() {
        SizedFrame f;
        for (int i = 0; i < 2; ++i) f.frame.commands().run("mnuFNew");
        const QSize size = f.windows()[0]->size();
        for (QMdiSubWindow* window : f.windows()) window->resize(300, 200);
        f.frame.commands().run("mnuWCascade");
        for (QMdiSubWindow* window : f.windows()) {
            QCOMPARE(window->size(), size);
            QVERIFY(f.area().contains(window->geometry()));
        }
    }
};

REGISTER_GUI_TEST(ChildPlacementTest);
#include "ChildPlacementTest.moc"
