#include <xlsxwriter.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/exports/ExportWriting.h"
#include "files/exports/SpreadsheetWriters.h"
#include "sheet/CellValue.h"

namespace zoriduvo {

namespace {

constexpr int kMaxColumns = 16384;

// libxlsxwriter writes to a named file only: a folder of our own in the temporary folder holds
// it until its bytes are read back for the safe save.
class TemporaryFolder {
public:
    TemporaryFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/zoriduvo-xlsx-XXXXXX";
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct WorkbookClose {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

std::optional<FileProblem> Refused(lxw_error error, const std::string& where, std::string_view text) {
    if (error == LXW_NO_ERROR) return std::nullopt;
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return FileProblem{FileError::UnholdableValue, 0, 0, where, std::string(text)};
    return FileProblem{FileError::CannotWrite, 0, 0, where, lxw_strerror(error)};
}

std::optional<FileProblem> WriteCells(lxw_worksheet* sheet, const FileImage& image) {
    if (auto problem = Refused(worksheet_write_string(sheet, 0, 0, "case", nullptr), VariableNamePlace(0), "case"))
        return problem;
    for (int v = 1; v <= image.variableCount; ++v) {
        const std::string& name = image.variable(v).name;
        if (auto problem = Refused(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(v), name.c_str(), nullptr),
                                   VariableNamePlace(v), name))
            return problem;
    }
    std::string text;
    for (int c = 1; c <= image.caseCount; ++c) {
        const auto row = static_cast<lxw_row_t>(c);
        text.assign(image.caseName(c));
        if (auto problem = Refused(worksheet_write_string(sheet, row, 0, text.c_str(), nullptr), CaseNamePlace(c), text))
            return problem;
        const auto values = image.caseValues(c);
        for (std::size_t k = 0; k < values.size(); ++k) {
            const Cell& cell = values[k];
            if (cell.empty()) continue;
            const auto column = static_cast<lxw_col_t>(k + 1);
            std::optional<double> number = cell.isNumber() ? std::optional<double>(cell.number()) : std::nullopt;
            if (!number) {
                text.assign(cell.text().view());
                number = StrictNumber(text);
            }
            const lxw_error error = number ? worksheet_write_number(sheet, row, column, *number, nullptr)
                                           : worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
            const int v = static_cast<int>(k) + 1;
            if (auto problem = Refused(error, ValuePlace(c, v), text)) return problem;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> EncodeXlsxFile(const ExportInput& input, std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    if (image.variableCount + 1 > kMaxColumns)
        return FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::VariableCountPlace)};
    TemporaryFolder folder;
    const std::string& path = input.paths.at(0);
    if (folder.path().empty()) return FileProblem{FileError::CannotWrite, 0, 0, path, "mkdtemp"};
    const std::string written = folder.path() + "/book.xlsx";
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(folder.path().c_str());
        std::unique_ptr<lxw_workbook, WorkbookClose> book(workbook_new_opt(written.c_str(), &options));
        if (!book) return FileProblem{FileError::OutOfMemory};
        lxw_doc_properties properties{};
        properties.created = static_cast<time_t>(image.writtenAt);
        workbook_set_properties(book.get(), &properties);
        lxw_worksheet* sheet = workbook_add_worksheet(book.get(), "data");
        if (auto problem = WriteCells(sheet, image)) return problem;
        const lxw_error closed = workbook_close(book.release());
        if (closed != LXW_NO_ERROR) return FileProblem{FileError::CannotWrite, 0, 0, path, lxw_strerror(closed)};
    }
    std::ifstream in(written, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) return FileProblem{FileError::CannotWrite, 0, 0, path, "xlsx"};
    files.clear();
    files.push_back({path, std::move(bytes)});
    return std::nullopt;
}

}  // namespace zoriduvo
