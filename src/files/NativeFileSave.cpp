#include "files/NativeFileSave.h"

#include "files/GatherSheet.h"
#include "files/NativeWriter.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

std::optional<FileProblem> WriteNativeFile(Sheet& sheet, FileImage& image, int version) {
    std::string bytes;
    if (auto problem = EncodeNativeFile(image, version, bytes)) return problem;
    if (auto problem = SaveFileSafely(image.path, bytes)) return problem;
    TakeWrittenFile(sheet, image, version);
    return std::nullopt;
}

void TakeWrittenFile(Sheet& sheet, FileImage& image, int version) {
    image.formatTag = FormatTagOf(version);
    TakeFileRecord(sheet.information(), image);
    sheet.statisticsAndFile().hasFile = true;
    if (version == 2 || version == 3) sheet.setStatisticsValid(true);
    sheet.setModified(false);
    sheet.history().markSaved();
}

bool WriteSheetVersion3(App& app, Sheet& sheet, const std::string& path) {
    std::optional<FileProblem> problem;
    {
        BusyPointer busy(app.ui);
        FileImage image;
        GatherSheet(app, sheet, path, true, image, GatheredBlanks::NativeMark, GatheredValues::Borrowed);
        problem = WriteNativeFile(sheet, image, 3);
    }
    if (problem) ShowFileProblem(app.ui, *problem);
    return !problem;
}

}  // namespace zoriduvo
