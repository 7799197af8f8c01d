// The messages of the sheet's own commands (typing, the case range, transposition), from one table.
#pragma once
#include "platform/Message.h"

namespace zoriduvo {

enum class SheetMessage { CountLimit, PasteBeyondLimit, RangeRefused, TransposeTooLarge, NoSheetLeft, Count };

Message MessageOf(SheetMessage code);

}  // namespace zoriduvo
