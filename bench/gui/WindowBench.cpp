// What the user does in the window after opening a set, each with the repaint it causes (the
// events it posted run, so the sheet window paints what changed), against the open of the same
// file through the core call zoriduvo-cli makes. The argument is the set: 0 small, 1 medium,
// 2 large. The label counts the cells the last round painted, so that a round that painted
// nothing shows.
#include <functional>
#include <optional>
#include <string>

#include <QApplication>
#include <QTableView>

#include "GuiBench.h"
#include "edit/ClipboardText.h"
#include "edit/FindReplace.h"
#include "edit/InsertDelete.h"
#include "edit/Sorting.h"
#include "files/OpenCommand.h"
#include "sheet/App.h"
#include "sheet/UndoHistory.h"
#include "sheet/ui/NumberCellDelegate.h"
#include "sheet/ui/SheetWindow.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"

namespace zoriduvo::bench {
namespace {

const char* const kSetNames[] = {"small", "medium", "large"};

const char* SetName(const benchmark::State& state) { return kSetNames[state.range(0)]; }

// The grid's own delegate, counting the cells it paints.
class PaintCounter : public NumberCellDelegate {
public:
    using NumberCellDelegate::NumberCellDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ++painted;
        NumberCellDelegate::paint(painter, option, index);
    }
    mutable long long painted = 0;
};

// The frame shown with the set open in a sheet window, everything the open posted run.
struct OpenWindow {
    ShownFrame shown;
    Sheet* sheet = nullptr;
    SheetWindow* window = nullptr;
    PaintCounter* counter = nullptr;

    bool open(benchmark::State& state) {
        QApplication::processEvents();
        const std::string path = SetPath(SetName(state));
        if (!OpenAsFrameDoes(state, shown.t, path)) return false;
        const int number = SheetHoldingFile(shown.t.app, path);
        sheet = &shown.t.app.sheet(number);
        window = qobject_cast<SheetWindow*>(shown.frame.sheetWindow(number)->widget());
        counter = new PaintCounter(window->grid());
        window->grid()->setItemDelegate(counter);
        QApplication::processEvents();
        return true;
    }
    App& app() { return shown.t.app; }
    // The command, then the repaint it caused.
    void run(const std::function<void()>& command) {
        counter->painted = 0;
        command();
        QApplication::processEvents();
    }
    void label(benchmark::State& state) const {
        state.SetLabel(std::string(SetName(state)) + ": " + std::to_string(counter->painted) + " cells painted");
    }
};

// Times command (then the repaint) in each round; before each, untimed, prepare.
void TimeInWindow(benchmark::State& state, const std::function<void(OpenWindow&)>& command,
                  const std::function<void(OpenWindow&)>& prepare = {}) {
    OpenWindow w;
    if (!w.open(state)) return;
    for (auto _ : state) {
        if (prepare) {
            state.PauseTiming();
            prepare(w);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        w.run([&] { command(w); });
        if (!w.shown.t.ui.messages.empty()) {
            state.SkipWithError("the command told the user something");
            break;
        }
    }
    w.label(state);
}

// Into sheet 1 of an App started as zoriduvo-cli starts it, without Qt: the yardstick.
void BM_CliOpenSet(benchmark::State& state) {
    const std::string path = SetPath(SetName(state));
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
    state.SetLabel(SetName(state));
}

// By V1 and by V2 in turn, so that each round moves the cases.
void BM_WindowSort(benchmark::State& state) {
    int key = 1;
    TimeInWindow(state, [&key](OpenWindow& w) {
        SortCases(w.app(), *w.sheet, key, false, false);
        key = 3 - key;
    });
}

// The third variable as the sum of the first two, by the names the set gives them.
void BM_WindowTransformation(benchmark::State& state) {
    TimeInWindow(state, [](OpenWindow& w) {
        const auto name = [&w](int v) { return std::string(w.sheet->grdVo.text(1, v + 1).view()); };
        TransformList list(ReadTransformSetup(*w.sheet));
        if (list.add(name(3) + " = " + name(1) + " + " + name(2))) return;
        ExecuteTransformation(w.app(), *w.sheet, list);
    });
}

void BM_WindowStatistics(benchmark::State& state) {
    TimeInWindow(state, [](OpenWindow& w) { w.shown.frame.sheetAction("mnuVStat")->trigger(); });
}

// The largest block the paste limit takes: 20 columns of one-character cells, as many rows as
// fit, over the data at the top.
void BM_WindowPasteLargestBlock(benchmark::State& state) {
    std::string line = "7";
    for (int c = 1; c < 20; ++c) line += "\t7";
    line += "\r\n";
    std::string text;
    while (text.size() + line.size() <= kMaxPasteCharacters) text += line;
    TimeInWindow(
        state, [](OpenWindow& w) { w.shown.frame.sheetAction("mnuEPaste")->trigger(); },
        [&text](OpenWindow& w) {
            w.shown.t.clipboard.content = text;
            w.sheet->grdVo.setCurrent(2, 2);
        });
}

// Variable 1 holds one value in every case, replaced by another and back in turn.
void BM_WindowReplaceAll(benchmark::State& state) {
    bool one = true, filled = false;
    TimeInWindow(
        state,
        [&one](OpenWindow& w) {
            ReplaceAll(w.app(), *w.sheet, CaptureSearchStart(*w.sheet),
                       {SearchLine::Column, true, one ? "1" : "2"}, one ? "2" : "1");
            one = !one;
        },
        [&filled](OpenWindow& w) {
            if (!filled) {
                for (int r = 2; r <= w.sheet->lastRow(); ++r) w.sheet->grdVo.setText(r, 2, "1");
                filled = true;
            }
            w.sheet->grdVo.setCurrent(2, 2);
        });
}

void BM_WindowUndoSort(benchmark::State& state) {
    TimeInWindow(
        state, [](OpenWindow& w) { w.shown.frame.sheetAction("mnuEUndo")->trigger(); },
        [](OpenWindow& w) { SortCases(w.app(), *w.sheet, 1, false, false); });
}

// The large set is full, so a case is deleted at the top and one inserted there again.
void BM_WindowDeleteAndInsertCase(benchmark::State& state) {
    TimeInWindow(state, [](OpenWindow& w) {
        DeleteRows(w.app(), *w.sheet, 2, 1);
        QApplication::processEvents();
        InsertRows(w.app(), *w.sheet, 2, 1);
    });
}

void BM_WindowJumpToLastCase(benchmark::State& state) {
    TimeInWindow(
        state,
        [](OpenWindow& w) {
            if (auto target = JumpTarget(*w.sheet, JumpKind::Last, "", "")) JumpTo(*w.sheet, *target);
        },
        [](OpenWindow& w) {
            if (auto target = JumpTarget(*w.sheet, JumpKind::First, "", "")) JumpTo(*w.sheet, *target);
        });
}

void Sets(benchmark::internal::Benchmark* b) { b->DenseRange(0, 2)->Unit(benchmark::kMillisecond); }
BENCHMARK(BM_CliOpenSet)->Apply(Sets);
BENCHMARK(BM_WindowSort)->Apply(Sets);
BENCHMARK(BM_WindowTransformation)->Apply(Sets);
BENCHMARK(BM_WindowStatistics)->Apply(Sets);
BENCHMARK(BM_WindowPasteLargestBlock)->Apply(Sets);
BENCHMARK(BM_WindowReplaceAll)->Apply(Sets);
BENCHMARK(BM_WindowUndoSort)->Apply(Sets);
BENCHMARK(BM_WindowDeleteAndInsertCase)->Apply(Sets);
BENCHMARK(BM_WindowJumpToLastCase)->Apply(Sets);

}  // namespace
}  // namespace zoriduvo::bench
