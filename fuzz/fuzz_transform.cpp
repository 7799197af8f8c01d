// The transformation language on any text: each line is a statement added to the list as "追加"
// adds it; what the list accepts runs as "実行" runs it on a small sheet with blanks, two case
// groups and a categorical variable. Nothing may crash or hang, a refusal always has a message,
// and a run leaves a sheet whose shape follows the statements.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzApp.h"
#include "SheetChain.h"
#include "files/FileImage.h"
#include "files/SheetLoader.h"
#include "transform/RunTransformation.h"
#include "transform/TransformErrors.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"

namespace {

using namespace zoriduvo;

// Six cases in groups of 4 and 2; 性別 is categorical 1..2, blanks here and there.
const FileImage& FixedImage() {
    static const FileImage image = [] {
        FileImage image;
        image.formatTag = "vo-Data_3";
        image.groupSizes = {4, 2};
        image.caseCount = 6;
        image.variableCount = 4;
        image.variables = {{"A", {0, 0, 0}}, {"B", {0, 0, 0}}, {"性別", {2, 2, 1}}, {"A B", {0, 0, 0}}};
        image.caseNames = {"a", "b", "", "d", "e", "f"};
        const char* values[6][4] = {{"1", "-2", "1", "0.5"}, {"", "3.25", "2", ""}, {"4", "0", "", "1E3"},
                                    {"-7", "", "1", "-0"},   {"2", "8", "2", "3"},  {"", "", "", ""}};
        for (const auto& row : values)
            for (const char* value : row) image.appendValue(value);
        return image;
    }();
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    if (size > 4096) return 0;  // a statement line of the dialog is short; longer only slows the search
    fuzz::FuzzApp fuzzApp;
    LoadOptions options;
    options.into = 1;
    LoadImageIntoSheet(fuzzApp.app, FixedImage(), options);
    Sheet& sheet = fuzzApp.app.sheet(1);
    TransformList list(ReadTransformSetup(sheet));
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const int before = list.size();
        if (const auto error = list.add(line)) {
            FUZZ_REQUIRE(list.size() == before);
            FUZZ_REQUIRE(!MessageOf(error->code).text.empty());
        } else {
            FUZZ_REQUIRE(list.size() == before + 1 && list.size() <= TransformList::kMaxStatements);
        }
    }
    if (list.size() == 0) return 0;
    const int variablesBefore = sheet.variableCount();
    const auto refusal = RunTransformation(fuzzApp.app, sheet, list.setup(), list.records());
    if (refusal) {
        FUZZ_REQUIRE(!MessageOf(refusal->code).text.empty());
        FUZZ_REQUIRE(sheet.variableCount() == variablesBefore);
        return 0;
    }
    FUZZ_REQUIRE(sheet.caseCount() == FixedImage().caseCount);
    FUZZ_REQUIRE(sheet.variableCount() >= variablesBefore && sheet.variableCount() <= kMaxCount);
    // A statement that changes nothing is no step and leaves the flag; a new variable is a change.
    FUZZ_REQUIRE(sheet.modified() || sheet.variableCount() == variablesBefore);
    fuzz::CheckSavesAndReadsBack(fuzzApp, sheet);
    return 0;
}
