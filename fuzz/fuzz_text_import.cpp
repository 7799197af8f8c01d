// The text table import in every layout the dialogs offer, on any bytes: the first byte picks the
// layout (skipped lines, counts in the file or typed, groups, types, where names come from), the
// next two where case names come from and the typed counts, the rest is the file. What it accepts becomes a sheet that saves and reads
// back as the same sheet.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SheetChain.h"
#include "files/imports/TextImport.h"

namespace {

zoriduvo::NameSource SourceOf(unsigned bits) {
    constexpr zoriduvo::NameSource kSources[] = {zoriduvo::NameSource::File, zoriduvo::NameSource::None,
                                                 zoriduvo::NameSource::Generated, zoriduvo::NameSource::File};
    return kSources[bits & 3];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    if (size < 3) return 0;
    TextLayoutOptions options;
    const unsigned layout = data[0];
    options.skipLines = layout & 3;
    options.countsInFile = (layout & 4) != 0;
    // The dialog refuses groups without counts in the file.
    options.groups = options.countsInFile && (layout & 8) != 0;
    options.types = (layout & 16) != 0;
    options.names = SourceOf(layout >> 5);
    options.caseNames = SourceOf(data[1] >> 6);
    if (!options.countsInFile) {
        // Typed counts are 1 or more, as the dialog checks them.
        options.cases = 1 + (data[1] & 0x3f);
        options.variables = 1 + (data[2] & 0x3f);
    }
    std::string text;
    if (DecodeImportText(std::string_view(reinterpret_cast<const char*>(data + 3), size - 3), text)) return 0;
    FileImage image;
    if (ReadTextTable(text, options, image)) {
        FUZZ_REQUIRE(image.caseCount == 0 && image.variableCount == 0 && image.valuesHeld() == 0);
        return 0;
    }
    if (!options.countsInFile) FUZZ_REQUIRE(image.caseCount == options.cases && image.variableCount == options.variables);
    FUZZ_REQUIRE(static_cast<int>(image.caseNames.size()) <= image.caseCount);
    fuzz::RunImportChain(image);
    return 0;
}
