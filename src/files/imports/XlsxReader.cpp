#include <expat.h>
#include <minizip/unzip.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "files/FileMessages.h"
#include "files/ReadingNotes.h"
#include "files/imports/ForeignData.h"
#include "sheet/Limits.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

constexpr int kMaxColumns = 16384;
// Decompressed parts are read within this many bytes per byte of the file: deflate cannot do better.
constexpr std::size_t kInflationPerByte = 1100;

FileProblem Damaged(std::string_view what) {
    return {FileError::CannotRead, 0, 0, {}, TextOf(FileText::ForeignDamaged, {what})};
}

// The workbook's bytes as minizip's file: reads and seeks never leave them.
struct ZipBytes {
    std::string_view bytes;
    std::size_t at = 0;
};

voidpf ZipOpen(voidpf opaque, const void*, int) { return opaque; }
uLong ZipRead(voidpf, voidpf stream, void* buffer, uLong size) {
    auto& zip = *static_cast<ZipBytes*>(stream);
    const std::size_t n = std::min<std::size_t>(size, zip.bytes.size() - zip.at);
    if (n > 0) std::memcpy(buffer, zip.bytes.data() + zip.at, n);
    zip.at += n;
    return static_cast<uLong>(n);
}
uLong ZipWrite(voidpf, voidpf, const void*, uLong) { return 0; }
ZPOS64_T ZipTell(voidpf, voidpf stream) { return static_cast<ZipBytes*>(stream)->at; }
long ZipSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto& zip = *static_cast<ZipBytes*>(stream);
    const std::size_t size = zip.bytes.size();
    const std::size_t base = origin == ZLIB_FILEFUNC_SEEK_SET ? 0 : origin == ZLIB_FILEFUNC_SEEK_CUR ? zip.at : size;
    if (offset > size - base) return -1;
    zip.at = base + static_cast<std::size_t>(offset);
    return 0;
}
int ZipClose(voidpf, voidpf) { return 0; }
int ZipError(voidpf, voidpf) { return 0; }

struct ZipClose_ {
    void operator()(unzFile zip) const { unzClose(zip); }
};
using Zip = std::unique_ptr<void, ZipClose_>;

// The local name of an element or attribute: the part after its namespace prefix.
std::string_view Local(const XML_Char* name) {
    std::string_view text(name);
    const std::size_t colon = text.rfind(':');
    return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

std::string_view Attribute(const XML_Char** attributes, std::string_view local) {
    for (int i = 0; attributes[i]; i += 2)
        if (Local(attributes[i]) == local) return attributes[i + 1];
    return {};
}

// An XML part parsed as it inflates. The handlers get the element's local name.
class PartParser {
public:
    std::function<void(std::string_view, const XML_Char**)> start;
    std::function<void(std::string_view)> end;
    std::function<void(std::string_view)> text;
    std::optional<FileProblem> problem;

    // Stops the parse with a problem.
    void stop(FileProblem found) {
        if (!problem) problem = std::move(found);
        XML_StopParser(parser_, XML_FALSE);
    }

    // Parses the part of the workbook of that name; false with problem set when it is missing,
    // damaged or inflates beyond budget.
    bool parse(unzFile zip, const std::string& name, std::size_t& budget, bool required = true);

private:
    XML_Parser parser_ = nullptr;
};

bool PartParser::parse(unzFile zip, const std::string& name, std::size_t& budget, bool required) {
    if (unzLocateFile(zip, name.c_str(), 1) != UNZ_OK) {
        if (required) problem = Damaged(name);
        return false;
    }
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        problem = Damaged(name);
        return false;
    }
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate("UTF-8"), XML_ParserFree);
    parser_ = parser.get();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(
        parser_,
        [](void* self, const XML_Char* element, const XML_Char** attributes) {
            auto& p = *static_cast<PartParser*>(self);
            if (p.start) p.start(Local(element), attributes);
        },
        [](void* self, const XML_Char* element) {
            auto& p = *static_cast<PartParser*>(self);
            if (p.end) p.end(Local(element));
        });
    XML_SetCharacterDataHandler(parser_, [](void* self, const XML_Char* s, int length) {
        auto& p = *static_cast<PartParser*>(self);
        if (p.text) p.text(std::string_view(s, static_cast<std::size_t>(length)));
    });
    // A part of a workbook has no document type; one with it is no workbook of ours to read.
    XML_SetStartDoctypeDeclHandler(parser_, [](void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<PartParser*>(self)->stop(Damaged("DOCTYPE"));
    });
    char buffer[1 << 16];
    for (;;) {
        const int n = unzReadCurrentFile(zip, buffer, sizeof buffer);
        if (n < 0) {
            problem = Damaged(name);
            break;
        }
        if (static_cast<std::size_t>(n) > budget) {
            problem = FileProblem{FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)};
            break;
        }
        budget -= static_cast<std::size_t>(n);
        if (XML_Parse(parser_, buffer, n, n == 0) != XML_STATUS_OK) {
            if (!problem) problem = Damaged(name + ": " + XML_ErrorString(XML_GetErrorCode(parser_)));
            break;
        }
        if (n == 0) break;
    }
    parser_ = nullptr;
    // A CRC that does not match is a damaged part even when its XML was whole.
    if (unzCloseCurrentFile(zip) != UNZ_OK && !problem) problem = Damaged(name);
    return !problem;
}

