// A headless App for the fuzz targets: the user cancels every question, the clock stands still
// and the generator is seeded the same way every run, so an input always takes the same path.
#pragma once
#include "platform/Random.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"

namespace zoriduvo::fuzz {

// The App with sheet 1 made and the generator seeded.
// Unscripted questions are cancelled.
struct FuzzApp : test::TestApp {
    FuzzApp() {
        NewSheet(app);
        app.setActiveSheet(1);
        random.seed(1);
    }
};

}  // namespace zoriduvo::fuzz
