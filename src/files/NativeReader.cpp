#include "files/NativeReader.h"

#include <limits>

#include "files/Cp932.h"
#include "files/FieldReader.h"
#include "files/FileMessages.h"
#include "files/FilePaths.h"
#include "platform/FileDates.h"
#include "sheet/Limits.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kTagPrefix = "vo-Data_";

bool IsTag(std::string_view field) { return field.substr(0, kTagPrefix.size()) == kTagPrefix; }

// Reads the fields after the format tag into an image; stops quietly at the end of the text.
class NativeParser {
public:
    NativeParser(FieldReader& in, FileImage& image, std::size_t textSize)
        : in_(in), image_(image), textSize_(textSize) {}

    std::optional<FileProblem> problem;

    void readBody() {
        // Statistics cut short are no statistics: taken as valid, a save would write them as read.
        image_.statisticsPresent = readHead() && readVariables() && readCases() && hasStatistics() && statisticsOrBack();
        if (!image_.statisticsPresent) {
            image_.statistics.clear();
            image_.statisticsCorner.clear();
        }
        readComment();
    }

private:
    std::optional<std::string_view> field() {
        if (ended_) return std::nullopt;
        auto f = in_.next();
        if (!f) ended_ = true;
        return f;
    }

    // A 16-bit integer field within [low, high]; false at the end of the text or when out of range.
    bool integer(std::int16_t& out, FileText what, int low = kInt16Min, int high = kMaxCount) {
        const auto f = field();
        if (!f) return false;
        const auto value = RoundToInt16(LeadingNumber(*f));
        if (!value || *value < low || *value > high) {
            problem = FileProblem{FileError::CountOutOfRange, in_.line(), in_.field(), TextOf(what), std::string(*f)};
            return false;
        }
        out = *value;
        return true;
    }

    bool skip(int count) {
        for (int k = 0; k < count; ++k)
            if (!field()) return false;
        return true;
    }

    bool hasStatistics() const {
        const std::string& tag = image_.formatTag;
        return tag.size() > 8 && (tag[8] == '2' || tag[8] == '3');
    }

    bool readHead() {
        const auto label = field();
        if (!label) return false;
        image_.fileLabel = std::string(*label);
        std::int16_t groups = 0;
        if (!integer(groups, FileText::GroupCountPlace, 1)) return false;
        for (int k = 1; k <= groups; ++k) {
            std::int16_t size = 0;
            if (!integer(size, FileText::GroupSizePlace, 0)) return false;
            // Each size may be right and their sum still too many cases: the sum is what is refused.
            if (image_.caseCount + size > kMaxCount) {
                problem = FileProblem{FileError::TooLarge, in_.line(), in_.field(), TextOf(FileText::GroupSizeSumPlace)};
                return false;
            }
            // A group without cases holds nothing; kept, it would make the sheet's groups unsavable
            // and the save would merge the groups around it into one.
            if (size > 0) image_.groupSizes.push_back(size);
            image_.caseCount += size;
        }
        std::int16_t variables = 0;
        if (!integer(variables, FileText::VariableCountPlace, 0)) return false;
        image_.variableCount = variables;
        return true;
    }

    bool readVariables() {
        const bool withRange = image_.formatTag == "vo-Data_3" || image_.formatTag == "vo-Data_4";
        for (int v = 1; v <= image_.variableCount; ++v) {
            const auto name = field();
            if (!name) return false;
            ImageVariable& variable = image_.variables.emplace_back();
            variable.name = std::string(*name);
            std::int16_t count = 0;
            if (!integer(count, FileText::CategoryCountPlace, kInt16Min, kInt16Max)) return false;
            if (withRange) {
                variable.category.count = count;
                CategoryRange& range = variable.category;
                if (!integer(range.minimum, FileText::CategoryMinimumPlace, kInt16Min, kInt16Max)) return false;
                if (!integer(range.maximum, FileText::CategoryMaximumPlace, kInt16Min, kInt16Max)) return false;
                if (!skip(1)) return false;
            } else {
                ConvertOldCategoryCount(count, variable);
            }
        }
        return true;
    }

    // Versions 1 and 2 keep only a count; 1 and 2 meant a variable of 0 and 1.
    static void ConvertOldCategoryCount(std::int16_t stored, ImageVariable& variable) {
        if (stored == 0) return;
        if (stored == 1 || stored == 2) {
            variable.category.count = 2, variable.category.minimum = 0, variable.category.maximum = 1;
            return;
        }
        variable.category.count = stored, variable.category.minimum = 1, variable.category.maximum = stored;
    }

