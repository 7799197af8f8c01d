// The file label of a sheet, as frmFLabel edits it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace zoriduvo {

inline constexpr const char* kFileLabelStep = "ファイルラベル";

class App;
class Sheet;

inline constexpr const char* kFileLabelTitle = "ファイルラベル";

// A text typed into a field with part of it selected, and the caret.
struct FieldEdit {
    std::string text;
    std::size_t caret = 0;  // in bytes of text
};

// The insert buttons' rule: the selection (byte offsets, cut to the text) gives way to the
// insertion followed by one blank, and the caret stands after that blank.
FieldEdit InsertAtSelection(std::string_view text, std::size_t start, std::size_t length, std::string_view insertion);

// Stores the label and marks the sheet modified. A label with a double quote or a line break,
// which the file's quoted field could not hold, shows its message and changes nothing: false.
bool SetFileLabel(App& app, Sheet& sheet, const std::string& label);

}  // namespace zoriduvo
