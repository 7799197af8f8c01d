#include <readstat.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <memory>
#include <set>

#include "files/FileMessages.h"
#include "files/ReadingNotes.h"
#include "files/imports/ForeignData.h"
#include "sheet/Limits.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

// The file's bytes as ReadStat's input: reads and seeks never leave them.
struct MemoryInput {
    std::string_view bytes;
    std::size_t at = 0;
};

int Open(const char*, void*) { return 0; }
int Close(void*) { return 0; }

readstat_off_t Seek(readstat_off_t offset, readstat_io_flags_t whence, void* context) {
    auto& input = *static_cast<MemoryInput*>(context);
    const auto size = static_cast<readstat_off_t>(input.bytes.size());
    readstat_off_t base = whence == READSTAT_SEEK_SET ? 0 : whence == READSTAT_SEEK_CUR ? static_cast<readstat_off_t>(input.at) : size;
    if (offset > size || offset < -size) return -1;
    const readstat_off_t target = base + offset;
    if (target < 0 || target > size) return -1;
    input.at = static_cast<std::size_t>(target);
    return target;
}

ssize_t Read(void* buffer, size_t count, void* context) {
    auto& input = *static_cast<MemoryInput*>(context);
    const std::size_t n = std::min(count, input.bytes.size() - input.at);
    if (n > 0) std::memcpy(buffer, input.bytes.data() + input.at, n);
    input.at += n;
    return static_cast<ssize_t>(n);
}

readstat_error_t Update(long, readstat_progress_handler, void*, void*) { return READSTAT_OK; }

struct ParserFree {
    void operator()(readstat_parser_t* parser) const { readstat_parser_free(parser); }
};

// What the handlers fill as ReadStat calls them, row by row and variable by variable.
struct Reading {
    Reading(ForeignRead& read_, ForeignKind kind_, std::size_t maxValues_)
        : read(read_), kind(kind_), maxValues(maxValues_) {}

    ForeignRead& read;
    ForeignKind kind;
    std::size_t maxValues;
    std::optional<FileProblem> problem;
    std::vector<readstat_measure_t> measures;
    std::vector<std::string> labelSets;  // the label set each variable uses, "" for none
    std::vector<std::pair<std::string, double>> labelsRead;
    int rows = 0;          // cases begun
    int nextVariable = 0;  // of the last case begun

    FileImage& image() { return read.image; }
};

FileProblem Damaged(std::string_view what) {
    return {FileError::CannotRead, 0, 0, {}, TextOf(FileText::ForeignDamaged, {what})};
}

int Refuse(Reading& reading, FileProblem problem) {
    reading.problem = std::move(problem);
    return READSTAT_HANDLER_ABORT;
}

int OnMetadata(readstat_metadata_t* metadata, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    const int rows = readstat_get_row_count(metadata), variables = readstat_get_var_count(metadata);
    if (rows > kMaxCount) return Refuse(reading, {FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)});
    if (variables > kMaxCount)
        return Refuse(reading, {FileError::TooLarge, 0, 0, TextOf(FileText::VariableCountPlace)});
    if (const char* label = readstat_get_file_label(metadata); label && *label) reading.image().fileLabel = label;
    return READSTAT_HANDLER_OK;
}

int OnNote(int, const char* note, void* context) {
    FileImage& image = static_cast<Reading*>(context)->image();
    if (!image.comment.empty()) image.comment += "\r\n";
    image.comment += note;
    return READSTAT_HANDLER_OK;
}

int OnVariable(int index, readstat_variable_t* variable, const char* labels, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    FileImage& image = reading.image();
    if (index != image.variableCount || index >= kMaxCount)
        return Refuse(reading, {FileError::TooLarge, 0, 0, TextOf(FileText::VariableCountPlace)});
    const char* name = readstat_variable_get_name(variable);
    image.variables.push_back({name ? name : "", {}});
    ++image.variableCount;
    reading.read.textVariables.push_back(readstat_variable_get_type_class(variable) == READSTAT_TYPE_CLASS_STRING);
    reading.measures.push_back(readstat_variable_get_measure(variable));
    reading.labelSets.emplace_back(labels ? labels : "");
    if (const char* label = readstat_variable_get_label(variable); label && *label) ++image.notes.variableLabels;
    if (readstat_variable_get_missing_ranges_count(variable) > 0) ++image.notes.missingDefinitions;
    return READSTAT_HANDLER_OK;
}

void AppendNumber(FileImage& image, double number, int c, int v) {
    if (std::isnan(number)) {
        image.appendCell({});
        return;
    }
    char text[kGeneralTextRoom];
    const std::size_t size = GeneralTextTo(std::isinf(number) ? std::copysign(DBL_MAX, number) : number, text);
    if (std::fabs(number) > FLT_MAX) image.notes.beyondSingle.note(c, v, std::string_view(text, size));
    image.appendCell(Cell::FromText(std::string_view(text, size)));
}

