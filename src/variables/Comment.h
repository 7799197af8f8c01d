// The data comment of a sheet, as frmComment's "戻る" stores it.
#pragma once
#include <string>

namespace zoriduvo {

class Sheet;

inline constexpr const char* kCommentTitle = "データのコメント";

// Stores the comment and marks the sheet modified.
void SetComment(Sheet& sheet, const std::string& comment);

}  // namespace zoriduvo