struct WorkbookSheet {
    std::string name, relation;
};

std::optional<FileProblem> ReadSheetList(unzFile zip, std::size_t& budget, std::vector<WorkbookSheet>& sheets,
                                         std::map<std::string, std::string>& targets) {
    PartParser book;
    book.start = [&](std::string_view element, const XML_Char** attributes) {
        if (element == "sheet") sheets.push_back({std::string(Attribute(attributes, "name")), std::string(Attribute(attributes, "id"))});
    };
    if (!book.parse(zip, "xl/workbook.xml", budget)) return book.problem;
    PartParser relations;
    relations.start = [&](std::string_view element, const XML_Char** attributes) {
        if (element == "Relationship") targets[std::string(Attribute(attributes, "Id"))] = Attribute(attributes, "Target");
    };
    if (!relations.parse(zip, "xl/_rels/workbook.xml.rels", budget)) return relations.problem;
    if (sheets.empty()) return Damaged("xl/workbook.xml");
    return std::nullopt;
}

std::optional<FileProblem> ReadSharedStrings(unzFile zip, std::size_t& budget, std::vector<std::string>& strings) {
    PartParser part;
    int phonetic = 0;  // inside a reading guide (furigana), which is not the text
    bool inText = false;
    part.start = [&](std::string_view element, const XML_Char**) {
        if (element == "si") strings.emplace_back();
        else if (element == "rPh") ++phonetic;
        else if (element == "t") inText = phonetic == 0 && !strings.empty();
    };
    part.end = [&](std::string_view element) {
        if (element == "rPh") --phonetic;
        else if (element == "t") inText = false;
    };
    part.text = [&](std::string_view text) {
        if (inText) strings.back().append(text);
    };
    if (!part.parse(zip, "xl/sharedStrings.xml", budget, false) && part.problem) return part.problem;
    return std::nullopt;
}

// The column of a cell reference such as "AB12", from 1; 0 when it has none.
int ColumnOf(std::string_view reference) {
    int column = 0;
    for (char c : reference) {
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
        if (column > kMaxColumns) return kMaxColumns + 1;
    }
    return column;
}

int NumberAttribute(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

// The cells of one worksheet as they stream by: row 1 the names, each further row a case.
class SheetCells {
public:
    SheetCells(ForeignRead& read, const std::vector<std::string>& strings, std::size_t maxValues)
        : read_(read), strings_(strings), maxValues_(maxValues) {
        read_.image.variableCount = kMaxColumns;  // cases begin only where rows do, until the end
    }

    void startRow(const XML_Char** attributes, PartParser& parser);
    void startCell(const XML_Char** attributes, PartParser& parser);
    void endCell(PartParser& parser);
    // The counts and names once the last row is read.
    void finish();

    std::string type, text;
    bool inCell = false, inValue = false;

private:
    void place(Cell cell, PartParser& parser);

    ForeignRead& read_;
    const std::vector<std::string>& strings_;
    std::size_t maxValues_;
    std::vector<std::string> names_;
    int row_ = 0, column_ = 0, lastColumn_ = 0, columns_ = 0;
    int filled_ = 0;  // the columns of the current case given their values
};

void SheetCells::startRow(const XML_Char** attributes, PartParser& parser) {
    const int row = NumberAttribute(Attribute(attributes, "r"));
    const int next = row > 0 ? row : row_ + 1;
    if (next <= row_) return parser.stop(Damaged("row"));
    if (next - 1 > kMaxCount) return parser.stop({FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)});
    FileImage& image = read_.image;
    row_ = next;
    lastColumn_ = 0;
    filled_ = 0;
    // Rows the sheet leaves out are cases of blanks.
    while (row_ > 1 && image.caseCount < row_ - 1) {
        image.beginCase();
        ++image.caseCount;
    }
}

void SheetCells::startCell(const XML_Char** attributes, PartParser& parser) {
    if (row_ == 0) return parser.stop(Damaged("c"));
    const std::string_view reference = Attribute(attributes, "r");
    const int column = reference.empty() ? lastColumn_ + 1 : ColumnOf(reference);
    if (column <= lastColumn_ || column > kMaxColumns) return parser.stop(Damaged("c"));
    column_ = column;
    type = Attribute(attributes, "t");
    text.clear();
    inCell = true;
}

