// The messages and questions of the edit commands (clipboard, insert and delete, find and replace,
// missing values), from one table.
#pragma once
#include "platform/Message.h"

namespace zoriduvo {

enum class EditMessage {
    PasteTooLarge,
    PasteLabelsBeyondLimit,
    EraseQuestion,
    InsertCountRefused,
    DeleteCountRefused,
    InsertBeyondLimit,
    FindNext,
    NotFound,
    ReplaceQuestion,
    ReplaceFinished,
    NumberToBlank,
    NumberFromBlank,
    BlankCodeRefused,
    Count
};

Message MessageOf(EditMessage code);

}  // namespace zoriduvo
