// The Mirv/B import on any bytes: the header up to the first NUL byte, the data file after it. What
// the pair gives becomes a sheet that saves and reads back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SheetChain.h"
#include "files/imports/MirvReader.h"
#include "files/imports/TextImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    if (split == std::string_view::npos) return 0;
    std::string header, values;
    if (DecodeImportText(bytes.substr(0, split), header) || DecodeImportText(bytes.substr(split + 1), values)) return 0;
    FileImage image;
    if (ReadMirvTexts(header, values, image, "fuzz.dat")) {
        FUZZ_REQUIRE(image.caseCount == 0 && image.variableCount == 0 && image.valuesHeld() == 0);
        return 0;
    }
    int grouped = 0;
    for (const auto size : image.groupSizes) grouped += size;
    FUZZ_REQUIRE(image.groupSizes.empty() || grouped == image.caseCount);
    fuzz::RunImportChain(image);
    return 0;
}
