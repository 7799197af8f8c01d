#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileProblem.h"
#include "text/PathText.h"

namespace zoriduvo {

// True when both paths name one existing file, whatever the letter case of the names or the links
// on the way.
bool SameFile(const std::string& a, const std::string& b);
// The path made absolute against the current folder, so that a later save finds the same file.
// The folders on the way are resolved by the file system ("link/.." is the folder above the link's
// target, as the system sees it); the last name stays, so a link keeps its own name.
std::string AbsolutePath(const std::string& path);

// The whole content of a file the user opens, into bytes: only a regular file (after its links) is
// read, so a device, a pipe or a folder is refused before a byte is taken. The problem names the
// file and what is wrong; an empty or missing file is FileMissing. A file larger than limit bytes
// is refused as too large before it is read.
std::optional<FileProblem> ReadFileToOpen(const std::string& path, std::string& bytes,
                                          std::uint64_t limit = UINT64_MAX);
// Seconds since 1970 of the file's last modification.
std::optional<std::int64_t> ModificationTime(const std::string& path);

}  // namespace zoriduvo
