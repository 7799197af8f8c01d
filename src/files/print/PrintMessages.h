#pragma once
#include "platform/Message.h"

namespace zoriduvo {

// The texts of printing: the question before it, the failures, and what a machine without a
// printer offers instead.
enum class PrintMessage {
    Start,
    Failed,
    NoPrinter,
    PdfTitle,
    PdfFilter,
    StartPages,    // %1 the page count
    SavePdfPages,  // %1 the page count
    PdfProgress,
    Cancel,
    Count,
};

Message MessageOf(PrintMessage code);

}  // namespace zoriduvo
