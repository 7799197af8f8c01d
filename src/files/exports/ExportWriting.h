// What the export writers share beyond the field forms: the places a refusal names and the step
// from written lines to output files.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/FieldForms.h"
#include "files/FileMessages.h"
#include "files/SafeSave.h"

namespace zoriduvo {

inline std::string VariableNamePlace(int v) { return TextOf(FileText::VariableNamePlace, {std::to_string(v)}); }
inline std::string CaseNamePlace(int c) { return TextOf(FileText::CaseNamePlace, {std::to_string(c)}); }
inline std::string ValuePlace(int c, int v) {
    return TextOf(FileText::CaseValuePlace, {std::to_string(c), std::to_string(v)});
}

// A value the text imports read back whole: no comma, blank or tab (full-width ones included), quote
// or line break, each of which their tokenizer takes as the end of a field.
inline bool ImportReadsWhole(std::string_view value) {
    static const BareText separated(", \t");
    return separated.holds(value) && value.find("\u3000") == std::string_view::npos &&
           value.find("\uFF0C") == std::string_view::npos;
}

// The forms that write a line per variable: each variable's values in one text, taken case by case
// in the order the image holds them (a column at a time would stride through all of it).
// add(c, v, value, text) appends the value's form to its variable's text, or refuses it with false.
template <typename Add>
std::optional<std::vector<std::string>> VariableTexts(const FileImage& image, Add add) {
    std::vector<std::string> texts(static_cast<std::size_t>(image.variableCount));
    for (int c = 1; c <= image.caseCount; ++c)
        for (int v = 1; v <= image.variableCount; ++v)
            if (!add(c, v, image.writtenValue(c, v).view(), texts[static_cast<std::size_t>(v - 1)])) return std::nullopt;
    return texts;
}

// The bytes become the output file at path, unless the sink met a problem.
inline std::optional<FileProblem> TakeOutput(const LineSink& sink, std::string& bytes, const std::string& path,
                                             std::vector<OutputFile>& files) {
    if (sink.problem) return sink.problem;
    files.push_back({path, std::move(bytes)});
    return std::nullopt;
}

}  // namespace zoriduvo
