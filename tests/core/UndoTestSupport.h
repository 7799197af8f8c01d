// What the undo tests share: the picture of a sheet and the fixtures the commands run on.
#pragma once
#include <algorithm>
#include <string>

#include "edit/RangeSelection.h"
#include "sheet/CaseGroups.h"
#include "sheet/CellEditing.h"
#include "sheet/Sheet.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo::test {

// Everything undo must put back, as text: every cell of the four grids, grdVo's colours, widths,
// heights and alignments, the end cells, the comment and the three records with their flags.
struct Picture {
    std::string records;
    std::string grids;  // one line per grid row, then a line of colours per grdVo row and the sizes
    bool operator==(const Picture&) const = default;
};

inline void AddGrid(std::string& out, const Grid& grid) {
    out += std::to_string(grid.rows()) + "x" + std::to_string(grid.cols()) + "\n";
    for (int r = 0; r < grid.rows(); ++r) {
        // Cells past the stored ones are empty: a row stops at its last non-empty cell.
        int end = std::min(grid.storedCols(r), grid.cols());
        while (end > 0 && grid.isEmpty(r, end - 1)) --end;
        for (int c = 0; c < end; ++c) out.append(grid.text(r, c).view()) += '\t';
        out += '\n';
    }
}

inline Picture Take(const Sheet& s) {
    Picture p;
    for (const Grid* grid : {&s.grdVo, &s.grdVoLabel, &s.grdVoStat, &s.grdSInfo}) AddGrid(p.grids, *grid);
    const Grid& vo = s.grdVo;
    // Colours over the used range and a margin: commands paint no further, and a cell at a time
    // the whole grid would cost most of a long run.
    const int colourRows = std::min(vo.rows(), s.lastRow() + 12), colourCols = std::min(vo.cols(), s.lastColumn() + 4);
    for (int r = 0; r < vo.rows(); ++r) {
        // The colours as runs: where a new one starts, and which.
        for (int c = 0, last = -1; r < colourRows && c < colourCols; ++c) {
            const auto colour = static_cast<long long>(vo.backColour(r, c));
            if (colour != last) p.grids += std::to_string(c) + ":" + std::to_string(colour) + ",";
            last = colour;
        }
        p.grids += std::to_string(vo.rowHeight(r)) + "\n";
    }
    for (int c = 0; c < vo.cols(); ++c)
        p.grids += std::to_string(vo.colWidth(c)) + "/" + std::to_string(static_cast<int>(vo.nameAlignment(c))) + ",";
    const SheetState& st = s.state();
    const SheetInformation& info = s.information();
    for (const std::string& text : {s.endCell(0), s.endCell(1), s.comment(), info.path, info.fileLabel, info.formatTag,
                                    info.date, info.blankCode})
        p.records += text + "|";
    for (int number : {int(info.loadedCases), int(info.loadedVariables), int(st.statisticsBlocks), int(st.caseGroups)})
        p.records += std::to_string(number) + "|";
    for (bool flag : {st.free, st.rangeSelection, st.blank, s.statisticsValid(), s.statisticsAndFile().hasFile})
        p.records += flag ? '1' : '0';
    p.records += s.modified() ? " modified" : " unmodified";
    return p;
}

// The first difference, for the failure message; empty when the pictures are equal.
inline std::string Difference(const Picture& a, const Picture& b) {
    if (a.records != b.records) return "records " + a.records + " / " + b.records;
    if (a.grids == b.grids) return {};
    const auto [ia, ib] = std::mismatch(a.grids.begin(), a.grids.end(), b.grids.begin(), b.grids.end());
    const auto line = [](const std::string& text, std::string::const_iterator at) {
        const std::size_t i = static_cast<std::size_t>(at - text.begin());
        const std::size_t from = text.rfind('\n', i == 0 ? 0 : i - 1);
        const std::size_t start = from == std::string::npos || i == 0 ? 0 : from + 1;
        return "line " + std::to_string(std::count(text.begin(), text.begin() + start, '\n')) + ": " +
               text.substr(start, text.find('\n', start) - start);
    };
    return line(a.grids, ia) + " / " + line(b.grids, ib);
}

enum class Fixture {
    Grouped,      // two groups, a block over all cases
    Ranged,       // the range 2 - 3, a block over it
    BlankOnFile,  // no data, tied to the file it was saved in
};

// Four cases of three variables named apart from the defaults, variables 1 and 2 categorical, as
// a file would load: unmodified and without history.
inline Sheet& MakeFixture(TestApp& t, Fixture kind = Fixture::Grouped) {
    Sheet& s = t.app.sheet(NewSheet(t.app));
    if (kind == Fixture::BlankOnFile) {
        s.information().path = "/data/blank.vo";
        s.information().formatTag = "vo-Data_3";
        s.statisticsAndFile().hasFile = true;
    } else {
        FillSheet(s, {{"3", "1", "7"}, {"1", "2", ""}, {"4", "1", "5"}, {"2", "2", "6"}});
        for (int v = 1; v <= 3; ++v) WriteDefinition(s, v, {"X" + std::to_string(v), {}});
        for (int c = 1; c <= 4; ++c) s.grdVo.setText(c + 1, 1, "n" + std::to_string(c));
        WriteDefinition(s, 1, {"X1", {4, 4, 1}});
        WriteDefinition(s, 2, {"X2", {2, 2, 1}});
        if (kind == Fixture::Grouped) ApplyCaseGroups(s, {2, 2});
        else RangeSelection::Store(s, 2, 3);
        ShowStatisticsBlock(t.app, s);
    }
    s.setModified(false);
    s.history().clear();
    return s;
}

inline void Type(TestApp& t, Sheet& s, int row, int col, const std::string& text) {
    s.grdVo.setCurrent(row, col);
    CommitEditorWithEnter(t.app, s, text);
    MoveAfterKey(t.app, s, CursorKey::Enter);
}

inline void Select(Sheet& s, int top, int left, int bottom, int right) {
    s.grdVo.setCurrent(top, left);
    s.grdVo.setSelectionEnd(bottom, right);
}

}  // namespace zoriduvo::test
