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

constexpr double kPerTwip = kDpi / 1440.0;

// The large set opened as the frame opens it; nullptr (and the benchmark skipped) when it fails.
const Sheet* OpenLarge(benchmark::State& state, test::TestApp& t) {
    StartUp(t.app);
    const std::string path = SetPath("large");
    if (!OpenAsFrameDoes(state, t, path)) return nullptr;
    return &t.app.sheet(SheetHoldingFile(t.app, path));
}

Graph ScatterOf(const Sheet& sheet) {
    Graph graph;
    graph.data = ScatterTable(sheet, 1, 2, CaseRange{1, sheet.caseCount()});
    return graph;
}

PlotPicture PictureOf(const Graph& graph) {
    const TwipSize size{static_cast<int>(kWindow.width() / kPerTwip), static_cast<int>(kWindow.height() / kPerTwip)};
    return DrawGraph(graph, ReadGraphView(graph), size, QtTextMetrics(kDpi));
}

void PaintInto(QImage& image, const PlotPicture& picture) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DisplayListPainter(painter, kPerTwip).paint(picture.list);
}

void BM_ScatterBuildAndPaint(benchmark::State& state) {
    test::TestApp t;
    const Sheet* sheet = OpenLarge(state, t);
    if (!sheet) return;
    for (auto _ : state) {
        QImage image(kWindow, QImage::Format_RGB32);
        PaintInto(image, PictureOf(ScatterOf(*sheet)));
        benchmark::DoNotOptimize(image);
    }
    state.SetLabel(std::to_string(sheet->caseCount()) + " points");
}
BENCHMARK(BM_ScatterBuildAndPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// The display list alone, to tell the painter's share from the build's.
void BM_ScatterPaintOnly(benchmark::State& state) {
    test::TestApp t;
    const Sheet* sheet = OpenLarge(state, t);
    if (!sheet) return;
    const PlotPicture picture = PictureOf(ScatterOf(*sheet));
    QImage image(kWindow, QImage::Format_RGB32);
    for (auto _ : state) PaintInto(image, picture);
}
BENCHMARK(BM_ScatterPaintOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zoriduvo::bench
