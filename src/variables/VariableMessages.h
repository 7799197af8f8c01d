// The messages of the variable commands and dialogs, from one table.
#pragma once
#include <string_view>

#include "platform/Message.h"
#include "variables/VariableDefinition.h"

namespace zoriduvo {

enum class VariableMessage {
    NoData,
    BadName,
    CategoryValueBeyond16Bit,
    CategoryCountBeyond16Bit,
    ColumnsFull,
    NumberWanted,
    BeyondTable,
    BadCaseName,
    RowsFull,
    CaseNumberWanted,
    BadFileLabel,
    Count
};

Message MessageOf(VariableMessage code);
// Why a typed range was refused, under the title of the dialog that refused it.
Message CategoryRangeMessage(CategoryRangeError error, std::string_view title);

}  // namespace zoriduvo
