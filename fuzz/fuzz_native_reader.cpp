// The vo-Data reader on any bytes: never crashes, never allocates beyond what the bytes back, and
// an image it accepts loads into a sheet that saves and reads back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SheetChain.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FileImage image;
    if (ReadNativeBytes(bytes, image)) return 0;
    FUZZ_REQUIRE(image.caseCount <= kMaxCount && image.variableCount <= kMaxCount);
    FUZZ_REQUIRE(image.valuesHeld() <= size && image.caseNames.size() <= size);
    fuzz::RunSheetChain(image);
    return 0;
}
