#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileProblem.h"

namespace zoriduvo {

// One file a writer produced: where it goes and its bytes.
struct OutputFile {
    std::string path;
    std::string bytes;
    bool privateFile = false;  // readable and writable by the user alone (0600), whatever it was
};

// Writes bytes as the file at path: first into a temporary file in the same folder, written,
// flushed to disk and closed with every step checked, then renamed over the target. A failure at
// any step (a file-size limit included) removes the temporary file and leaves the target as it
// was; the problem tells why in the user's words. The new file keeps the old one's mode, and its
// owner and group as far as the user may give them; temporaries of our own pattern that an earlier
// save of the same target left a day ago or more are removed. A link is followed to the end of its
// chain, so the file it points at is the one replaced. A file with other names (hard links) is
// written in place so that they all keep the new bytes, and so is a file the user may write in a
// folder that takes no new file: there the room for the new bytes is taken (the size limit checked,
// the disk space reserved) before the first old byte changes, so only a fault of the device itself
// can damage the file, and the problem says so. A device, a pipe or a folder is refused, and so is
// a file the user may not write.
std::optional<FileProblem> SaveFileSafely(const std::string& path, std::string_view bytes);

// Writes several files all or none: every temporary file is written and checked before the first
// rename, and a rename that fails puts back the files already replaced. On failure no temporary is
// left and every old file keeps its bytes; the problem names the file that failed.
std::optional<FileProblem> SaveFilesSafely(const std::vector<OutputFile>& files);

}  // namespace zoriduvo
