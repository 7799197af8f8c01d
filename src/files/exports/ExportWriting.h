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

inline std::string VariableNamePlace(int v) { return FileTextOf(FileText::VariableNamePlace, {std::to_string(v)}); }
inline std::string CaseNamePlace(int c) { return FileTextOf(FileText::CaseNamePlace, {std::to_string(c)}); }
inline std::string ValuePlace(int c, int v) {
    return FileTextOf(FileText::CaseValuePlace, {std::to_string(c), std::to_string(v)});
}

// The bytes become the output file at path, unless the sink met a problem.
inline std::optional<FileProblem> TakeOutput(const LineSink& sink, std::string& bytes, const std::string& path,
                                             std::vector<OutputFile>& files) {
    if (sink.problem) return sink.problem;
    files.push_back({path, std::move(bytes)});
    return std::nullopt;
}

}  // namespace zoriduvo
