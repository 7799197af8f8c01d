// Printing a set as the user meets it: the preview of the large set until its first page is painted,
// with the memory it adds beside the sheet's own; a PDF of the medium set against opening it.
#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

#include <QApplication>
#include <QTemporaryDir>

#include "GuiBench.h"
#include "files/OpenCommand.h"
#include "files/ui/PrintCommands.h"
#include "files/ui/PrintPreview.h"
#include "sheet/App.h"

namespace zoriduvo::bench {
namespace {

// The resident memory of the process in MiB.
double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096 / (1024.0 * 1024.0);
}

// The sheet opened into a started App, as zoriduvo-cli does.
struct OpenSet {
    explicit OpenSet(benchmark::State& state, const char* name) {
        StartUp(t.app);
        t.app.setActiveSheet(1);
        before = ResidentMiB();
        opened = OpenPath(t.app, SetPath(name), 1) == OpenOutcome::Opened && t.ui.messages.empty();
        if (!opened) state.SkipWithError("the set did not open without a word");
        sheetMiB = ResidentMiB() - before;
    }
    test::TestApp t;
    double before = 0, sheetMiB = 0;
    bool opened = false;
};

// Until the preview of the large set is shown with its first page painted.
void BM_PreviewFirstPageLarge(benchmark::State& state) {
    OpenSet set(state, "large");
    if (!set.opened) return;
    double previewMiB = 0;
    int pages = 0, drawn = 0;
    for (auto _ : state) {
        const double start = ResidentMiB();
        PrintPreview preview(set.t.app, set.t.app.sheet(1));
        preview.show();
        QApplication::processEvents();
        preview.pages()->viewport()->repaint();
        previewMiB = std::max(previewMiB, ResidentMiB() - start);  // the first preview, before memory is reused
        pages = preview.pages()->pageCount();
        drawn = preview.pages()->pagesDrawn();
        state.PauseTiming();
        preview.pages()->showPage(pages - 1);  // and it reaches the last page
        preview.pages()->viewport()->repaint();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(pages) + " pages; " + std::to_string(drawn) + " drawn; sheet " +
                   std::to_string(static_cast<int>(set.sheetMiB)) + " MiB; preview adds " +
                   std::to_string(static_cast<int>(previewMiB)) + " MiB");
}
BENCHMARK(BM_PreviewFirstPageLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Opening the medium set, the measure the PDF is held against.
void BM_OpenMedium(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<OpenSet> set;
        state.ResumeTiming();
        set.emplace(state, "medium");
        state.PauseTiming();
        set.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMedium)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every page of the medium set into a PDF, as "PDF に保存" writes it (the progress told per page).
void BM_PdfMedium(benchmark::State& state) {
    OpenSet set(state, "medium");
    if (!set.opened) return;
    QTemporaryDir folder;
    const std::string path = folder.filePath("medium.pdf").toStdString();
    int pages = 0;
    for (auto _ : state) {
        const bool written = PrintToPdf(set.t.app, set.t.app.sheet(1), path, [&pages](int, int count) {
            pages = count;
            return true;
        });
        if (!written) state.SkipWithError("the PDF was not written");
    }
    state.SetLabel(std::to_string(pages) + " pages");
}
BENCHMARK(BM_PdfMedium)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace zoriduvo::bench
