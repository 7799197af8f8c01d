#include "files/exports/DataSetWriter.h"

#include <readstat.h>

#include <memory>

#include "files/exports/ExportWriting.h"
#include "files/exports/ForeignNames.h"
#include "files/exports/ForeignValues.h"
#include "text/NumberText.h"
#include "text/Lines.h"

namespace zoriduvo {

namespace {

enum class Form { Spss, Stata, Transport };

struct FormLimits {
    const NameRule& names;
    std::size_t labelBytes;      // variable label
    std::size_t fileLabelBytes;  // 0: the form keeps none
    std::size_t stringBytes;     // the longest string value
    std::size_t noteBytes;       // a line of the comment; 0: the form keeps none
};

FormLimits LimitsOf(Form form) {
    switch (form) {
    case Form::Spss: return {SpssNames(), 255, 64, 32767, 80};
    case Form::Stata: return {StataNames(), 80, 80, 2045, 67784};
    case Form::Transport: break;
    }
    return {TransportNames(), 40, 0, 200, 0};
}

ssize_t AppendBytes(const void* data, size_t length, void* context) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), length);
    return static_cast<ssize_t>(length);
}

struct WriterFree {
    void operator()(readstat_writer_t* writer) const { readstat_writer_free(writer); }
};
using Writer = std::unique_ptr<readstat_writer_t, WriterFree>;

std::optional<FileProblem> Failed(const ExportInput& input, readstat_error_t error) {
    if (error == READSTAT_OK) return std::nullopt;
    return FileProblem{FileError::CannotWrite, 0, 0, input.paths.at(0), readstat_error_message(error)};
}

std::string Cut(std::string_view text, std::size_t bytes) { return std::string(CutText(text, bytes, bytes)); }

// Each line of the comment, in pieces of at most bytes, as the form's documents or notes.
void AddComment(readstat_writer_t* writer, const std::string& comment, std::size_t bytes) {
    for (std::string_view line : TextLines(comment)) {
        do {
            const std::string piece = Cut(line, bytes);
            readstat_add_note(writer, piece.empty() ? " " : piece.c_str());
            line.remove_prefix(std::max<std::size_t>(piece.size(), 1));
        } while (!line.empty());
    }
}

// The codes min..max of a categorical variable as value labels, each the code's own text.
readstat_label_set_t* CategoryLabels(readstat_writer_t* writer, const CategoryRange& range, int v) {
    readstat_label_set_t* labels = readstat_add_label_set(writer, READSTAT_TYPE_DOUBLE, ("c" + std::to_string(v)).c_str());
    for (int code = range.minimum; code <= range.maximum; ++code)
        readstat_label_double_value(labels, code, std::to_string(code).c_str());
    return labels;
}

std::vector<readstat_variable_t*> AddVariables(readstat_writer_t* writer, const FileImage& image,
                                               const ForeignNames& names, Form form, std::size_t caseWidth,
                                               const std::vector<std::size_t>& widths) {
    const FormLimits limits = LimitsOf(form);
    std::vector<readstat_variable_t*> variables;
    variables.push_back(readstat_add_variable(writer, names.caseColumn.c_str(), READSTAT_TYPE_STRING, caseWidth));
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageVariable& definition = image.variable(v);
        const std::string& name = names.variables[static_cast<std::size_t>(v - 1)];
        const std::size_t width = widths[static_cast<std::size_t>(v - 1)];
        readstat_variable_t* variable =
            readstat_add_variable(writer, name.c_str(), width > 0 ? READSTAT_TYPE_STRING : READSTAT_TYPE_DOUBLE, width);
        // A changed name is kept where a reader shows it.
        if (name != definition.name) readstat_variable_set_label(variable, Cut(definition.name, limits.labelBytes).c_str());
        if (form == Form::Spss && width == 0) {
            const bool categorical = definition.categorical() && definition.category.minimum <= definition.category.maximum;
            readstat_variable_set_measure(variable, categorical ? READSTAT_MEASURE_NOMINAL : READSTAT_MEASURE_SCALE);
            if (categorical) readstat_variable_set_label_set(variable, CategoryLabels(writer, definition.category, v));
        }
        variables.push_back(variable);
    }
    return variables;
}

