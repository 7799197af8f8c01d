#include "files/exports/MirvWriter.h"

#include "files/exports/ExportWriting.h"
#include "text/NumberText.h"
#include "text/PathText.h"

namespace zoriduvo {

namespace {

// "dat" with the letter case of each letter of the extension it replaces.
std::string DataExtension(std::string_view headerExtension) {
    std::string data = "dat";
    for (std::size_t i = 0; i < data.size() && i < headerExtension.size(); ++i)
        if (headerExtension[i] >= 'A' && headerExtension[i] <= 'Z') data[i] = static_cast<char>(data[i] - 'a' + 'A');
    return data;
}

// Quoted date, comma and blank, quoted time: the written date "mm-dd-yyyy hh:nn:ss" in two.
std::string DateAndTime(const std::string& date) {
    const std::size_t blank = date.find(' ');
    const std::string day = date.substr(0, blank);
    const std::string time = blank == std::string::npos ? std::string() : date.substr(blank + 1);
    return Quoted(day) + ", " + Quoted(time);
}

void PutHeader(LineSink& sink, const ExportInput& input) {
    const FileImage& image = input.image;
    const PlaceOf head = At(TextOf(FileText::FormatTagPlace));
    sink.put(Quoted("Mirv/B_1"), head);
    // Made up from file names the user chose freely: what the code page cannot hold does not refuse them.
    sink.put(Quoted(WritableInFile(FileStemOf(input.paths.at(0)))) + "," + DateAndTime(image.date), head);
    sink.put(Quoted("vo : Data Entry/Edit"), head);
    sink.put(Quoted(WritableInFile(input.sheetPath)) + "," + DateAndTime(image.date), head);
    sink.put(Quoted("1"), head);
    const PlaceOf groups = At(TextOf(FileText::GroupLinePlace));
    sink.put(PrintInteger(image.groupCount()), groups);
    for (std::int16_t size : image.groupSizes) sink.put(PrintInteger(size) + "," + Quoted(""), groups);
    sink.put(PrintInteger(image.variableCount) + "," + PrintInteger(0), head);
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageVariable& variable = image.variable(v);
        const PlaceOf where = At(VariableNamePlace(v));
        if (!sink.checkQuoted(variable.name, where)) return;
        std::string line = Quoted(variable.name);
        AddField(line, Quoted(""));
        AddField(line, PrintInteger(variable.category.count));
        AddField(line, PrintInteger(0));
        AddField(line, PrintInteger(0));
        sink.put(line, where);
    }
    sink.put(PrintInteger(0) + "," + PrintInteger(0), head);
}

void PutData(LineSink& sink, const FileImage& image) {
    std::string line;
    for (int c = 1; c <= image.caseCount && !sink.problem; ++c) {
        line.clear();
        for (int v = 1; v <= image.variableCount; ++v) {
            const CellString value = image.writtenValue(c, v);
            if (!ImportReadsWhole(value)) return sink.refuse(value, ValuePlace(c, v));
            if (v > 1) line.push_back(',');
            line.append(value);
        }
        sink.put(line, At(TextOf(FileText::CasePlace, {std::to_string(c)})));
    }
}

}  // namespace

std::optional<ExportText> MirvPairPaths(const std::string& chosen, std::vector<std::string>& paths) {
    const std::string extension = FileExtensionOf(chosen);
    if (LowerCaseAscii(extension) != ".hdr") return ExportText::HeaderWanted;
    const std::string base = chosen.substr(0, chosen.size() - extension.size());
    paths = {chosen, base + "." + DataExtension(std::string_view(extension).substr(1))};
    return std::nullopt;
}

std::optional<FileProblem> EncodeMirvPair(const ExportInput& input, std::vector<OutputFile>& files) {
    std::string header;
    LineSink headerSink(header);
    PutHeader(headerSink, input);
    if (auto problem = TakeOutput(headerSink, header, input.paths.at(0), files)) return problem;
    std::string data;
    LineSink dataSink(data);
    PutData(dataSink, input.image);
    return TakeOutput(dataSink, data, input.paths.at(1), files);
}

}  // namespace zoriduvo
