// Reading the files of the programs users analyse in: SPSS (.sav, .zsav), Stata (.dta), SAS
// transport (.xpt) and Excel (.xlsx), told apart by their first bytes.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

enum class ForeignKind { None, Spss, Stata, Transport, Xlsx };

// The kind the first bytes say; None for any other file.
ForeignKind ForeignKindOf(std::string_view bytes);

// What reading asks the user. Without an answer the first sheet is read and the case names are
// numbered.
struct ForeignQuestions {
    // The sheet of a workbook with several, from 0; nullopt cancels the reading.
    std::function<std::optional<int>(const std::vector<std::string>& sheets)> chooseSheet;
    // Whether the values of the text variable of that name become the case names.
    std::function<bool(const std::string& variable)> takeCaseNames;
};

// A file read, before the case names are chosen: every variable, numeric and text, in order.
struct ForeignRead {
    FileImage image;
    std::vector<bool> textVariables;  // per variable: a string variable, or a column holding texts
    bool cancelled = false;
};

// The values of a data set of another program are held only within this many per byte of its file
// (and this many besides): a compressed file that claims more is refused before it fills memory.
inline constexpr std::size_t kForeignValuesPerByte = 64, kForeignValuesBesides = std::size_t{1} << 20;

// ReadStat's readers for SPSS, Stata and SAS transport, over the bytes: numeric variables as the
// general texts of their doubles (dates as their numbers), system-missing values blank, string
// variables as texts; the file label and the documents or notes as the comment. More than 32767
// cases or variables is refused from the header, before a value is read. Value labels, variable
// labels and user-missing definitions are counted in the notes, not kept; the codes min..max of a
// nominal SPSS variable labelled with exactly its codes make it categorical again.
std::optional<FileProblem> ReadDataSetBytes(std::string_view bytes, ForeignKind kind, ForeignRead& read);

// The first worksheet, or the one chosen when there are several: row 1 the variable names, each
// further row a case; numbers as their general texts, shared and inline strings as texts,
// booleans as 0 and 1, and dates as the serial numbers they are stored as.
std::optional<FileProblem> ReadXlsxBytes(std::string_view bytes, const ForeignQuestions& questions, ForeignRead& read);

// The first text variable whose values are all present and all different; 0 when none is.
int CaseNameCandidate(const ForeignRead& read);

// Reads the file of that kind into image, asking what questions asks; the case names come from the
// candidate variable when the user takes it. cancelled is set when a question was cancelled.
std::optional<FileProblem> ReadForeignBytes(std::string_view bytes, ForeignKind kind, const ForeignQuestions& questions,
                                            FileImage& image, bool& cancelled);

}  // namespace zoriduvo
