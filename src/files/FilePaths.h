#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/PathText.h"

namespace zoriduvo {

// True when both paths name one existing file, whatever the letter case of the names or the links
// on the way.
bool SameFile(const std::string& a, const std::string& b);
// The path made absolute against the current folder, so that a later save finds the same file.
std::string AbsolutePath(const std::string& path);

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Seconds since 1970 of the file's last modification.
std::optional<std::int64_t> ModificationTime(const std::string& path);

}  // namespace zoriduvo
