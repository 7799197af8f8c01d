#pragma once
#include <string>

#include "platform/DisplayList.h"

namespace zoriduvo {

enum class PrintOutcome { Ok, Cancelled, Failed };

// The paper and the part of it the device prints on, in twips from the paper's top-left corner.
// Pages are drawn with the printable area's top-left corner as their origin.
struct PageGeometry {
    TwipSize paper;
    TwipRect printable;
    bool operator==(const PageGeometry&) const = default;
};

struct PrintStart {
    PrintOutcome outcome = PrintOutcome::Failed;
    PageGeometry page;  // meaningful when outcome is Ok
};

// One print job: begin, then one call per page, then end (after a failed page too, to let the device
// go). A job that cannot go on says so in its outcome; the caller stops and tells the user.
class Printer {
public:
    virtual ~Printer() = default;
    virtual PrintStart begin(const std::string& title) = 0;
    virtual PrintOutcome printPage(const DisplayList& page) = 0;
    virtual PrintOutcome end() = 0;
};

}  // namespace zoriduvo
