#include <gtest/gtest.h>

#include <string>

#include "platform/TextMetrics.h"
#include "support/DrawingFakes.h"

namespace zoriduvo {
namespace {

TEST(TextBounds, CodePointsSetTheWidthAndTheAlignmentsPlaceTheAnchor) {
    // At 9 points each code point is 90 twips wide, 144 above the baseline and 36 below it.
    const struct {
        const char* name;
        std::string text;
        HAlign across;
        VAlign down;
        TwipRect bounds;
    } cases[] = {
        {"ascii, left top", "abc", HAlign::Left, VAlign::Top, {1000, 2000, 270, 180}},
        {"kanji, centre baseline", "日本語", HAlign::Centre, VAlign::Baseline, {865, 1856, 270, 180}},
        {"four bytes and vendor, right bottom", "𠀋①", HAlign::Right, VAlign::Bottom, {820, 1820, 180, 180}},
        {"empty, centre top", "", HAlign::Centre, VAlign::Top, {1000, 2000, 0, 180}},
    };
    const test::FixedTextMetrics metrics;
    for (const auto& c : cases) {
        DrawText text{{1000, 2000}, c.text, {}};
        text.style.points = 9;
        text.style.across = c.across;
        text.style.down = c.down;
        EXPECT_EQ(TextBounds(text, metrics), c.bounds) << c.name;
    }
}

}  // namespace
}  // namespace zoriduvo
