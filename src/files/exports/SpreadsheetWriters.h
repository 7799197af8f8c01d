#pragma once
#include <optional>
#include <vector>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {

// Excel (.xlsx): one worksheet, a header row ("case", then the variable names), one row per case,
// the case name first; numbers as numbers, other texts as texts, blanks as empty cells. The
// creation time is the time the image was gathered. More variables than a worksheet has columns
// are refused before a byte is written.
std::optional<FileProblem> EncodeXlsxFile(const ExportInput& input, std::vector<OutputFile>& files);

// The plain data CSV that R, pandas and spreadsheets read: a header line ("case", the names), one
// line per case, blanks empty, fields quoted only where RFC 4180 asks (a comma, a quote or a line
// break in them), CR LF; UTF-8, or code page 932 in the second form.
std::optional<FileProblem> EncodeDataCsv(const ExportInput& input, std::vector<OutputFile>& files);
std::optional<FileProblem> EncodeDataCsvCp932(const ExportInput& input, std::vector<OutputFile>& files);

}  // namespace zoriduvo
