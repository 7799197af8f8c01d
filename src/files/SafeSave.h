#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "files/FileProblem.h"

namespace zoriduvo {

// Writes bytes as the file at path: first into a temporary file in the same folder, written,
// flushed to disk and closed with every step checked, then renamed over the target. A failure at
// any step removes the temporary file and leaves the target as it was; the problem tells why in
// the user's words. A link is followed, so the file it points at is the one replaced.
std::optional<FileProblem> SaveFileSafely(const std::string& path, std::string_view bytes);

}  // namespace zoriduvo
