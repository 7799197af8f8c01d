#include "platform/FrameLayout.h"

namespace zoriduvo {

TwipRect FrameGeometry(int screenWidth, int screenHeight) {
    int width = screenWidth, height = screenHeight;
    if (screenHeight >= 12000) {
        width = screenWidth * 3 / 4;
        height = screenHeight * 3 / 4;
    } else if (screenHeight >= 9000) {
        width = screenWidth * 4 / 5;
        height = screenHeight * 4 / 5;
    }
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

TwipRect SheetWindowGeometry(int innerWidth, int innerHeight) {
    return {0, 0, innerWidth * 7 / 8, innerHeight * 7 / 8};
}

}  // namespace zoriduvo
