// Opening the large set: through the core call zoriduvo-cli makes, and in the shown frame as Open
// does until the first screen of the sheet is painted; then scrolling that sheet to its last case
// and back.
#include <optional>
#include <string>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

#include "GuiBench.h"
#include "files/OpenCommand.h"
#include "sheet/App.h"
#include "sheet/ui/NumberCellDelegate.h"
#include "sheet/ui/SheetWindow.h"

namespace zoriduvo::bench {
namespace {

// Into sheet 1 of an App started as zoriduvo-cli starts it, without Qt.
void BM_CliOpenLarge(benchmark::State& state) {
    const std::string path = SetPath("large");
    std::optional<test::TestApp> t;
    for (auto _ : state) {
        state.PauseTiming();
        t.reset();
        t.emplace();
        StartUp(t->app);
        t->app.setActiveSheet(1);
        state.ResumeTiming();
        if (OpenPath(t->app, path, 1) != OpenOutcome::Opened || !t->ui.messages.empty()) {
            state.SkipWithError("the set did not open without a word");
            break;
        }
    }
    t.reset();  // the loop has stopped the clock
}
BENCHMARK(BM_CliOpenLarge)->Unit(benchmark::kMillisecond)->UseRealTime();

// Until everything posted by the open ran and the frame with the new sheet's first screen is painted.
void BM_GuiOpenLarge(benchmark::State& state) {
    const std::string path = SetPath("large");
    std::optional<ShownFrame> shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.reset();
        shown.emplace();
        QApplication::processEvents();
        state.ResumeTiming();
        if (!OpenAsFrameDoes(state, shown->t, path)) break;
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown->frame.grab());
    }
    shown.reset();  // the loop has stopped the clock
}
BENCHMARK(BM_GuiOpenLarge)->Unit(benchmark::kMillisecond)->UseRealTime();

// The grid's own delegate, counting the cells it is asked to paint or to size.
class CountingDelegate : public NumberCellDelegate {
public:
    using NumberCellDelegate::NumberCellDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++painted;
        NumberCellDelegate::paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++sized;
        return NumberCellDelegate::sizeHint(option, index);
    }
    mutable long long painted = 0, sized = 0;
};

// Scroll bar to the last case, paint, back to the first, paint: what a drag of the thumb costs.
void BM_ScrollToLastCaseAndBack(benchmark::State& state) {
    ShownFrame shown;
    QApplication::processEvents();
    const std::string path = SetPath("large");
    if (!OpenAsFrameDoes(state, shown.t, path)) return;
    QApplication::processEvents();
    const int number = SheetHoldingFile(shown.t.app, path);
    auto* window = qobject_cast<SheetWindow*>(shown.frame.sheetWindow(number)->widget());
    QTableView* view = window->grid();
    auto* delegate = new CountingDelegate(view);
    view->setItemDelegate(delegate);
    QScrollBar* bar = view->verticalScrollBar();
    const int lastCase = shown.t.app.sheet(number).caseCount();
    view->scrollTo(view->model()->index(lastCase - 1, 0));
    QApplication::processEvents();
    const int bottom = bar->value();
    bar->setValue(0);
    QApplication::processEvents();
    delegate->painted = delegate->sized = 0;
    for (auto _ : state) {
        bar->setValue(bottom);
        benchmark::DoNotOptimize(window->grab());
        bar->setValue(0);
        benchmark::DoNotOptimize(window->grab());
    }
    // A label, not counters: the CSV output wants the same counters in every benchmark (and no comma).
    const long long rounds = state.iterations() > 0 ? static_cast<long long>(state.iterations()) : 1;
    state.SetLabel(std::to_string(delegate->painted / rounds) + " cells painted; " +
                   std::to_string(delegate->sized / rounds) + " sized; top row " + std::to_string(bottom) +
                   " at the end");
}
BENCHMARK(BM_ScrollToLastCaseAndBack)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zoriduvo::bench
