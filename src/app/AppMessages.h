// The messages of the frame itself, one table for its Japanese texts.
#pragma once
#include "platform/Message.h"

namespace zoriduvo {

enum class AppMessage {
    HelpFileMissing,               // followed by the path
    HelpFileUnopenable,            // followed by the path
    SystemInformationUnavailable,  // titled by the version box that asked
    RecoveryOffer,                 // %1 how many sheets an earlier run left unsaved
    RecoveryNotWritten,            // the status bar's word that the recovery copies failed
    Count
};

Message MessageOf(AppMessage code);

}  // namespace zoriduvo
