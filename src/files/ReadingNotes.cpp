#include "files/ReadingNotes.h"

#include <cfloat>
#include <cmath>

#include "files/Cp932.h"
#include "files/FileImage.h"
#include "files/FileMessages.h"
#include "platform/Ui.h"
#include "sheet/CellValue.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

constexpr std::size_t kNamesShown = 3;
// The magnitude from which a number rounds past the largest single: FLT_MAX and half its last place.
constexpr double kBeyondSingle = 0x1p128 - 0x1p103;

bool NameStorable(std::string_view name, Cp932Converter& converter, std::string& scratch) {
    if (name.find_first_of("\"\r\n") != std::string_view::npos) return false;
    if (IsAscii(name)) return true;
    scratch.clear();
    return converter.convert(name, scratch);
}

// "Inf", "-Inf", "+inf", "Infinity": how R and others write an infinite number.
int InfinitySign(std::string_view text) {
    int sign = 1;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    const auto is = [text](std::string_view word) {
        if (text.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((text[i] | 0x20) != word[i]) return false;
        return true;
    };
    return is("inf") || is("infinity") ? sign : 0;
}

// Whether a text wholly a number may reach 10^38 in magnitude: its digits before the point and its
// exponent tell without reading it, and below that no number passes the single range.
bool MayPassSingleRange(std::string_view number) {
    std::size_t i = number[0] == '+' || number[0] == '-' ? 1 : 0;
    long magnitude = 0;  // the power of ten the number stays below
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
        if (magnitude > 0 || number[i] != '0') ++magnitude;
    i = number.find_first_of("EeDd", i);
    if (i == std::string_view::npos) return magnitude > 38;
    const bool negative = ++i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    long exponent = 0;
    for (; i < number.size() && exponent < 100000; ++i) exponent = exponent * 10 + (number[i] - '0');
    return magnitude + (negative ? -exponent : exponent) > 38;
}

// "ケース 3、変数 2 の値".
std::string PlaceOf(const ValueNote& note) {
    return TextOf(FileText::CaseValuePlace, {std::to_string(note.caseNumber), std::to_string(note.variable)});
}

}  // namespace

void NoteUnstorableNames(const FileImage& image, ReadingNotes& notes) {
    Cp932Converter converter(Cp932Converter::Direction::FromUtf8);
    std::string scratch;
    const auto check = [&](std::string_view name) {
        if (NameStorable(name, converter, scratch)) return;
        if (notes.unstorableNames++ < static_cast<int>(kNamesShown)) notes.firstUnstorableNames.emplace_back(name);
    };
    for (int v = 1; v <= image.variableCount; ++v) check(image.variable(v).name);
    for (int c = 1; c <= image.caseCount; ++c) check(image.caseName(c));
}

bool IsMissingCode(std::string_view trimmed, bool quoted) {
    if (trimmed.empty() || trimmed == "%M") return true;
    return !quoted && (trimmed == "NA" || trimmed == ".");
}

void AppendForeignValue(FileImage& image, std::string_view field, bool quoted, int c, int v) {
    const std::string_view text = Trim(field);
    if (IsMissingCode(text, quoted)) {
        image.appendValue({});
        return;
    }
    Cell cell = Cell::FromText(text);
    double number = 0;
    if (cell.isNumber()) {
        number = cell.number();
    } else if (WhollyNumber(text)) {
        if (MayPassSingleRange(text)) number = LeadingNumber(text);
    } else if (const int sign = quoted ? 0 : InfinitySign(text)) {
        number = sign * DBL_MAX;
        cell = Cell::FromText(GeneralText(number));
    } else {
        image.notes.notNumbers.note(c, v, text);
    }
    if (std::fabs(number) >= kBeyondSingle) image.notes.beyondSingle.note(c, v, text);
    image.appendCell(std::move(cell));
}

std::vector<Message> ReadingNoteMessages(const ReadingNotes& notes, std::string_view title) {
    std::vector<Message> messages;
    if (notes.linesCut > 0)
        messages.push_back(
            MessageOf(FileText::LinesCut, {std::to_string(notes.linesCut), std::to_string(notes.firstLineCut)}));
    if (notes.extraValues > 0)
        messages.push_back(MessageOf(FileText::ExtraValues,
                                         {std::to_string(notes.extraValues), std::to_string(notes.firstExtraLine)}));
    for (const auto& [note, text] :
         {std::pair{&notes.notNumbers, FileText::NotNumbers}, std::pair{&notes.beyondSingle, FileText::BeyondSingle}})
        if (note->count > 0)
            messages.push_back(MessageOf(text, {std::to_string(note->count), PlaceOf(*note), note->text}));
    if (notes.unstorableNames > 0) {
        std::string names;
        for (const std::string& name : notes.firstUnstorableNames)
            names += (names.empty() ? "「" : "、「") + name + "」";
        if (notes.unstorableNames > static_cast<int>(notes.firstUnstorableNames.size())) names += " など";
        messages.push_back(MessageOf(FileText::UnstorableNames, {std::to_string(notes.unstorableNames), names}));
    }
    if (notes.valueLabels + notes.variableLabels + notes.missingDefinitions > 0)
        messages.push_back(MessageOf(FileText::LabelsNotKept, {std::to_string(notes.valueLabels),
                                                                   std::to_string(notes.variableLabels),
                                                                   std::to_string(notes.missingDefinitions)}));
    for (Message& message : messages) message.title = std::string(title);
    return messages;
}

void TellReadingNotes(Ui& ui, const ReadingNotes& notes, std::string_view title) {
    for (const Message& message : ReadingNoteMessages(notes, title)) ui.show(message);
}

}  // namespace zoriduvo
