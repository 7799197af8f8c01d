#include "sheet/Toolbar.h"

#include <stdexcept>

namespace zoriduvo {

Toolbar::Toolbar()
    : buttons_{{
          {"fileNew", "新規作成", true, false},
          {"fileOpen", "開く", true, false},
          {"fileSave", "上書き保存", false, false},
          {"filePrint", "印刷", false, false},
          {"editCut", "切り取り", false, false},
          {"editCopy", "コピー", false, false},
          {"editPaste", "貼りつけ", false, false},
          {"valignLeft", "左寄せ", false, false},
          {"valignCenter", "中央揃え", false, false},
          {"valignRight", "右寄せ", false, false},
          {"sortAs", "昇順にソート", false, false},
          {"sortDs", "降順にソート", false, false},
      }} {}

ToolbarButton& Toolbar::find(std::string_view key) {
    for (auto& b : buttons_)
        if (b.key == key) return b;
    throw std::out_of_range("no such toolbar button");
}

const ToolbarButton& Toolbar::button(std::string_view key) const { return const_cast<Toolbar*>(this)->find(key); }

void Toolbar::setEnabled(std::string_view key, bool enabled) { find(key).enabled = enabled; }
void Toolbar::setPressed(std::string_view key, bool pressed) { find(key).pressed = pressed; }

void Toolbar::setDataButtonsEnabled(bool enabled) {
    for (auto& b : buttons_)
        if (b.key != "fileNew" && b.key != "fileOpen") b.enabled = enabled;
}

}  // namespace zoriduvo
