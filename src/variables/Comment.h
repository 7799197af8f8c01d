// The data comment of a sheet, as frmComment's "戻る" stores it.
#pragma once
#include <string>

namespace zoriduvo {

inline constexpr const char* kCommentStep = "データのコメント";

class Sheet;

inline constexpr const char* kCommentTitle = "データのコメント";

// Stores the comment and marks the sheet modified.
void SetComment(Sheet& sheet, const std::string& comment);

}  // namespace zoriduvo
