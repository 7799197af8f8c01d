// The vo-Data reader on any bytes: never crashes, never allocates beyond what the bytes back, and
// an image it accepts writes out and reads back to the same shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/NativeReader.h"
#include "files/NativeWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FileImage image;
    if (ReadNativeBytes(bytes, image)) return 0;
    if (image.caseCount > kMaxFileCount || image.variableCount > kMaxFileCount) std::abort();
    if (image.valuesHeld() > size || image.caseNames.size() > size) std::abort();
    // Counts the bytes did not back would make the writer's output huge; keep the check small.
    if (static_cast<long long>(image.caseCount) * (image.variableCount + 1) > 100000) return 0;
    std::string written;
    if (EncodeNativeFile(image, 3, written)) return 0;  // names with quotes or commas may not survive
    FileImage again;
    if (ReadNativeBytes(written, again)) std::abort();
    if (again.caseCount != image.caseCount || again.variableCount != image.variableCount) std::abort();
    return 0;
}
