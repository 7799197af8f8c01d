#include "GuiBench.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "files/OpenCommand.h"

namespace zoriduvo::bench {

std::string SetPath(const char* name) {
    // ZORIDUVO_BENCH_DATA in the environment points at another generator's sets of the same names.
    const char* data = std::getenv("ZORIDUVO_BENCH_DATA");
    const std::string path = std::string(data && *data ? data : ZORIDUVO_BENCH_DATA) + "/" + name + ".vo";
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "gui_bench: %s is missing; run bench/gen-data first\n", path.c_str());
        std::exit(1);
    }
    return path;
}

bool OpenAsFrameDoes(benchmark::State& state, test::TestApp& t, const std::string& path) {
    if (OpenPath(t.app, path) == OpenOutcome::Opened && t.ui.messages.empty()) return true;
    state.SkipWithError("the set did not open without a word");
    return false;
}

ShownFrame::ShownFrame() {
    frame.resize(1024, 768);
    frame.show();
    StartUp(t.app);
}

}  // namespace zoriduvo::bench
