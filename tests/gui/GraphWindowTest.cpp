#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "graphs/ui/GraphWindow.h"
#include "platform/qt/QtText.h"

using namespace zoriduvo;

namespace {

Graph ScatterGraph() {
    Graph graph;
    graph.data = {{"1", "X", "Y", ""}, {"A", "1", "1", "1"}, {"B", "2", "4", "0"}, {"C", "3", "9", "1"}};
    graph.titles = {"散布図: X X Y", "X", "Y"};
    return graph;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void savesBitmapAndPngAtTheWindowSize() {
        test::Frame f;
        GraphWindow window(f.t.app, 1, ScatterGraph());
        window.resize(400, 300);
        window.show();
        window.activate();
        QTemporaryDir dir;
        for (const char* name : {"plot.bmp", "plot.png"}) {
            const QString path = dir.filePath(name);
            f.t.ui.fileNames.push_back(ToUtf8(path));
            window.save();
            const QImage back(path);
            QCOMPARE(back.size(), QSize(400, 300));
            QCOMPARE(back.pixelColor(200, 150).isValid(), true);
        }
    }

    void dragLabelsPointsOnlyWithAnItemMarked() {
        test::Frame f;
        GraphWindow window(f.t.app, 1, ScatterGraph());
        window.resize(800, 600);
        window.show();
        window.activate();
        window.select({0, 0}, {799, 599});
        QCOMPARE(window.flags(), std::vector<PointLabel>(3, PointLabel::None));
        window.toggleCaseNames();
        window.select({0, 0}, {0, 0});  // a drag that ends where it began
        QCOMPARE(window.flags(), std::vector<PointLabel>(3, PointLabel::None));
        window.select({0, 0}, {799, 599});
        QCOMPARE(window.flags(), std::vector<PointLabel>(3, PointLabel::CaseName));
        window.activate();  // activation clears every label
        QCOMPARE(window.flags(), std::vector<PointLabel>(3, PointLabel::None));
    }
};

REGISTER_GUI_TEST(GraphWindowTest);
#include "GraphWindowTest.moc"
