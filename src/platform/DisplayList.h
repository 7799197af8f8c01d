// Device-independent drawing: pages to print and plots to show are built as lists of items in
// twips (1/1440 inch, integers, y downwards) and painted later on whatever device there is.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/Twips.h"

namespace zoriduvo {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A pen width of 0 draws the thinnest line the device can show, as outlines always are.
inline constexpr int kHairline = 0;

enum class Fill { Outline, Solid };

struct DrawLine {
    TwipPoint from;
    TwipPoint to;
    int penWidth = kHairline;
    Rgb colour;
    bool operator==(const DrawLine&) const = default;
};

struct DrawBox {
    TwipRect rect;
    Fill fill = Fill::Outline;
    Rgb colour;
    bool operator==(const DrawBox&) const = default;
};

struct DrawCircle {
    TwipPoint centre;
    int radius = 0;
    Fill fill = Fill::Outline;
    Rgb colour;
    bool operator==(const DrawCircle&) const = default;
};

// Where a text's anchor point lies on the text: its left end, middle or right end across, and
// its top, baseline or bottom down.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

struct TextStyle {
    double points = 9;
    bool bold = false;
    HAlign across = HAlign::Left;
    VAlign down = VAlign::Baseline;
    Rgb colour;
    bool operator==(const TextStyle&) const = default;
};

struct DrawText {
    TwipPoint at;
    std::string text;  // UTF-8
    TextStyle style;
    bool operator==(const DrawText&) const = default;
};

using DrawItem = std::variant<DrawLine, DrawBox, DrawCircle, DrawText>;

// One page or one plot: its area and its items, drawn in order.
struct DisplayList {
    TwipSize size;
    std::vector<DrawItem> items;

    void addLine(TwipPoint from, TwipPoint to, int penWidth = kHairline, Rgb colour = {}) {
        items.emplace_back(DrawLine{from, to, penWidth, colour});
    }
    void addBox(TwipRect rect, Fill fill, Rgb colour = {}) { items.emplace_back(DrawBox{rect, fill, colour}); }
    void addCircle(TwipPoint centre, int radius, Fill fill, Rgb colour = {}) {
        items.emplace_back(DrawCircle{centre, radius, fill, colour});
    }
    void addText(TwipPoint at, std::string text, TextStyle style = {}) {
        items.emplace_back(DrawText{at, std::move(text), style});
    }
    bool operator==(const DisplayList&) const = default;
};

// The step from a text's anchor to the left end of its baseline, in the units of its measures;
// layout (twips) and painting (device units) both place texts by it.
struct TextOffset {
    double dx = 0;
    double dy = 0;
};

constexpr TextOffset BaselineOffset(const TextStyle& style, double width, double ascent, double descent) {
    const double dx = style.across == HAlign::Left ? 0 : style.across == HAlign::Centre ? -width / 2 : -width;
    const double dy = style.down == VAlign::Top ? ascent : style.down == VAlign::Baseline ? 0 : -descent;
    return {dx, dy};
}

}  // namespace zoriduvo
