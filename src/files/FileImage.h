#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/ReadingNotes.h"
#include "sheet/Cell.h"
#include "sheet/DefaultNames.h"
#include "sheet/Grid.h"
#include "sheet/Limits.h"
#include "sheet/SheetRecords.h"
#include "sheet/VariableRecord.h"

namespace zoriduvo {

// The lines a vo-Data file puts around the comment.
constexpr std::string_view kCommentStart = "///*", kCommentEnd = "*///";

// A variable as a file holds it: its name and categories.
using ImageVariable = VariableDefinition;

struct ImageStatistics {
    float maximum = 0, minimum = 0, mean = 0, deviation = 0, cases = 0;
};

// One vo-Data file in memory, between a sheet and the file. Variables, cases and groups are
// counted from 1 in the accessors. The lists hold only what was read or gathered, so a short file
// costs no more than its bytes; whatever it did not hold reads as empty (blank values, empty
// names, zero statistics).
class FileImage {
public:
    std::string path;
    std::string fileName;
    std::string formatTag;
    std::string fileLabel;
    std::string date;
    std::int64_t writtenAt = 0;  // seconds since 1970 of a gathered image: the time forms that keep one write
    std::vector<std::int16_t> groupSizes;  // in order; their sum is the case count
    int caseCount = 0;
    int variableCount = 0;
    std::vector<ImageVariable> variables;
    std::vector<std::string> caseNames;
    bool statisticsPresent = false;
    std::string statisticsCorner;
    std::vector<ImageStatistics> statistics;
    std::string comment;  // lines joined with CR LF
    // What an empty value is written as (the sheet's blank code): blanks are not held, so a sheet
    // of few values gathers and writes with no more memory than those values.
    std::string blankText;
    // What a reader of text from elsewhere changed or left out, for the messages after the load.
    ReadingNotes notes;

    int groupCount() const { return static_cast<int>(groupSizes.size()); }
    // Running sums of the group sizes with a leading 0.
    std::vector<int> groupEnds() const;

    const ImageVariable& variable(int v) const;
    std::string_view caseName(int c) const;
    const ImageStatistics& statisticsOf(int v) const;

    // Values go in case by case, variable by variable (variableCount of them make a case); value(c, v)
    // of one not given is empty.
    CellString value(int c, int v) const { return cell(c, v).text(); }
    const Cell& cell(int c, int v) const;
    // The values case c holds, in variable order.
    std::span<const Cell> caseValues(int c) const;
    // The value as a file writes it: blankText for an empty one.
    CellString writtenValue(int c, int v) const { return writtenText(cell(c, v)); }
    CellString writtenText(const Cell& value) const {
        return value.empty() ? CellString::Of(blankText) : value.text();
    }
    // Starts the next case; appendCell starts one by itself once a case has all its values, so a
    // reader calls this only where a case ends early (its values beyond are empty).
    void beginCase();
    void appendValue(std::string_view text) { appendCell(Cell::FromText(text)); }
    void appendCell(Cell value);
    // The next case, with these values (blanks among them).
    void appendCase(std::span<const Cell> values);
    // The values of case c held: those after them are empty.
    int valuesHeldIn(int c) const;
    // The values are those of the grid's cases and variables (row c + 1, column v + 1) where they
    // stand, for as long as the grid does not change.
    void borrowValues(const Grid& grid) { grid_ = &grid; }
    // Lets go of the values, borrowed or held; the records stay. An image kept after its write must
    // not read a grid that has since changed.
    void dropValues() {
        grid_ = nullptr;
        values_ = {};
        caseStarts_ = {};
    }
    // Room for count values, when the count is known to be real.
    void reserveValues(std::size_t count);
    // The values held: empty ones at the end of a case are not, so a short line costs no more than
    // what it has.
    std::size_t valuesHeld() const;

private:
    const Grid* grid_ = nullptr;  // borrowed values
    std::vector<Cell> values_;
    std::vector<std::size_t> caseStarts_;  // where each case's values begin in values_
    int nextVariable_ = 0;                 // of the last case begun
    std::size_t emptiesPending_ = 0;       // empty values of that case not held until one follows
};

// Room for the values of the image's cases and variables as a reader takes them from a text of
// textSize bytes. Each value takes at least its comma in the text, so counts that lie reserve no
// more than the text can hold, and real ones no more than once.
void ReserveValuesOfText(FileImage& image, std::size_t textSize);

// The sheet's file record takes path, label, format tag, date and counts from an image read
// or written.
void TakeFileRecord(SheetInformation& info, const FileImage& image);

// A value as a sheet takes it from a file: a loaded value keeps its double (only computed values are
// singles), so a number cell stays as it is and a text becomes the general text of its leading
// number; a blank stays blank.
Cell LoadedCell(const Cell& value);

}  // namespace zoriduvo
