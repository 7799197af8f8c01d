// The quick CSV reader on any bytes: never crashes, and what it accepts stays within 16-bit counts
// and holds exactly its cases times its variables values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/CsvQuickReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    FileImage image;
    if (ReadCsvBytes(std::string_view(reinterpret_cast<const char*>(data), size), image)) return 0;
    if (image.caseCount < 1 || image.caseCount > kMaxFileCount) std::abort();
    if (image.variableCount < 1 || image.variableCount > kMaxFileCount) std::abort();
    if (image.valuesHeld() != static_cast<std::size_t>(image.caseCount) * image.variableCount) std::abort();
    if (static_cast<int>(image.caseNames.size()) != image.caseCount) std::abort();
    return 0;
}
