#pragma once
#include <cmath>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/TextMetrics.h"
#include "text/Utf8.h"

namespace zoriduvo::test {

// Every code point as wide as half the point size's em, so layouts can be computed by hand.
class FixedTextMetrics : public TextMetrics {
public:
    TextExtent measure(std::string_view utf8, double points, bool /*bold*/) const override {
        const auto twips = [points](double perPoint) { return static_cast<int>(std::lround(points * perPoint)); };
        return {twips(widthPerPoint * static_cast<double>(CodePointCount(utf8))), twips(ascentPerPoint),
                twips(descentPerPoint)};
    }
    int widthPerPoint = 10;
    int ascentPerPoint = 16;
    int descentPerPoint = 4;
};

// Keeps the pages of a job; beginOutcome scripts a printer that is missing or a job cancelled.
class RecordingPrinter : public Printer {
public:
    PrintStart begin(const std::string& jobTitle) override {
        title = jobTitle;
        begun = beginOutcome == PrintOutcome::Ok;
        return {beginOutcome, page};
    }
    PrintOutcome printPage(const DisplayList& list) override {
        if (!begun) return PrintOutcome::Failed;
        pages.push_back(list);
        return PrintOutcome::Ok;
    }
    PrintOutcome end() override {
        ended = begun;
        return begun ? PrintOutcome::Ok : PrintOutcome::Failed;
    }

    PageGeometry page{{11906, 16838}, {567, 567, 10772, 15704}};  // A4 with 1 cm margins
    PrintOutcome beginOutcome = PrintOutcome::Ok;
    std::string title;
    std::vector<DisplayList> pages;
    bool begun = false;
    bool ended = false;
};

}  // namespace zoriduvo::test
