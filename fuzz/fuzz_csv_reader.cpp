// The quick CSV reader on any bytes: never crashes, what it accepts stays within 16-bit counts and
// holds no more values than its cases times its variables, and it loads into a sheet that saves and
// reads back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SheetChain.h"
#include "files/CsvQuickReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    FileImage image;
    if (ReadCsvBytes(std::string_view(reinterpret_cast<const char*>(data), size), image)) return 0;
    FUZZ_REQUIRE(image.caseCount >= 1 && image.caseCount <= kMaxCount);
    FUZZ_REQUIRE(image.variableCount >= 1 && image.variableCount <= kMaxCount);
    FUZZ_REQUIRE(image.valuesHeld() <= static_cast<std::size_t>(image.caseCount) * image.variableCount);
    FUZZ_REQUIRE(static_cast<int>(image.caseNames.size()) == image.caseCount);
    fuzz::RunSheetChain(image);
    return 0;
}
