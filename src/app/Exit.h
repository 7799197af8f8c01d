#pragma once

namespace zoriduvo {

class App;

// The frame is asked to close: closes the sheets, most recently opened first, each with its save
// question. Returns true when the program may end, false when a Cancel stopped the exit.
bool ExitProgram(App& app);

}  // namespace zoriduvo
