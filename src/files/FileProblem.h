#pragma once
#include <string>
#include <utility>

#include "platform/Ui.h"

namespace zoriduvo {

// What can go wrong with a file. Readers and writers return a code with its place and leave their
// output untouched; the command turns it into the system's message through MessageOf.
enum class FileError {
    NotVoData,            // no format tag before the end of the file
    FileMissing,          // missing or empty: where (the name, when known)
    AlreadyOpen,          // open in a sheet already
    UnreadableText,       // bytes that are no character of the file's code: line
    CountOutOfRange,      // a count or code beyond what 16 bits or the format allow: line, field, where, detail
    TooLarge,             // more cases or variables than a sheet can hold: where
    UnwritableCharacter,  // a character code page 932 cannot hold: where, detail (the character)
    CannotWrite,          // the save failed: where (the path), detail (the reason)
    UnholdableValue,      // a text the chosen form cannot hold as written: where, detail (the text)
    CannotRead,           // a file to open that is no regular file or cannot be read: where (the name), detail
    OutOfMemory,          // an allocation failed: the command was given up
    Utf16Text,            // a text file in UTF-16, which is not read: where (the name, when known)
    Count                 // number of codes, for the table's test
};

struct FileProblem {
    FileProblem(FileError code_, int line_ = 0, int field_ = 0, std::string where_ = {}, std::string detail_ = {})
        : code(code_), line(line_), field(field_), where(std::move(where_)), detail(std::move(detail_)) {}

    FileError code;
    int line = 0;   // 1-based line of the file, 0 when none applies
    int field = 0;  // 1-based field within the line
    std::string where;
    std::string detail;
};

// "ファイルが存在しません", followed by the file's name when the problem knows it.
std::string MissingFileText(const FileProblem& problem);
// The one table from codes to the system's messages.
Message MessageOf(const FileProblem& problem);
void ShowFileProblem(Ui& ui, const FileProblem& problem);

}  // namespace zoriduvo
