// An App on quiet platform fakes for the benchmarks: no window, no clipboard, a fixed clock.
#pragma once
#include "platform/Random.h"
#include "sheet/App.h"
#include "support/Fakes.h"

namespace zoriduvo::bench {

// An App started as the program starts it: sheet 1 blank and active.
struct BenchApp {
    BenchApp();
    // A benchmark whose operation told the user anything measured the wrong thing and says so.
    test::ScriptedUi ui;
    test::FakeClipboard clipboard;
    test::FixedClock clock;
    SeededRandom random{clock};
    App app{ui, clipboard, clock, random};
};

}  // namespace zoriduvo::bench
