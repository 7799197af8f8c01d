// An App on quiet platform fakes for the benchmarks: no window, no clipboard, a fixed clock.
#pragma once
#include "platform/Random.h"
#include "sheet/App.h"
#include "support/Fakes.h"

namespace zoriduvo::bench {

// An App started as the program starts it: sheet 1 blank and active.
// A benchmark whose operation told the user anything measured the wrong thing and says so.
struct BenchApp : test::TestApp {
    BenchApp();
};

}  // namespace zoriduvo::bench
