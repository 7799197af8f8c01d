// The Edit menu's two pastes on any clipboard text: the first byte picks the paste ("貼り付け" at
// the cursor, or the labelled paste into a sheet of its own), whether the sheet holds data first,
// and the data cell under the cursor. A plain paste leaves every field of the text in its cell as it was; whatever
// either paste makes saves and reads back as the same sheet.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SheetChain.h"
#include "edit/ClipboardCommands.h"
#include "edit/ClipboardText.h"
#include "support/SheetFill.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    if (size < 1) return 0;
    const unsigned choice = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::FuzzApp fuzzApp;
    Sheet& sheet = fuzzApp.app.sheet(1);
    if (choice & 2) test::FillSheet(sheet, {{"1", "x"}, {"2.5", ""}});
    fuzzApp.clipboard.content = text;
    if (choice & 1) {
        const int n = PasteWithLabels(fuzzApp.app, sheet);
        if (n == 0) return 0;
        Sheet& pasted = fuzzApp.app.sheet(n);
        FUZZ_REQUIRE(pasted.caseCount() <= kMaxCount && pasted.variableCount() <= kMaxCount);
        if (static_cast<long long>(pasted.caseCount()) * (pasted.variableCount() + 1) <= fuzz::kMaxChainCells)
            fuzz::CheckSavesAndReadsBack(fuzzApp, pasted);
        return 0;
    }
    // The cursor on one of the first data cells; the rows and columns of names are fixed and never
    // take the cursor.
    const int row = 2 + static_cast<int>((choice >> 2) & 3), col = 2 + static_cast<int>((choice >> 4) & 3);
    sheet.grdVo.setCurrent(row, col);
    if (!PasteAtCursor(fuzzApp.app, sheet)) return 0;
    const PasteBlock block = SplitPasteText(text);
    // The columns come from the first line: fields beyond them are not pasted.
    for (int l = 0; l < static_cast<int>(block.lines.size()); ++l)
        for (int f = 0; f < std::min(block.columns, static_cast<int>(block.lines[l].size())); ++f)
            fuzz::RequireSameText(block.lines[l][f], sheet.grdVo.text(row + l, col + f).view(), "pasted field", f);
    FUZZ_REQUIRE(sheet.caseCount() <= kMaxCount && sheet.variableCount() <= kMaxCount);
    if (static_cast<long long>(sheet.caseCount()) * (sheet.variableCount() + 1) <= fuzz::kMaxChainCells)
        fuzz::CheckSavesAndReadsBack(fuzzApp, sheet);
    return 0;
}
