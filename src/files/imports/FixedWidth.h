#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"
#include "files/imports/FixedDefinitionList.h"
#include "files/imports/ImportCommand.h"

namespace zoriduvo {

class App;

// The display columns of the UTF-8 character at the start of text: 2 for a full-width character,
// 1 for a half-width one, as many as its bytes in code page 932.
int CharacterColumns(std::string_view text);
// The display columns of a line.
int LineColumns(std::string_view line);
// The characters of a line that start within the columns first to last (from 1): a character is
// never split, and each belongs to the one range its first column lies in.
std::string_view ColumnsOf(std::string_view line, int first, int last);

// The preview of the fixed-width dialog: the ruler (5, 10, ... right-aligned in fields of five),
// the markers (a "v" under every fifth column) and the first three lines of the text.
std::vector<std::string> FixedPreview(std::string_view text);

enum class FixedCaseNames { Generated, None, Read };

struct FixedLayout {
    std::vector<FixedDefinition> variables;
    FixedCaseNames caseNames = FixedCaseNames::Generated;
    int nameFirst = 0, nameLast = 0;  // the columns of a case name read
};

// Every line of the decoded text is a case, every definition a variable; the values are the
// characters in their columns without the blanks around them. More than 32767 lines is TooLarge,
// told before anything is sized; on a problem the image is left as it was.
std::optional<FileProblem> ReadFixedWidthText(std::string_view text, const FixedLayout& layout, FileImage& image);

// The fixed-width dialog's Run once its fields are checked: reads the file and builds a sheet
// captioned "名称未設定:" and its number. Nothing happens while no variable is defined.
ImportResult ImportFixedWidth(App& app, const std::string& path, const FixedLayout& layout);

}  // namespace zoriduvo