int OnValue(int row, readstat_variable_t* variable, readstat_value_t value, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    FileImage& image = reading.image();
    const int v = readstat_variable_get_index(variable);
    // Values come case by case in variable order; anything else is a file ReadStat misread.
    if (v < 0 || v >= image.variableCount || row < reading.rows - 1 || row > reading.rows)
        return Refuse(reading, Damaged("value order"));
    if (row == reading.rows) {
        if (reading.rows >= kMaxCount)
            return Refuse(reading, {FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)});
        ++reading.rows;
        ++image.caseCount;
        image.beginCase();
        reading.nextVariable = 0;
    }
    if (v < reading.nextVariable)
        return Refuse(reading, Damaged("value order"));
    while (reading.nextVariable < v) {
        image.appendCell({});
        ++reading.nextVariable;
    }
    ++reading.nextVariable;
    if (image.valuesHeld() >= reading.maxValues)
        return Refuse(reading, {FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)});
    if (readstat_value_is_system_missing(value)) {
        image.appendCell({});
    } else if (readstat_value_type_class(value) == READSTAT_TYPE_CLASS_STRING) {
        const char* text = readstat_string_value(value);
        image.appendCell(text ? Cell::FromText(text) : Cell());
    } else {
        AppendNumber(image, readstat_double_value(value), row + 1, v + 1);
    }
    return READSTAT_HANDLER_OK;
}

int OnValueLabel(const char* set, readstat_value_t value, const char*, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    const bool number = readstat_value_type_class(value) == READSTAT_TYPE_CLASS_NUMERIC &&
                        !readstat_value_is_system_missing(value);
    reading.labelsRead.emplace_back(set ? set : "", number ? readstat_double_value(value) : NAN);
    return READSTAT_HANDLER_OK;
}

// A nominal numeric variable whose labels name exactly the integer codes min..max, as the SPSS
// form writes a categorical variable, is categorical again; every other label is counted as lost.
void SettleLabels(Reading& reading) {
    FileImage& image = reading.image();
    for (int v = 1; v <= image.variableCount; ++v) {
        const auto k = static_cast<std::size_t>(v - 1);
        const std::string& set = reading.labelSets[k];
        if (set.empty()) continue;
        std::set<double> codes;
        int count = 0;
        for (const auto& [name, code] : reading.labelsRead)
            if (name == set) ++count, codes.insert(code);
        const bool nominal = reading.kind == ForeignKind::Spss && reading.measures[k] == READSTAT_MEASURE_NOMINAL &&
                             !reading.read.textVariables[k];
        const double low = codes.empty() ? 0 : *codes.begin(), high = codes.empty() ? 0 : *codes.rbegin();
        const bool range = count > 0 && count == static_cast<int>(codes.size()) && low == std::trunc(low) &&
                           low >= -kMaxCount && high <= kMaxCount && high - low + 1 == count;
        if (nominal && range) {
            image.variables[k].category = {static_cast<std::int16_t>(count), static_cast<std::int16_t>(high),
                                           static_cast<std::int16_t>(low)};
        } else {
            image.notes.valueLabels += count;
        }
    }
}

readstat_error_t Parse(readstat_parser_t* parser, ForeignKind kind, Reading& reading) {
    switch (kind) {
    case ForeignKind::Spss: return readstat_parse_sav(parser, "", &reading);
    case ForeignKind::Stata: return readstat_parse_dta(parser, "", &reading);
    default: break;
    }
    return readstat_parse_xport(parser, "", &reading);
}

}  // namespace

std::optional<FileProblem> ReadDataSetBytes(std::string_view bytes, ForeignKind kind, ForeignRead& read) {
    MemoryInput input{bytes};
    Reading reading(read, kind, bytes.size() * kForeignValuesPerByte + kForeignValuesBesides);
    read.image.formatTag = kind == ForeignKind::Spss ? "SPSS" : kind == ForeignKind::Stata ? "Stata" : "SAS transport";
    std::unique_ptr<readstat_parser_t, ParserFree> parser(readstat_parser_init());
    if (!parser) return FileProblem{FileError::OutOfMemory};
    readstat_parser_t* p = parser.get();
    readstat_set_open_handler(p, Open);
    readstat_set_close_handler(p, Close);
    readstat_set_seek_handler(p, Seek);
    readstat_set_read_handler(p, Read);
    readstat_set_update_handler(p, Update);
    readstat_set_io_ctx(p, &input);
    readstat_set_metadata_handler(p, OnMetadata);
    readstat_set_note_handler(p, OnNote);
    readstat_set_variable_handler(p, OnVariable);
    readstat_set_value_handler(p, OnValue);
    readstat_set_value_label_handler(p, OnValueLabel);
    readstat_set_handler_character_encoding(p, "UTF-8");
    const readstat_error_t error = Parse(p, kind, reading);
    if (reading.problem) return reading.problem;
    if (error != READSTAT_OK)
        return FileProblem{FileError::CannotRead, 0, 0, {}, TextOf(FileText::ForeignDamaged, {readstat_error_message(error)})};
    SettleLabels(reading);
    return std::nullopt;
}

}  // namespace zoriduvo
