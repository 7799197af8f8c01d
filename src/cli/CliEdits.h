// The subcommands that edit a sheet as its commands do, each through the core function the
// program's command calls: what the history of a sheet records, replayed on its file.
#pragma once
#include <ostream>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

int RunSet(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunInsert(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunDelete(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunDefine(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunGroups(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunRange(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunCaseName(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunComment(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunFileLabel(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo
