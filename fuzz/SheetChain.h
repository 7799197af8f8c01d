// What happens to a file the readers accepted: it becomes a sheet, the sheet is gathered with
// its statistics and written as version 3 into memory, and those bytes read back and loaded
// again give the same sheet. Any break of that aborts, so the fuzzer reports it.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzApp.h"
#include "files/Cp932.h"
#include "files/FileImage.h"
#include "files/GatherSheet.h"
#include "files/NativeReader.h"
#include "files/NativeWriter.h"
#include "files/SheetLoader.h"
#include "files/imports/ImportSheet.h"
#include "text/NumberText.h"
#include "text/Trim.h"
#include "variables/Statistics.h"

namespace zoriduvo::fuzz {

// Sheets above this many cells are real work for the program but only slow the search down.
inline constexpr long long kMaxChainCells = 4000;

// Aborts with the broken condition and its line, so a finding tells what went wrong.
#define FUZZ_REQUIRE(condition)                                                                  \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);         \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

// Two texts that must agree; a finding shows both.
inline void RequireSameText(std::string_view saved, std::string_view read, const char* what, int index) {
    if (saved == read) return;
    std::fprintf(stderr, "broken: %s %d was [%.*s] (%zu bytes), reads back as [%.*s] (%zu bytes)\n", what, index,
                 static_cast<int>(saved.size()),
                 saved.data(), saved.size(), static_cast<int>(read.size()), read.data(), read.size());
    std::abort();
}

// A name as the file gives it back: code page 932 writes a few characters as their look-alikes
// (〜 as ～, ¬ as ￢), and a name left empty is written as the default.
inline std::string NameAsReadBack(std::string_view name, const std::string& defaultName) {
    if (name.empty()) return defaultName;
    const auto bytes = Utf8ToCp932(name);
    const auto back = bytes ? Cp932ToUtf8(*bytes) : std::nullopt;
    return back ? *back : std::string(name);
}

// Names left empty are written as "V" / "C" + number; values, definitions and groups come back unchanged.
inline void CheckSameData(const Sheet& a, const Sheet& b) {
    FUZZ_REQUIRE(a.caseCount() == b.caseCount() && a.variableCount() == b.variableCount());
    FUZZ_REQUIRE(a.state().caseGroups == b.state().caseGroups);
    for (int v = 1; v <= a.variableCount(); ++v) {
        const CellString name = a.grdVo.text(1, v + 1);
        RequireSameText(NameAsReadBack(name.view(), DefaultVariableName(v)), b.grdVo.text(1, v + 1).view(), "variable name", v);
        // The definition as a number: an empty cell and "0" both say continuous.
        const auto definition = [v](const Sheet& s, int row) { return s.grdVoLabel.cell(row, v).leadingNumber(); };
        FUZZ_REQUIRE(RoundToInt16(definition(a, 1)).value_or(0) == RoundToInt16(definition(b, 1)).value_or(0));
        if (RoundToInt16(definition(a, 1)).value_or(0) != 0)
            for (int row = 2; row <= 3; ++row)
                FUZZ_REQUIRE(RoundToInt16(definition(a, row)).value_or(0) == RoundToInt16(definition(b, row)).value_or(0));
    }
    for (int c = 1; c <= a.caseCount(); ++c) {
        const CellString name = a.grdVo.text(c + 1, 1);
        RequireSameText(NameAsReadBack(name.view(), DefaultCaseName(c)), b.grdVo.text(c + 1, 1).view(), "case name", c);
        for (int v = 1; v <= a.variableCount(); ++v) {
            // Reading a file keeps the number of a value as a double, in its general text; "%M" is
            // the file's blank mark, even where a paste put it into a cell between blanks.
            const Cell& value = a.grdVo.cell(c + 1, v + 1);
            const bool blank = value.empty() || Trim(value.text().view()) == "%M";
            RequireSameText(blank ? std::string() : GeneralText(value.leadingNumber()),
                            b.grdVo.text(c + 1, v + 1).view(), "value of case", c);
        }
    }
}

// The sheet gathered with its statistics, written as version 3 into memory, read back and loaded
// into a second App: the same sheet.
inline void CheckSavesAndReadsBack(FuzzApp& fuzzApp, Sheet& sheet) {
    if (!sheet.statisticsValid()) ComputeStatisticsForSaving(fuzzApp.app, sheet);
    FileImage gathered;
    GatherSheet(fuzzApp.app, sheet, "/fuzz/out.vo", true, gathered);
    FUZZ_REQUIRE(gathered.valuesHeld() <= static_cast<std::size_t>(sheet.caseCount()) * sheet.variableCount());
    std::string bytes;
    if (EncodeNativeFile(gathered, 3, bytes)) return;  // a name code page 932 cannot hold is refused
    FileImage again;
    FUZZ_REQUIRE(!ReadNativeBytes(bytes, again));
    FuzzApp second;
    LoadOptions options;
    options.into = 1;
    FUZZ_REQUIRE(LoadImageIntoSheet(second.app, again, options) == 1);
    // Code page 932 bytes that also form UTF-8 (a kanji before a half-width kana can) are taken
    // for a UTF-8 file by the reader's detection: a known limit, not a finding.
    if (Cp932ToUtf8(bytes) != DecodeForeignText(bytes)) return;
    CheckSameData(sheet, second.app.sheet(1));
    FUZZ_REQUIRE(fuzzApp.ui.busyDepth == 0);
}

inline void RunSheetChain(const FileImage& image) {
    if (static_cast<long long>(image.caseCount) * (image.variableCount + 1) > kMaxChainCells) return;
    FuzzApp fuzzApp;
    LoadOptions options;
    options.into = 1;
    FUZZ_REQUIRE(LoadImageIntoSheet(fuzzApp.app, image, options) == 1);
    Sheet& sheet = fuzzApp.app.sheet(1);
    FUZZ_REQUIRE(sheet.caseCount() == image.caseCount && sheet.variableCount() == image.variableCount);
    CheckSavesAndReadsBack(fuzzApp, sheet);
}

// An imported image becomes its sheet as the import commands make it, then the same chain.
inline void RunImportChain(const FileImage& image) {
    FUZZ_REQUIRE(image.caseCount <= kMaxCount && image.variableCount <= kMaxCount);
    FUZZ_REQUIRE(image.valuesHeld() <= static_cast<std::size_t>(image.caseCount) * image.variableCount);
    if (static_cast<long long>(image.caseCount) * (image.variableCount + 1) > kMaxChainCells) return;
    FuzzApp fuzzApp;
    const int n = LoadImportedImage(fuzzApp.app, image, "fuzz.Vo");
    FUZZ_REQUIRE(n == 1);
    Sheet& sheet = fuzzApp.app.sheet(n);
    FUZZ_REQUIRE(sheet.caseCount() == image.caseCount && sheet.variableCount() == image.variableCount);
    CheckSavesAndReadsBack(fuzzApp, sheet);
}

}  // namespace zoriduvo::fuzz
