#pragma once
#include <string>

namespace zoriduvo {

class App;

// The registry's start: sheet 1, the random seed, the toolbar with its data buttons disabled.
void StartUp(App& app);
// A path named on the command line, read into sheet 1.
void OpenFileAtStart(App& app, const std::string& path);

}  // namespace zoriduvo
