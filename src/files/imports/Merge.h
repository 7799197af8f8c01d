#pragma once
#include <optional>
#include <string>

#include "files/FileImage.h"
#include "files/imports/MergeMessages.h"

namespace zoriduvo {

class App;
class Sheet;

enum class MergeDirection { Cases, Variables };
enum class MergeOutcome {
    Merged,
    Cancelled,
    Unreadable,  // the file could not be read (told)
    Refused,     // the counts would pass 32767 (told)
};

// File > 結合(&M) > "ケースの結合(&C)..." and "変数の結合(&V)...": the open dialog, then MergeFile.
MergeOutcome MergeCasesCommand(App& app, Sheet& sheet);
MergeOutcome MergeVariablesCommand(App& app, Sheet& sheet);

// The vo-Data file at path read with the native reader and appended to the sheet as one undo
// step. A file that cannot be read, or a merge that would pass 32767 cases or variables, is told
// and changes nothing.
MergeOutcome MergeFile(App& app, Sheet& sheet, const std::string& path, MergeDirection direction);

// The image's cases below the sheet's (variables by position; extra variables take their names
// and definitions from the image), or its variables right of the sheet's (cases by position;
// extra cases take their names from the image). Values go in as their leading number; blanks stay
// blank. Every statistics block goes first; the sheet ends with one case group, no range, the
// cursor on the first cell, modified. The refusal when the counts would pass 32767, before
// anything changes.
std::optional<Message> AppendImageCases(Sheet& sheet, const FileImage& image);
std::optional<Message> AppendImageVariables(Sheet& sheet, const FileImage& image);

}  // namespace zoriduvo
