// The fixed-width import on any bytes, with its definitions made as the dialog makes them. The
// input is the definition list, one "name TAB first TAB last" a line typed into the dialog's fields
// (a line starting with a TAB gives the columns of the case names), then an empty line, then the
// file. The definitions the list accepts read the file into a sheet that saves and reads back as
// the same sheet.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "SheetChain.h"
#include "files/imports/FixedDefinitionList.h"
#include "files/imports/FixedWidth.h"
#include "files/imports/TextImport.h"

namespace {

// The field up to the next TAB; the rest after it.
std::string_view Field(std::string_view& line) {
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t end = bytes.find("\n\n");
    if (end == std::string_view::npos) return 0;
    std::string_view definitions = bytes.substr(0, end + 1);
    FixedDefinitionList list;
    FixedLayout layout;
    while (!definitions.empty()) {
        const std::size_t lineEnd = definitions.find('\n');
        std::string_view line = definitions.substr(0, lineEnd);
        definitions.remove_prefix(lineEnd + 1);
        const std::string_view name = Field(line);
        const std::string_view first = Field(line);
        const std::string_view last = Field(line);
        if (name.empty() && layout.caseNames == FixedCaseNames::Generated) {
            const ColumnCheck columns = CheckColumns(first, last);
            if (columns.kind == ColumnCheck::Ok) {
                layout.caseNames = FixedCaseNames::Read;
                layout.nameFirst = columns.first;
                layout.nameLast = columns.last;
            } else {
                layout.caseNames = FixedCaseNames::None;
            }
            continue;
        }
        const std::size_t before = list.definitions().size();
        const auto adding = list.add(name, first, last);
        FUZZ_REQUIRE(list.definitions().size() == before + (adding.added() ? 1 : 0));
    }
    if (list.empty()) return 0;
    layout.variables = list.definitions();
    for (const FixedDefinition& definition : layout.variables)
        FUZZ_REQUIRE(definition.first >= 1 && definition.first <= definition.last);
    std::string text;
    if (DecodeImportText(bytes.substr(end + 2), text)) return 0;
    FileImage image;
    if (ReadFixedWidthText(text, layout, image)) {
        FUZZ_REQUIRE(image.caseCount == 0 && image.variableCount == 0 && image.valuesHeld() == 0);
        return 0;
    }
    FUZZ_REQUIRE(image.variableCount == static_cast<int>(layout.variables.size()));
    fuzz::RunImportChain(image);
    return 0;
}
