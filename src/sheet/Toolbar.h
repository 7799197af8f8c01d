#pragma once
#include <array>
#include <string_view>

namespace zoriduvo {

struct ToolbarButton {
    std::string_view key;
    std::string_view toolTip;
    bool enabled;
    bool pressed;
};

// The state of the frame's toolbar tlbVo as data; the frame shows it.
class Toolbar {
public:
    Toolbar();
    const std::array<ToolbarButton, 12>& buttons() const { return buttons_; }
    const ToolbarButton& button(std::string_view key) const;
    void setEnabled(std::string_view key, bool enabled);
    void setPressed(std::string_view key, bool pressed);
    // The buttons that work on data: enabled once some sheet has data, disabled when none is open.
    void setDataButtonsEnabled(bool enabled);

private:
    ToolbarButton& find(std::string_view key);
    std::array<ToolbarButton, 12> buttons_;
};

}  // namespace zoriduvo
