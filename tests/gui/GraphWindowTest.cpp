#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <deque>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/ui/GraphOutput.h"
#include "graphs/ui/GraphDialogs.h"
#include "graphs/ui/GraphWindow.h"
#include "support/SheetFill.h"

#include <QListWidget>
#include <QPushButton>
#include <QLineEdit>
#include "platform/qt/QtText.h"

using namespace zoriduvo;

namespace {

Graph ScatterGraph() {
    Graph graph;
    graph.data = {{"1", "X", "Y", ""}, {"A", "1", "1", "1"}, {"B", "2", "4", "0"}, {"C", "3", "9", "1"}};
    graph.titles = {"散布図: X X Y", "X", "Y"};
    return graph;
}

bool Dark(const QImage& image, int x, int y, int below) { return qGray(image.pixel(x, y)) < below; }

// The dark pixels of a with nothing dark in b within a pixel of them: what one picture draws and the
// other does not, with room for the two renderers' antialiasing.
int Unmatched(const QImage& a, const QImage& b) {
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Dark(a, x, y, 128)) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.valid(x + dx, y + dy) && Dark(b, x + dx, y + dy, 192);
            unmatched += near ? 0 : 1;
        }
    return unmatched;
}

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += Dark(image, x, y, 128) ? 1 : 0;
    return dark;
}

// Shown at that size and activated, as a new graph window is.
void ShowAt(GraphWindow& window, QSize size) {
    window.resize(size);
    window.show();
    window.activate();
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void savesBitmapAndPngAtTheWindowSize() {
        test::Frame f;
        GraphWindow window(f.t.app, 1, ScatterGraph());
        ShowAt(window, {400, 300});
        QTemporaryDir dir;
        for (const char* name : {"plot.bmp", "plot.png"}) {
            const QString path = dir.filePath(name);
            f.t.ui.fileNames.push_back(ToUtf8(path));
            SaveGraph(f.t.app, window);
            const QImage back(path);
            QCOMPARE(back.size(), QSize(400, 300));
            QCOMPARE(back.pixelColor(200, 150).isValid(), true);
        }
    }

    // The saved SVG as the desktop's viewer draws it is the picture in the window: titles whole where
    // the window has them, lines as wide, points where they are.
    void svgDrawsInAViewerAsInTheWindow() {
        if (QStandardPaths::findExecutable("rsvg-convert").isEmpty())
            QSKIP("rsvg-convert is not installed (scripts/deps.sh installs librsvg2-bin)");
        test::Frame f;
        GraphWindow window(f.t.app, 1, ScatterGraph());
        ShowAt(window, {640, 480});
        QTemporaryDir dir;
        const QString svg = dir.filePath("plot.svg"), png = dir.filePath("plot.png");
        f.t.ui.fileNames.push_back(ToUtf8(svg));
        SaveGraph(f.t.app, window);
        QProcess viewer;
        viewer.start("rsvg-convert", {"-w", "640", "-h", "480", "-b", "white", "-o", png, svg});
        QVERIFY(viewer.waitForFinished(30000));
        QCOMPARE(viewer.exitCode(), 0);
        const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), shown.size());
        const int missing = Unmatched(shown, drawn), extra = Unmatched(drawn, shown), ink = DarkPixels(shown);
        QVERIFY2((missing + extra) * 50 < ink,
                 qPrintable(QString("%1 dark pixels missing, %2 extra, of %3").arg(missing).arg(extra).arg(ink)));
    }

    // Without a printer the graph is offered as a PDF, as the sheet's printing offers it.
    void printWithoutAPrinterOffersThePdf() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer");
        struct Case {
            const char* name;
            std::deque<Answer> answers;
            bool written;
        } cases[] = {{"PDF declined", {Answer::No}, false}, {"PDF taken", {Answer::Yes}, true}};
        for (const Case& c : cases) {
            test::Frame f;
            GraphWindow window(f.t.app, 1, ScatterGraph());
            ShowAt(window, {400, 300});
            QTemporaryDir dir;
            f.t.ui.answers = c.answers;
            f.t.ui.fileNames = {ToUtf8(dir.filePath("graph.pdf"))};
            PrintGraph(f.t.app, window);
            QCOMPARE(f.t.ui.messages.size(), std::size_t{1});
            QCOMPARE(f.t.ui.messages[0].text, std::string("使用できるプリンタがありません。\nPDF に保存しますか？"));
            QFile pdf(dir.filePath("graph.pdf"));
            QVERIFY2(pdf.exists() == c.written, c.name);
            if (!c.written) continue;
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
            QVERIFY(pdf.size() > 1000);  // the picture, not an empty page
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

    void dialogsFillTheGraphFromTheSheet() {
        test::Frame f;
        Sheet& sheet = f.t.app.sheet(1);
        test::FillSheet(sheet, {{"1", "2", "3"}, {"4", "", "6"}, {"7", "8", "9"}});
        std::vector<Graph> made;
        const auto keep = [&made](Graph graph) { made.push_back(std::move(graph)); };
        const auto pick = [](QDialog& dialog, const char* list, int row, const char* button) {
            dialog.findChild<QListWidget*>(list)->setCurrentRow(row);
            dialog.findChild<QPushButton*>(button)->click();
        };
        ScatterDialog scatter(f.t.app, sheet, keep);
        pick(scatter, "lstVar", 1, "cmdYData");  // V2
        pick(scatter, "lstVar", 0, "cmdXData");  // V1
        QCOMPARE(scatter.findChild<QLineEdit*>("txtTitle")->text(), QString("散布図: V1 X V2"));
        scatter.findChild<QPushButton*>("cmdExec")->click();
        BoxDialog box(f.t.app, sheet, keep);
        box.findChild<QListWidget*>("lstVar")->selectAll();
        box.findChild<QPushButton*>("cmdData")->click();
        box.findChild<QPushButton*>("cmdExec")->click();
        QCOMPARE(made.size(), std::size_t(2));
        QCOMPARE(made[0].data.size(), std::size_t(4));
        QCOMPARE(made[0].data[2][2], std::string());  // the blank keeps its row
        QCOMPARE(made[0].titles.title, std::string("散布図: V1 X V2"));
        QCOMPARE(ReadBoxes(made[1].data).size(), std::size_t(3));  // three boxes on one axis
        QCOMPARE(made[1].caption, "Box Plot : " + sheet.caption());
    }
};

REGISTER_GUI_TEST(GraphWindowTest);
#include "GraphWindowTest.moc"
