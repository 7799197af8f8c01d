#pragma once
#include <ostream>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

// print IN OUT.pdf: the pages "印刷(&P)..." prints, as a PDF. Laying them out needs Qt's fonts, so the
// work is done by zoriduvo-print beside this program, which this process becomes; the command line
// itself stays free of Qt. IN has been read once here, so a bad input is told as every subcommand tells it.
int RunPrint(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo
