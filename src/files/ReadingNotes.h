// What a reader of text from elsewhere (CSV open, the text imports) changed or left out, and the
// messages that tell it once the sheet is built.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Message.h"

namespace zoriduvo {

class FileImage;
class Ui;

// One kind of value not taken as it stands: how many, and the first (case, variable, text).
struct ValueNote {
    int count = 0;
    int caseNumber = 0, variable = 0;
    std::string text;

    void note(int c, int v, std::string_view value) {
        if (count++ > 0) return;
        caseNumber = c, variable = v;
        text.assign(value);
    }
};

struct ReadingNotes {
    int linesCut = 0, firstLineCut = 0;       // CSV lines with fields beyond the variables
    int extraValues = 0, firstExtraLine = 0;  // values after the last case of an import
    ValueNote notNumbers;                     // texts read as their leading number (0 when none)
    ValueNote beyondSingle;                   // numbers, infinities too, beyond the single range
    int unstorableNames = 0;                  // names a code page 932 file cannot hold as they are
    std::vector<std::string> firstUnstorableNames;
    // What a data set of another program defines that a sheet does not keep.
    int valueLabels = 0, variableLabels = 0, missingDefinitions = 0;
};

// The names of the image (variables, then cases) that a save in code page 932 cannot write: a
// character outside the code page, or a double quote or line break, which no vo-Data file holds.
void NoteUnstorableNames(const FileImage& image, ReadingNotes& notes);

// "NA" (R) and "." (SAS, Stata) outside quotes, "%M" and an empty field: a blank.
bool IsMissingCode(std::string_view trimmed, bool quoted);

// The value of case c, variable v of a file another program wrote, appended to the image: missing
// codes as blanks, "Inf" and "-Inf" as the largest number a sheet holds (as a number too large to
// hold reads); what is no number, or beyond the single range, is noted.
void AppendForeignValue(FileImage& image, std::string_view field, bool quoted, int c, int v);

// The messages of the notes, each under the title given, in the order they happened.
std::vector<Message> ReadingNoteMessages(const ReadingNotes& notes, std::string_view title);
void TellReadingNotes(Ui& ui, const ReadingNotes& notes, std::string_view title);

}  // namespace zoriduvo
