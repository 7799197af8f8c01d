#pragma once
#include <ostream>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;

// Exit statuses of the command line.
inline constexpr int kDone = 0;
inline constexpr int kFileFailed = 1;
inline constexpr int kRefused = 2;

// Runs one parsed command on an App whose sheet 1 is blank; results go to out.
int RunCliCommand(App& app, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo
