#include "files/exports/CsvTableWriter.h"

#include "files/exports/ExportWriting.h"
#include "sheet/SheetRecords.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

const BareText kCommaSeparated(",");

void PutDefinitions(LineSink& sink, const FileImage& image) {
    std::string names = Quoted("name");
    for (int v = 1; v <= image.variableCount; ++v) {
        if (!sink.checkQuoted(image.variable(v).name, At(VariableNamePlace(v)))) return;
        AddField(names, Quoted(image.variable(v).name));
    }
    sink.put(names, [&image](std::size_t offset) {
        std::size_t end = 6;  // "name"
        for (int v = 1; v <= image.variableCount; ++v) {
            end += 3 + image.variable(v).name.size();
            if (offset < end) return VariableNamePlace(v);
        }
        return VariableNamePlace(image.variableCount);
    });
    const char* const captions[] = {"type", "min", "max"};
    for (int row = 0; row < 3; ++row) {
        std::string line = Quoted(captions[row]);
        for (int v = 1; v <= image.variableCount; ++v) {
            const CategoryRange& category = image.variable(v).category;
            const int values[] = {category.count, category.minimum, category.maximum};
            AddField(line, PrintInteger(values[row]));
        }
        sink.put(line, At(TextOf(FileText::CategoryCountPlace)));
    }
}

void PutCases(LineSink& sink, const FileImage& image) {
    std::string line;
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        if (!sink.checkQuoted(image.caseName(c), At(CaseNamePlace(c)))) return;
        line = Quoted(image.caseName(c));
        for (int v = 1; v <= image.variableCount; ++v) {
            const CellString value = image.writtenValue(c, v);
            if (!kCommaSeparated.holds(value)) return sink.refuse(value, ValuePlace(c, v));
            AddField(line, value == kDefaultBlankCode ? std::string_view(" ") : value.view());
        }
        sink.put(line, [&image, c](std::size_t offset) {
            return offset < image.caseName(c).size() + 2 ? CaseNamePlace(c)
                                                          : TextOf(FileText::CasePlace, {std::to_string(c)});
        });
    }
}

void PutStatistics(LineSink& sink, const FileImage& image) {
    const PlaceOf where = At(TextOf(FileText::StatisticsPlace));
    std::string blanks;
    for (int v = 1; v <= image.variableCount; ++v) AddField(blanks, Quoted(" "));
    sink.put(Quoted(" ") + blanks, where);
    if (sink.checkQuoted(image.statisticsCorner, At(TextOf(FileText::StatisticsRangePlace))))
        sink.put(Quoted(image.statisticsCorner) + blanks, At(TextOf(FileText::StatisticsRangePlace)));
    const char* const captions[] = {"Max", "Min", "Average", "STD.Dev", "# of Cases"};
    for (int row = 0; row < 5; ++row) {
        std::string line = Quoted(captions[row]);
        for (int v = 1; v <= image.variableCount; ++v) {
            const ImageStatistics& s = image.statisticsOf(v);
            const float values[] = {s.maximum, s.minimum, s.mean, s.deviation, s.cases};
            AddField(line, PrintSingle(values[row]));
        }
        sink.put(line, where);
    }
}

}  // namespace

std::optional<FileProblem> EncodeCsvTable(const ExportInput& input, std::vector<OutputFile>& files) {
    const FileImage& image = input.image;
    std::string bytes;
    LineSink sink(bytes);
    sink.put(Quoted("CSV"), At(TextOf(FileText::FormatTagPlace)));
    // Made up from the file's name, as the native file's label is: it does not refuse a name the user chose.
    sink.put(Quoted(WritableInFile(image.fileName + " : " + image.date)), At(TextOf(FileText::FileLabelPlace)));
    sink.put(GroupLineOf(image), At(TextOf(FileText::GroupLinePlace)));
    PutDefinitions(sink, image);
    PutCases(sink, image);
    PutStatistics(sink, image);
    return TakeOutput(sink, bytes, input.paths.at(0), files);
}

}  // namespace zoriduvo
