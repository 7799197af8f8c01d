// The recovery record on any bytes: what the decoder takes encodes to bytes that decode to the
// same record, restores into a sheet as a left sheet is restored, and that sheet, kept again as
// the keeper keeps it, restores to a sheet with every text the same; saved as vo-Data it reads
// back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SheetChain.h"
#include "files/RecoveryFile.h"

namespace {

using namespace zoriduvo;

void RequireSameRecord(const RecoveryRecord& a, const RecoveryRecord& b) {
    FUZZ_REQUIRE(a.caption == b.caption && a.path == b.path && a.fileLabel == b.fileLabel &&
                 a.blankCode == b.blankCode && a.hasFile == b.hasFile);
}

// The sheet as a recovery copy holds it: every text of names, values and definitions exactly.
void RequireSameTexts(const Sheet& a, const Sheet& b) {
    FUZZ_REQUIRE(a.caseCount() == b.caseCount() && a.variableCount() == b.variableCount());
    FUZZ_REQUIRE(a.state().caseGroups == b.state().caseGroups);
    // A name left empty is kept as its default, the name the sheet shows for it.
    const auto kept = [&a](int row, int col) -> std::string {
        const CellString text = a.grdVo.text(row, col);
        if (!text.view().empty() || (row == 1) == (col == 1)) return std::string(text.view());
        return row == 1 ? DefaultVariableName(col - 1) : DefaultCaseName(row - 1);
    };
    for (int row = 1; row <= a.caseCount() + 1; ++row)
        for (int col = 1; col <= a.variableCount() + 1; ++col)
            fuzz::RequireSameText(kept(row, col), b.grdVo.text(row, col).view(), "cell of row", row);
    for (int row = 1; row <= 3; ++row)
        for (int v = 1; v <= a.variableCount(); ++v)
            fuzz::RequireSameText(a.grdVoLabel.text(row, v).view(), b.grdVoLabel.text(row, v).view(), "definition row",
                                  row);
}

int Restore(App& app, const FileImage& image) {
    LoadOptions options;
    options.hasFile = false;
    options.into = 1;
    options.exactValues = true;
    return LoadImageIntoSheet(app, image, options);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RecoveryRecord record;
    FileImage image;
    if (!DecodeRecoveryFile(bytes, record, image)) return 0;
    FUZZ_REQUIRE(image.caseCount <= kMaxCount && image.variableCount <= kMaxCount);
    FUZZ_REQUIRE(image.valuesHeld() <= size && image.caseNames.size() <= size);

    const std::string encoded = EncodeRecoveryFile(record, image);
    RecoveryRecord record2;
    FileImage image2;
    FUZZ_REQUIRE(DecodeRecoveryFile(encoded, record2, image2));
    RequireSameRecord(record, record2);
    FUZZ_REQUIRE(EncodeRecoveryFile(record2, image2) == encoded);

    if (static_cast<long long>(image.caseCount) * (image.variableCount + 1) > fuzz::kMaxChainCells) return 0;
    fuzz::FuzzApp first;
    FUZZ_REQUIRE(Restore(first.app, image) == 1);
    Sheet& sheet = first.app.sheet(1);
    FUZZ_REQUIRE(sheet.caseCount() == image.caseCount && sheet.variableCount() == image.variableCount);

    // Kept again as the keeper keeps a modified sheet, and restored.
    FileImage kept;
    GatherSheet(first.app, sheet, "/fuzz/1.rec", false, kept, GatheredBlanks::NativeMark);
    RecoveryRecord keptRecord;
    FileImage again;
    FUZZ_REQUIRE(DecodeRecoveryFile(EncodeRecoveryFile(record, kept), keptRecord, again));
    fuzz::FuzzApp second;
    FUZZ_REQUIRE(Restore(second.app, again) == 1);
    RequireSameTexts(sheet, second.app.sheet(1));

    fuzz::CheckSavesAndReadsBack(first, sheet);
    return 0;
}
