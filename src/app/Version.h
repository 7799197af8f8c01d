#pragma once
#include <string>

#include "platform/Message.h"

namespace zoriduvo {

// Programs that show the machine's system information, tried in this order.
inline constexpr const char* kSystemInformationTools[] = {"hardinfo", "gnome-system-monitor", "kinfocenter",
                                                          "xfce4-taskmanager"};

// "Version " with the major, minor and revision numbers.
inline std::string VersionText() {
    return "Version " + std::to_string(ZORIDUVO_VERSION_MAJOR) + "." + std::to_string(ZORIDUVO_VERSION_MINOR) + "." +
           std::to_string(ZORIDUVO_VERSION_PATCH);
}

}  // namespace zoriduvo
