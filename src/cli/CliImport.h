#pragma once
#include <ostream>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

// `import`: IN read by the import of its layout into sheet 1 (or the new sheet it makes), OUT
// written as "名前をつけて保存" writes it. A refusal of the dialogs' rules is kRefused, a file that
// cannot be read kFileFailed.
int RunImportCommand(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo
