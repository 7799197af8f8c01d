#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/FileImage.h"
#include "files/FileMessages.h"
#include "files/FileProblem.h"
#include "files/imports/ImportTokenizer.h"

namespace zoriduvo {

// Where names of variables or cases come from.
enum class NameSource { File, None, Generated };

// What the body of a table holds besides the values.
struct TableBody {
    bool names = false;      // a name per variable ("nn": none)
    bool types = false;      // a stored category count after each name
    bool caseNames = false;  // a name before each case's values ("nn": none)
};

// Reads the variable part, then case by case the values, into an image whose case and variable
// counts are set: values are taken as AppendForeignValue takes them (an empty field, "%M", and "NA"
// or "." outside quotes are blank). Reading stops quietly where the fields run out; what was not
// read stays empty.
// Variables already in the image keep their definitions unless the body holds names or types.
std::optional<FileProblem> ReadTableBody(ImportTokenizer& in, const TableBody& body, FileImage& image);

// A stored category count: 0 continuous, 1 the categories 0 and 1, t >= 2 the categories 1 to t.
CategoryRange CategoriesOfStoredCount(std::int16_t stored);

// A count field of a file: a number from 0 to high, else CountOutOfRange naming what it counts. A
// field that is not there counts 0.
std::optional<FileProblem> ReadCount(ImportTokenizer& in, FileText what, int high, int& count);
// The group count, then each group's size followed by fieldsAfterEachSize fields to pass over:
// the groups and the case count they add up to.
std::optional<FileProblem> ReadGroups(ImportTokenizer& in, FileImage& image, int fieldsAfterEachSize = 0);

// The layouts of a text table. Values only: counts given, no names; counts first: counts in the file.
struct TextLayoutOptions {
    int skipLines = 0;
    bool groups = false;        // the counts are the group count, the group sizes and the variable count
    bool countsInFile = false;  // else cases and variables below
    int cases = 0;
    int variables = 0;
    NameSource names = NameSource::None;
    bool types = false;
    NameSource caseNames = NameSource::None;
};

// Fills image from the decoded text of a table laid out as options say; values after the last case
// are counted in its notes. On a problem the image is left as it was. Counts are checked before
// anything is sized by them.
std::optional<FileProblem> ReadTextTable(std::string_view text, const TextLayoutOptions& options, FileImage& image);

// The text of a file the user brings, read as Open reads (a regular file only) and decoded as CSV
// open decodes it: missing or empty is FileMissing, bytes neither UTF-8 nor code page 932 are UnreadableText with their line.
std::optional<FileProblem> ReadImportText(const std::string& path, std::string& text);
std::optional<FileProblem> DecodeImportText(std::string_view bytes, std::string& text);

}  // namespace zoriduvo
