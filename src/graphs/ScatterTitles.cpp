#include "graphs/ScatterTitles.h"

namespace zoriduvo {

namespace {

constexpr const char* kXDefault = "Ｘ軸の説明";
constexpr const char* kYDefault = "Ｙ軸の説明";

}  // namespace

void ScatterTitles::chooseX(const std::string& name) {
    xTitle = name;
    if (!edited && !yTitle.empty() && yTitle != kYDefault) title = "散布図: " + xTitle + " X " + yTitle;
}

void ScatterTitles::chooseY(const std::string& name) {
    yTitle = name;
    if (!edited && !xTitle.empty() && xTitle != kXDefault) title = "散布図: " + xTitle + " X " + yTitle;
}

void ScatterTitles::undo() {
    title = "散布図: ";
    xTitle.clear();
    yTitle.clear();
}

}  // namespace zoriduvo
