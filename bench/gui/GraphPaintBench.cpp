// A scatter plot of V1 against V2 over every case of the large set, built and painted as the graph
// window redraws it, into an image of a 1024 x 768 window.
#include <string>

#include <QImage>
#include <QPainter>

#include "GuiBench.h"
#include "files/OpenCommand.h"
#include "graphs/GraphData.h"
#include "graphs/GraphPicture.h"
#include "platform/qt/DisplayListPainter.h"
#include "platform/qt/QtTextMetrics.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"

namespace zoriduvo::bench {
namespace {

constexpr int kDpi = 96;
constexpr QSize kWindow{1024, 768};

QImage Paint(const Graph& graph, const GraphView& view) {
    const double perTwip = kDpi / 1440.0;
    const TwipSize size{static_cast<int>(kWindow.width() / perTwip), static_cast<int>(kWindow.height() / perTwip)};
    const PlotPicture picture = DrawGraph(graph, view, size, QtTextMetrics(kDpi));
    QImage image(kWindow, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DisplayListPainter(painter, perTwip).paint(picture.list);
    return image;
}

void BM_ScatterBuildAndPaint(benchmark::State& state) {
    test::TestApp t;
    StartUp(t.app);
    const std::string path = SetPath("large");
    if (!OpenAsFrameDoes(state, t, path)) return;
    const Sheet& sheet = t.app.sheet(SheetHoldingFile(t.app, path));
    for (auto _ : state) {
        Graph graph;
        graph.data = ScatterTable(sheet, 1, 2, CaseRange{1, sheet.caseCount()});
        benchmark::DoNotOptimize(Paint(graph, ReadGraphView(graph)));
    }
    state.SetLabel(std::to_string(sheet.caseCount()) + " points");
}
BENCHMARK(BM_ScatterBuildAndPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// The display list alone, to tell the painter's share from the build's.
void BM_ScatterPaintOnly(benchmark::State& state) {
    test::TestApp t;
    StartUp(t.app);
    const std::string path = SetPath("large");
    if (!OpenAsFrameDoes(state, t, path)) return;
    const Sheet& sheet = t.app.sheet(SheetHoldingFile(t.app, path));
    Graph graph;
    graph.data = ScatterTable(sheet, 1, 2, CaseRange{1, sheet.caseCount()});
    const GraphView view = ReadGraphView(graph);
    const double perTwip = kDpi / 1440.0;
    const PlotPicture picture = DrawGraph(
        graph, view, {static_cast<int>(kWindow.width() / perTwip), static_cast<int>(kWindow.height() / perTwip)},
        QtTextMetrics(kDpi));
    QImage image(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DisplayListPainter(painter, perTwip).paint(picture.list);
    }
}
BENCHMARK(BM_ScatterPaintOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zoriduvo::bench
