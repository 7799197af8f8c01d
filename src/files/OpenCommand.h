#pragma once
#include <string>

namespace zoriduvo {

class App;
class Ui;
struct ForeignQuestions;

enum class OpenOutcome {
    Opened,
    Cancelled,     // the dialog was cancelled
    AlreadyOpen,   // the file is open in a sheet already (told)
    NotOurFormat,  // neither a vo-Data nor a CSV file: passed over without a word
    Failed,        // missing, unreadable or refused (told)
};

// Opens the file at path as Open does once a name is chosen: "ファイルが存在しません" when it is
// missing or empty, a refusal naming the file when it is no regular file or cannot be read,
// "already open" when a sheet holds the same file, then the reader by the name's
// ending (".vo": native, ".csv": CSV, else native only when a field carries a vo-Data tag) and the
// loader. into: as LoadOptions::into. A CSV sheet has no file to save to, so Save asks for a name.
// When lines of a CSV file held more fields than its variables, the opened sheet is followed by a
// message that counts them.
// exactValues: every value as the file holds it, a text that is no number included (a file a
// script wrote between its steps), instead of as its number.
OpenOutcome OpenPath(App& app, const std::string& path, int into = 0, bool exactValues = false);

// What opening a data set of another program asks: the worksheet of a workbook with several (the
// first, where the user is not asked), and whether the first text variable with all values
// different names the cases (asked; no by default).
ForeignQuestions ForeignQuestionsOf(Ui& ui);

// The open sheet whose file is the file at path (by identity, not by name); 0 when none is.
int SheetHoldingFile(App& app, const std::string& path);

// File > "開く(&O)...": the open dialog, then OpenPath.
OpenOutcome OpenFileCommand(App& app);

}  // namespace zoriduvo
