#include "files/exports/ExportFormats.h"

#include "files/NativeWriter.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kVoFilter = "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|";

std::vector<std::string> TheChosenFile(const std::string& chosen) { return {chosen}; }

template <int Version>
std::optional<FileProblem> EncodeNative(const FileImage& image, const std::vector<std::string>& paths,
                                        std::vector<OutputFile>& files) {
    std::string bytes;
    if (auto problem = EncodeNativeFile(image, Version, bytes)) return problem;
    files = {{paths.at(0), std::move(bytes)}};
    return std::nullopt;
}

constexpr ExportForm kForms[] = {
    {"vo1", "vo-Data_1", kVoFilter, true, false, TheChosenFile, EncodeNative<1>},
    {"vo2", "vo-Data_2", kVoFilter, true, true, TheChosenFile, EncodeNative<2>},
    {"vo3", "vo-Data_3", kVoFilter, true, true, TheChosenFile, EncodeNative<3>},
    {"vo4", "vo-Data_4", kVoFilter, true, false, TheChosenFile, EncodeNative<4>},
};

}  // namespace

std::span<const ExportForm> ExportForms() { return kForms; }

const ExportForm* FindExportForm(std::string_view name) {
    for (const ExportForm& form : kForms)
        if (form.name == name) return &form;
    return nullptr;
}

std::optional<FileProblem> EncodeExport(const ExportForm& form, const FileImage& image, const std::string& chosen,
                                        std::vector<OutputFile>& files) {
    return form.encode(image, form.outputPaths(chosen), files);
}

}  // namespace zoriduvo
