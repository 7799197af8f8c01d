// Twips, the program's device-independent unit (1/1440 inch, 20 to a point), and every
// conversion between twips and the dots of a device.
#pragma once
#include <cmath>

namespace zoriduvo {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;

struct TwipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct TwipSize {
    int width = 0;
    int height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

// Device dots per twip at a resolution in dots per inch.
inline constexpr double DotsPerTwip(double dotsPerInch) { return dotsPerInch / kTwipsPerInch; }

inline int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * DotsPerTwip(dotsPerInch)));
}

// Without a resolution the screen's usual 15 twips a pixel.
inline int PixelsToTwips(int pixels, double dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<int>(std::lround(pixels / DotsPerTwip(dotsPerInch))) : pixels * 15;
}

inline int PointsToTwips(double points) { return static_cast<int>(std::lround(points * kTwipsPerPoint)); }

}  // namespace zoriduvo
