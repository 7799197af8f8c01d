#include "files/imports/FixedWidth.h"

#include <algorithm>

#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "files/ReadingNotes.h"
#include "files/imports/ImportMessages.h"
#include "files/imports/ImportSheet.h"
#include "files/imports/TextImport.h"
#include "platform/FileDates.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/DefaultNames.h"
#include "sheet/SheetRecords.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "text/Utf8.h"

namespace zoriduvo {

namespace {

constexpr const char* kFixedTag = "Fixed_Data";
constexpr const char* kShownTab = "\u00BB";  // one column, as the reader counts a tab

std::size_t CharacterLength(std::string_view text) {
    return std::clamp<std::size_t>(Utf8SequenceLength(static_cast<unsigned char>(text[0])), 1, text.size());
}

char32_t CodePoint(std::string_view text) {
    const std::size_t length = CharacterLength(text);
    if (length == 1) return static_cast<unsigned char>(text[0]);
    char32_t cp = static_cast<unsigned char>(text[0]) & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
    return cp;
}

std::string_view FieldOf(std::string_view line, bool ascii, int first, int last) {
    if (!ascii) return Trim(ColumnsOf(line, first, last));
    const auto begin = static_cast<std::size_t>(first - 1);
    if (begin >= line.size()) return {};
    return Trim(line.substr(begin, static_cast<std::size_t>(last - first + 1)));
}

}  // namespace

int CharacterColumns(std::string_view text) {
    if (text.empty()) return 0;
    const char32_t cp = CodePoint(text);
    // The single bytes of code page 932: ASCII, half-width katakana and the three vendor bytes.
    const bool half = cp < 0x81 || cp == 0xA0 || (cp >= 0xFF61 && cp <= 0xFF9F) || (cp >= 0xF8F0 && cp <= 0xF8F2);
    return half ? 1 : 2;
}

int LineColumns(std::string_view line) {
    int columns = 0;
    for (std::size_t k = 0; k < line.size(); k += CharacterLength(line.substr(k)))
        columns += CharacterColumns(line.substr(k));
    return columns;
}

std::string_view ColumnsOf(std::string_view line, int first, int last) {
    std::size_t begin = line.size(), end = line.size();
    int column = 1;
    for (std::size_t k = 0; k < line.size(); k += CharacterLength(line.substr(k))) {
        if (column > last) {
            end = k;
            break;
        }
        if (column >= first && begin == line.size()) begin = k;
        column += CharacterColumns(line.substr(k));
    }
    return line.substr(begin, end - std::min(begin, end));
}

std::vector<std::string> FixedPreview(std::string_view text) {
    std::vector<std::string_view> lines = TextLines(text);
    lines.resize(std::min<std::size_t>(lines.size(), 3));
    int longest = 0;
    for (std::string_view line : lines) longest = std::max(longest, LineColumns(line));
    std::string ruler, markers;
    for (int k = 1; k <= longest / 5 + 1; ++k) {
        const std::string number = std::to_string(5 * k);
        ruler += std::string(number.size() < 5 ? 5 - number.size() : 0, ' ') + number;
        markers += "    v";
    }
    std::vector<std::string> preview{ruler, markers};
    // A tab is one column to the reader; shown as a tab it would jump to the viewer's next stop and
    // put the lines out of step with the ruler.
    for (std::string_view line : lines) {
        std::string shown;
        for (char ch : line) {
            if (ch == '\t') shown.append(kShownTab);
            else shown.push_back(ch);
        }
        preview.push_back(std::move(shown));
    }
    return preview;
}

std::optional<FileProblem> ReadFixedWidthText(std::string_view text, const FixedLayout& layout, FileImage& image) {
    const std::vector<std::string_view> lines = TextLines(text);
    if (lines.size() > static_cast<std::size_t>(kMaxCount))
        return FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)};
    if (layout.variables.size() > static_cast<std::size_t>(kMaxCount))
        return FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::VariableCountPlace)};
    FileImage read;
    read.caseCount = static_cast<int>(lines.size());
    read.variableCount = static_cast<int>(layout.variables.size());
    read.groupSizes = {static_cast<std::int16_t>(read.caseCount)};
    for (const FixedDefinition& d : layout.variables) read.variables.push_back({d.name, {}});
    ReserveValuesOfText(read, text.size());
    int c = 0;
    for (std::string_view line : lines) {
        ++c;
        const bool ascii = IsAscii(line);
        switch (layout.caseNames) {
        case FixedCaseNames::Generated: read.caseNames.push_back(DefaultCaseName(c)); break;
        case FixedCaseNames::None: break;
        case FixedCaseNames::Read:
            read.caseNames.emplace_back(FieldOf(line, ascii, layout.nameFirst, layout.nameLast));
            break;
        }
        int v = 0;
        for (const FixedDefinition& d : layout.variables)
            AppendForeignValue(read, FieldOf(line, ascii, d.first, d.last), false, c, ++v);
    }
    image = std::move(read);
    return std::nullopt;
}

ImportResult ImportFixedWidth(App& app, const std::string& path, const FixedLayout& layout) {
    if (layout.variables.empty()) return {ImportResult::Refused};
    std::string text;
    std::optional<FileProblem> problem = ReadImportText(path, text);
    int n = 0;
    ReadingNotes notes;
    if (!problem) {
        BusyPointer busy(app.ui);
        FileImage image;
        problem = ReadFixedWidthText(text, layout, image);
        text = std::string();
        if (!problem) {
            image.path = image.fileLabel = kUndefined;
            image.formatTag = kFixedTag;
            const auto modified = ModificationTime(path);
            image.date = modified ? ReaderDate(*modified) : std::string();
            n = LoadImportedImage(app, image, {});
            if (n != 0) app.sheet(n).setCaption("名称未設定:" + std::to_string(n));
            notes = image.notes;
            NoteUnstorableNames(image, notes);
        }
    }
    if (problem) {
        app.ui.show(ImportProblemMessage(*problem, kFixedWidthTitle));
        return {ImportResult::Failed};
    }
    TellReadingNotes(app.ui, notes, kFixedWidthTitle);
    return {n != 0 ? ImportResult::Imported : ImportResult::Failed, n};
}

}  // namespace zoriduvo