readstat_error_t WriteRows(readstat_writer_t* writer, const FileImage& image,
                           const std::vector<readstat_variable_t*>& variables, const std::vector<std::size_t>& widths) {
    std::optional<double> number;
    std::string text;
    for (int c = 1; c <= image.caseCount; ++c) {
        if (auto error = readstat_begin_row(writer)) return error;
        const std::string name(image.caseName(c));
        if (auto error = readstat_insert_string_value(writer, variables[0], name.c_str())) return error;
        const auto values = image.caseValues(c);
        for (int v = 1; v <= image.variableCount; ++v) {
            const auto k = static_cast<std::size_t>(v - 1);
            readstat_variable_t* variable = variables[k + 1];
            readstat_error_t error;
            if (widths[k] > 0) {
                text.assign(k < values.size() ? values[k].text().view() : std::string_view());
                error = readstat_insert_string_value(writer, variable, text.c_str());
            } else {
                number = k < values.size() ? CellNumber(values[k]) : std::nullopt;
                error = number ? readstat_insert_double_value(writer, variable, *number)
                               : readstat_insert_missing_value(writer, variable);
            }
            if (error) return error;
        }
        if (auto error = readstat_end_row(writer)) return error;
    }
    return readstat_end_writing(writer);
}

readstat_error_t BeginWriting(readstat_writer_t* writer, Form form, std::string& bytes, long rows) {
    switch (form) {
    case Form::Spss: return readstat_begin_writing_sav(writer, &bytes, rows);
    case Form::Stata: return readstat_begin_writing_dta(writer, &bytes, rows);
    case Form::Transport: break;
    }
    return readstat_begin_writing_xport(writer, &bytes, rows);
}

std::optional<FileProblem> EncodeDataSet(const ExportInput& input, std::vector<OutputFile>& files, Form form) {
    const FileImage& image = input.image;
    const FormLimits limits = LimitsOf(form);
    std::size_t caseWidth = 1;
    if (auto problem = CaseNameWidth(image, limits.stringBytes, caseWidth)) return problem;
    std::vector<std::size_t> widths;
    std::vector<std::string> notices;
    if (auto problem = StringVariables(image, limits.stringBytes, widths, notices)) return problem;
    const ForeignNames names = NamesForForm(image, &limits.names);
    notices.insert(notices.begin(), names.changes.begin(), names.changes.end());

    Writer writer(readstat_writer_init());
    if (!writer) return FileProblem{FileError::OutOfMemory};
    readstat_set_data_writer(writer.get(), AppendBytes);
    readstat_writer_set_file_timestamp(writer.get(), static_cast<time_t>(image.writtenAt));
    if (limits.fileLabelBytes > 0)
        readstat_writer_set_file_label(writer.get(), Cut(image.fileLabel, limits.fileLabelBytes).c_str());
    if (limits.noteBytes > 0 && !image.comment.empty()) AddComment(writer.get(), image.comment, limits.noteBytes);
    if (form == Form::Spss) readstat_writer_set_compression(writer.get(), READSTAT_COMPRESS_ROWS);
    if (form == Form::Stata) readstat_writer_set_file_format_version(writer.get(), 118);
    if (form == Form::Transport) {
        readstat_writer_set_file_format_version(writer.get(), 5);
        readstat_writer_set_table_name(writer.get(), "DATA");
    }
    const auto variables = AddVariables(writer.get(), image, names, form, caseWidth, widths);

    std::string bytes;
    if (auto error = BeginWriting(writer.get(), form, bytes, image.caseCount)) return Failed(input, error);
    if (auto error = readstat_validate_metadata(writer.get())) return Failed(input, error);
    for (readstat_variable_t* variable : variables)
        if (auto error = readstat_validate_variable(writer.get(), variable)) return Failed(input, error);
    if (auto error = WriteRows(writer.get(), image, variables, widths)) return Failed(input, error);
    if (input.notices) *input.notices = std::move(notices);
    files.clear();
    files.push_back({input.paths.at(0), std::move(bytes)});
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> EncodeSpssFile(const ExportInput& input, std::vector<OutputFile>& files) {
    return EncodeDataSet(input, files, Form::Spss);
}

std::optional<FileProblem> EncodeStataFile(const ExportInput& input, std::vector<OutputFile>& files) {
    return EncodeDataSet(input, files, Form::Stata);
}

std::optional<FileProblem> EncodeTransportFile(const ExportInput& input, std::vector<OutputFile>& files) {
    return EncodeDataSet(input, files, Form::Transport);
}

}  // namespace zoriduvo
