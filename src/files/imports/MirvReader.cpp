#include "files/imports/MirvReader.h"

#include <cctype>

#include "files/FileMessages.h"
#include "files/imports/ImportTokenizer.h"
#include "files/imports/TextImport.h"
#include "text/NumberText.h"
#include "text/PathText.h"

namespace zoriduvo {

namespace {

// The tag, the name and time line, the program line, the path and time line and the "1" line.
constexpr int kLeadingFields = 9;

bool Skip(ImportTokenizer& in, int count) {
    for (int k = 0; k < count; ++k)
        if (!in.nextField()) return false;
    return true;
}

std::optional<FileProblem> ReadHeader(ImportTokenizer& in, FileImage& image) {
    Skip(in, kLeadingFields);
    if (auto problem = ReadGroups(in, image, 1)) return problem;
    if (auto problem = ReadCount(in, FileText::VariableCountPlace, kMaxCount, image.variableCount)) return problem;
    Skip(in, 1);
    image.variables.resize(static_cast<std::size_t>(image.variableCount));
    for (ImageVariable& variable : image.variables) {
        const auto name = in.nextField();
        if (!name) break;
        variable.name = std::string(*name);
        if (!Skip(in, 1)) break;
        int stored = 0;
        if (auto problem = ReadCount(in, FileText::CategoryCountPlace, kMaxCount, stored)) return problem;
        variable.category = CategoriesOfStoredCount(static_cast<std::int16_t>(stored));
        Skip(in, 2);
    }
    return std::nullopt;
}

// A pair torn by a write that stopped between its two files holds the old values under the new
// header: the data must have the header's shape, one line of V values per case (blank lines aside).
bool DataMatchesHeader(std::string_view data, const FileImage& header) {
    if (header.variableCount == 0) return true;  // its cases are empty lines: nothing to spread
    ImportTokenizer in(data, false);
    int cases = 0, line = 0, onLine = 0;
    bool emptyField = false;
    const auto lineFits = [&] {
        if (line == 0 || (onLine == 1 && emptyField)) return true;
        ++cases;
        return onLine == header.variableCount;
    };
    while (const auto field = in.nextField()) {
        if (in.line() != line) {
            if (!lineFits()) return false;
            line = in.line();
            onLine = 0;
        }
        ++onLine;
        emptyField = field->empty();
    }
    return lineFits() && cases == header.caseCount;
}

}  // namespace

std::string MirvDataPath(const std::string& headerPath) {
    const std::string extension = FileExtensionOf(headerPath);
    std::string data = headerPath.substr(0, headerPath.size() - extension.size());
    if (extension.empty()) return data + ".DAT";
    data += '.';
    // Letter by letter, so that "x.Hdr" finds "x.Dat".
    const char dat[] = {'d', 'a', 't'};
    for (std::size_t k = 0; k < 3; ++k) {
        const bool upper = k + 1 < extension.size() && std::isupper(static_cast<unsigned char>(extension[k + 1]));
        data += upper ? static_cast<char>(std::toupper(dat[k])) : dat[k];
    }
    return data;
}

std::optional<FileProblem> ReadMirvTexts(std::string_view header, std::string_view data, FileImage& image,
                                         const std::string& dataName) {
    FileImage read;
    ImportTokenizer headerFields(header);
    if (auto problem = ReadHeader(headerFields, read)) return problem;
    if (!DataMatchesHeader(data, read))
        return FileProblem{FileError::CannotRead, 0, 0, dataName, TextOf(FileText::PairTorn)};
    if (read.groupSizes.empty()) read.groupSizes = {0};
    ReserveValuesOfText(read, data.size());
    // The values are comma-separated; a blank inside one does not end it.
    ImportTokenizer values(data, false);
    if (auto problem = ReadTableBody(values, {}, read)) return problem;
    image = std::move(read);
    return std::nullopt;
}

}  // namespace zoriduvo