    bool readCases() {
        ReserveValuesOfText(image_, textSize_);
        for (int c = 1; c <= image_.caseCount; ++c) {
            const auto name = field();
            if (!name) return false;
            image_.caseNames.emplace_back(*name);
            for (int v = 1; v <= image_.variableCount; ++v) {
                // Most values are numbers in their general text: read as one, in one pass.
                double number = 0;
                if (!ended_ && in_.nextTaken([&number](const char* begin, const char* end) {
                        return ReadFixedGeneralNumber(begin, end, number);
                    })) {
                    image_.appendCell(Cell::FromCanonicalNumber(number));
                    continue;
                }
                const auto value = field();
                if (!value) return false;
                const std::string_view text = Trim(*value);
                image_.appendValue(text == "%M" ? std::string_view() : text);
            }
        }
        return true;
    }

    // A block left out or cut short: what follows the cases is read again as the comment.
    bool statisticsOrBack() {
        const FieldReader start = in_;
        if (readStatistics()) return true;
        in_ = start;
        ended_ = false;
        return false;
    }

    // The label of a statistics line; a file without its block (or the rest of it) goes on with the
    // comment, whose lines are no statistics.
    bool label() {
        const auto f = field();
        return f && *f != kCommentStart;
    }

    bool readStatistics() {
        const int count = image_.variableCount;
        if (!label() || !skip(count)) return false;
        const auto corner = field();
        if (!corner) return false;
        image_.statisticsCorner = std::string(*corner);
        if (!skip(count)) return false;
        image_.statistics.resize(count);
        float ImageStatistics::*const rows[] = {&ImageStatistics::maximum, &ImageStatistics::minimum,
                                                &ImageStatistics::mean, &ImageStatistics::deviation,
                                                &ImageStatistics::cases};
        for (auto row : rows) {
            if (!label()) return false;
            for (int v = 1; v <= count; ++v) {
                const auto f = field();
                if (!f) return false;
                image_.statistics[v - 1].*row = StatisticOfText(*f);
            }
        }
        return true;
    }

    void readComment() {
        bool collecting = false;
        bool first = true;
        while (auto line = in_.nextLine()) {
            if (*line == kCommentStart) {
                collecting = true;
            } else if (*line == kCommentEnd) {
                collecting = false;
            } else if (collecting) {
                if (!first) image_.comment += "\r\n";
                image_.comment.append(*line);
                first = false;
            }
        }
    }

    FieldReader& in_;
    FileImage& image_;
    std::size_t textSize_;
    bool ended_ = false;
};

}  // namespace

std::optional<FileProblem> ReadNativeOwnedBytes(std::string bytes, FileImage& image) {
    if (LooksLikeUtf16(bytes)) return FileProblem{FileError::Utf16Text};
    std::size_t bad = 0;
    // Files made by other programs come in UTF-8 too; read as code page 932 they would load as
    // garbled names with no word of it. What is written is code page 932, as always.
    if (!DecodeForeignTextInPlace(bytes, &bad)) {
        // A file of another kind under a ".vo" name is no vo-Data, whatever bytes it holds.
        if (bytes.find(kTagPrefix) == std::string::npos) return FileProblem{FileError::NotVoData};
        return FileProblem{FileError::UnreadableText, LineOfOffset(bytes, bad)};
    }
    FieldReader in(bytes);
    FileImage read;
    for (;;) {
        const auto f = in.next();
        if (!f) return FileProblem{FileError::NotVoData};
        if (IsTag(*f)) {
            read.formatTag = std::string(*f);
            break;
        }
    }
    NativeParser parser(in, read, bytes.size());
    parser.readBody();
    if (parser.problem) return parser.problem;
    image = std::move(read);
    return std::nullopt;
}

std::optional<FileProblem> ReadNativeBytes(std::string_view bytes, FileImage& image) {
    return ReadNativeOwnedBytes(std::string(bytes), image);
}

void SetImageSource(FileImage& image, const std::string& path) {
    image.path = path;
    image.fileName = FileNameOf(path);
    const auto modified = ModificationTime(path);
    image.date = modified ? ReaderDate(*modified) : std::string();
}

std::optional<FileProblem> ReadNativeFile(const std::string& path, FileImage& image) {
    std::string bytes;
    if (auto problem = ReadFileToOpen(path, bytes)) return problem;
    if (auto problem = ReadNativeOwnedBytes(std::move(bytes), image)) return problem;
    SetImageSource(image, path);
    return std::nullopt;
}

bool HasVoDataTag(std::string_view bytes) {
    const auto text = DecodeForeignText(bytes);
    if (!text) return false;
    FieldReader in(*text);
    while (const auto f = in.next())
        if (IsTag(*f)) return true;
    return false;
}

}  // namespace zoriduvo
