// The three titles of the scatter-plot dialog and the automatic title of choosing X and Y.
#pragma once
#include <string>

namespace zoriduvo {

struct ScatterTitles {
    std::string title = "散布図： ";
    std::string xTitle = "Ｘ軸の説明";
    std::string yTitle = "Ｙ軸の説明";
    bool edited = false;  // the user typed into the title: choices leave it alone

    // The chosen name becomes the axis title; the title follows while the other axis has one.
    void chooseX(const std::string& name);
    void chooseY(const std::string& name);
    // "戻す": both axis titles emptied, the title back to its start.
    void undo();
};

}  // namespace zoriduvo
