#pragma once
#include <optional>
#include <string>

#include "files/FieldForms.h"
#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

// The format tag of a version: "vo-Data_" and the digit.
std::string FormatTagOf(int version);

// The bytes of a vo-Data file of version 1 to 4 in code page 932 with CR LF line ends: tag,
// label, group line, variable lines, case lines, the statistics block (versions 2 and 3) and the
// comment block. Values are written as the image holds them (the gatherer has put the blank output
// code in place of blanks). A character code page 932 cannot hold, and a double quote or line
// break inside a quoted text (the format has no escaping, so the file would read back shifted),
// is refused with the place where it stands; bytes are then left as they were. In UTF-8 only the
// quote and the line break are refused: the readers of the program tell UTF-8 from its bytes.
std::optional<FileProblem> EncodeNativeFile(const FileImage& image, int version, std::string& bytes,
                                            TextCode code = TextCode::Cp932);

}  // namespace zoriduvo
