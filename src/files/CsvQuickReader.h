#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// How the quick reader understood a CSV file.
struct CsvLayout {
    bool header = false;          // line 1 holds the variable names
    bool caseNames = false;       // each case line begins with its case name
    bool skipFirstField = false;  // the corner field of the header line is not a name
    int variables = 0;
    int cases = 0;
};

// Decides the layout from the lines of the file (trailing empty lines already dropped).
CsvLayout DecideCsvLayout(const std::vector<std::string_view>& lines);

// ReadCsvForOpen from bytes (UTF-8 with or without a byte-order mark, or code page 932): names,
// case names ("V" / "C" + number where the file has none), values ("%M" and empty fields blank),
// one group of all cases. The image's format tag is "CSV", its label "未定義" and date "未保存";
// it carries no statistics and no comment. On a problem the image is left as it was.
std::optional<FileProblem> ReadCsvBytes(std::string_view bytes, FileImage& image);
// The same from a file; the image gets its path and file name.
std::optional<FileProblem> ReadCsvForOpen(const std::string& path, FileImage& image);

}  // namespace zoriduvo
