#pragma once
#include <span>
#include <string_view>

namespace zoriduvo {

// One entry of a menu bar: level 0 is a menu title, 1 an entry, 2 an entry of a submenu.
struct MenuEntry {
    int level;
    std::string_view name;  // the control name, as "mnuFOpen"
    std::string_view caption;
    std::string_view shortcut;  // in the portable form "Ctrl+O"; empty when none
    bool disabledOnBlankSheet;
    bool checkable = false;
};

std::span<const MenuEntry> FrameMenuEntries();
std::span<const MenuEntry> SheetMenuEntries();
// The menu bar of a graph window.
std::span<const MenuEntry> GraphMenuEntries();

}  // namespace zoriduvo
