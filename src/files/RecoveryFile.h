// The file a recovery copy of one sheet is kept in. Ours alone, so it holds every text exactly,
// whatever it contains (commas, quotes, line breaks, characters code page 932 lacks): UTF-8, one
// item a line, each text preceded by its length in bytes.
#pragma once
#include <string>
#include <string_view>

#include "files/FileImage.h"

namespace zoriduvo {

// What a sheet's records say beside its cells.
struct RecoveryRecord {
    std::string caption, path, fileLabel, blankCode;
    bool hasFile = false;
};

std::string EncodeRecoveryFile(const RecoveryRecord& record, const FileImage& image);
// False, with record and image left as they were, when the bytes are no recovery file or are cut
// short; every count is checked against what the bytes can hold before anything is sized by it.
bool DecodeRecoveryFile(std::string_view bytes, RecoveryRecord& record, FileImage& image);

}  // namespace zoriduvo
