// The SPSS, Stata and SAS transport readers on any bytes: never crash, what they accept stays within
// 16-bit counts and holds no more values than its cases times its variables, and it loads into a
// sheet that saves and reads back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SheetChain.h"
#include "files/imports/ForeignData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ForeignKind kind = ForeignKindOf(bytes);
    if (kind == ForeignKind::None || kind == ForeignKind::Xlsx) return 0;
    FileImage image;
    bool cancelled = false;
    if (ReadForeignBytes(bytes, kind, {}, image, cancelled)) return 0;
    FUZZ_REQUIRE(!cancelled);
    FUZZ_REQUIRE(image.caseCount >= 0 && image.caseCount <= kMaxCount);
    FUZZ_REQUIRE(image.variableCount >= 0 && image.variableCount <= kMaxCount);
    FUZZ_REQUIRE(image.valuesHeld() <= static_cast<std::size_t>(image.caseCount) * image.variableCount);
    FUZZ_REQUIRE(static_cast<int>(image.caseNames.size()) == image.caseCount);
    if (image.caseCount >= 1 && image.variableCount >= 1) fuzz::RunSheetChain(image);
    return 0;
}
