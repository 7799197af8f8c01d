#pragma once
#include <ostream>
#include <string>

#include "cli/Arguments.h"

namespace zoriduvo {

class App;
class Sheet;

// Exit statuses of the command line.
inline constexpr int kDone = 0;
inline constexpr int kFileFailed = 1;
inline constexpr int kRefused = 2;

// Runs one parsed subcommand on an App whose sheet 1 is blank; results go to out.
int RunCliCommand(App& app, const CliArguments& arguments, std::ostream& out);

// OUT written in the form format names; version 3, the default, is what "名前をつけて保存" writes.
int WriteOutput(App& app, Sheet& sheet, const std::string& path, const std::string& format);

// IN read as the Open command reads it, into sheet 1; false (and said) when it cannot be.
bool ReadInput(App& app, const std::string& path, bool exactValues = false);
// A variable named on the command line: "$n", or the last variable of that name; 0 when none.
int FindVariable(const Sheet& sheet, const std::string& key);
// The stored case range of --from/--to, set as "範囲指定" sets it; false when refused.
bool SetCaseRange(App& app, Sheet& sheet, const CliArguments& arguments);

// The subcommands, each on sheet 1 once IN is read into it.
int RunConvert(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunStats(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunSort(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunTransform(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunMissing(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunExport(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunMerge(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunRecode(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunBind(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunTranspose(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunNames(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunLabel(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunInfo(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);
int RunHelp(App& app, Sheet& sheet, const CliArguments& arguments, std::ostream& out);

}  // namespace zoriduvo
