// What the Qt-side benchmarks share: the sets bench/gen-data writes, and the frame as the program
// starts it on quiet fakes.
#pragma once
#include <string>

#include <benchmark/benchmark.h>

#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "support/Fakes.h"

namespace zoriduvo::bench {

// bench/data/NAME.vo (or in $ZORIDUVO_BENCH_DATA); the run stops when it is missing (bench/gui.sh generates it).
std::string SetPath(const char* name);

// Opens the file into a new sheet as the frame's Open and a drop do; false, with the run marked
// as failed, when it did not open or the open told the user anything.
bool OpenAsFrameDoes(benchmark::State& state, test::TestApp& t, const std::string& path);

// The frame shown with sheet 1 blank, as the program starts.
struct ShownFrame {
    ShownFrame();
    test::TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
};

}  // namespace zoriduvo::bench