void SheetCells::endCell(PartParser& parser) {
    inCell = false;
    Cell cell;
    if (type == "s") {
        const int index = NumberAttribute(text);
        if (text.empty() || index < 0 || static_cast<std::size_t>(index) >= strings_.size())
            return parser.stop(Damaged("sharedStrings"));
        cell = Cell::FromText(strings_[static_cast<std::size_t>(index)]);
    } else if (type.empty() || type == "n" || type == "b") {
        double number = 0;
        const char* first = text.data();
        const auto [end, error] = std::from_chars(first, first + text.size(), number);
        if (!text.empty() && error == std::errc() && end == first + text.size() && std::isfinite(number)) {
            char general[kGeneralTextRoom];
            cell = Cell::FromText(std::string_view(general, GeneralTextTo(number, general)));
            if (std::fabs(number) > FLT_MAX) read_.image.notes.beyondSingle.note(row_ - 1, column_, text);
        } else if (!text.empty()) {
            cell = Cell::FromText(text);
        }
    } else {
        cell = Cell::FromText(text);  // inline and formula strings, errors, ISO dates
    }
    place(std::move(cell), parser);
}

void SheetCells::place(Cell cell, PartParser& parser) {
    const auto k = static_cast<std::size_t>(column_ - 1);
    lastColumn_ = column_;
    if (cell.empty()) return;
    columns_ = std::max(columns_, column_);
    if (row_ == 1) {
        if (names_.size() <= k) names_.resize(k + 1);
        names_[k].assign(cell.text().view());
        return;
    }
    if (read_.textVariables.size() <= k) read_.textVariables.resize(k + 1);
    if (!cell.isNumber()) read_.textVariables[k] = true;
    FileImage& image = read_.image;
    for (int v = filled_ + 1; v < column_; ++v) image.appendCell({});  // held only when a value follows
    image.appendCell(std::move(cell));
    filled_ = column_;
    if (image.valuesHeld() > maxValues_) parser.stop({FileError::TooLarge, 0, 0, TextOf(FileText::CaseCountPlace)});
}

void SheetCells::finish() {
    FileImage& image = read_.image;
    image.variableCount = columns_;
    names_.resize(static_cast<std::size_t>(columns_));
    for (std::string& name : names_) image.variables.push_back({std::move(name), {}});
    read_.textVariables.resize(static_cast<std::size_t>(columns_));
}

std::string PartPath(std::string_view target) {
    if (target.starts_with('/')) return std::string(target.substr(1));
    return "xl/" + std::string(target);
}

std::optional<FileProblem> ReadSheet(unzFile zip, const std::string& part, std::size_t& budget, ForeignRead& read,
                                     const std::vector<std::string>& strings, std::size_t maxValues) {
    SheetCells cells(read, strings, maxValues);
    PartParser parser;
    parser.start = [&](std::string_view element, const XML_Char** attributes) {
        if (element == "row") cells.startRow(attributes, parser);
        else if (element == "c") cells.startCell(attributes, parser);
        else if (cells.inCell && (element == "v" || element == "t")) cells.inValue = true;
    };
    parser.end = [&](std::string_view element) {
        if (element == "c" && cells.inCell) cells.endCell(parser);
        else if (element == "v" || element == "t") cells.inValue = false;
    };
    parser.text = [&](std::string_view text) {
        if (cells.inValue) cells.text.append(text);
    };
    if (!parser.parse(zip, part, budget)) return parser.problem;
    cells.finish();
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> ReadXlsxBytes(std::string_view bytes, const ForeignQuestions& questions, ForeignRead& read) {
    ZipBytes input{bytes};
    zlib_filefunc64_def functions{ZipOpen, ZipRead, ZipWrite, ZipTell, ZipSeek, ZipClose, ZipError, &input};
    Zip zip(unzOpen2_64("", &functions));
    if (!zip) return Damaged("zip");
    std::size_t budget = bytes.size() * kInflationPerByte;
    std::vector<WorkbookSheet> sheets;
    std::map<std::string, std::string> targets;
    if (auto problem = ReadSheetList(zip.get(), budget, sheets, targets)) return problem;
    std::size_t chosen = 0;
    if (sheets.size() > 1 && questions.chooseSheet) {
        std::vector<std::string> names;
        for (const WorkbookSheet& sheet : sheets) names.push_back(sheet.name);
        const auto answer = questions.chooseSheet(names);
        if (!answer) {
            read.cancelled = true;
            return std::nullopt;
        }
        chosen = std::min(static_cast<std::size_t>(std::max(*answer, 0)), sheets.size() - 1);
    }
    const auto target = targets.find(sheets[chosen].relation);
    if (target == targets.end()) return Damaged("xl/_rels/workbook.xml.rels");
    std::vector<std::string> strings;
    if (auto problem = ReadSharedStrings(zip.get(), budget, strings)) return problem;
    read.image.formatTag = "Excel";
    return ReadSheet(zip.get(), PartPath(target->second), budget, read, strings,
                     bytes.size() * kForeignValuesPerByte + kForeignValuesBesides);
}

}  // namespace zoriduvo
