#pragma once

namespace zoriduvo {

inline constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left, top, width, height;
};

// The frame's start-up size and position on a screen of the given size, all in twips.
TwipRect FrameGeometry(int screenWidth, int screenHeight);
// A sheet window's size from the frame's inner size: seven eighths each way.
TwipRect SheetWindowGeometry(int innerWidth, int innerHeight);

int TwipsToPixels(int twips, double dotsPerInch);
int PixelsToTwips(int pixels, double dotsPerInch);

}  // namespace zoriduvo
