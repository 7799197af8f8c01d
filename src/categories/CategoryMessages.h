// The messages of the category tools (case groups, combination, binding), from one table.
#pragma once
#include "platform/Message.h"

namespace zoriduvo {

enum class CategoryMessage {
    NoCases,
    GroupRefused,
    CodesWanted,
    NotCategorical,
    BadBindingName,
    VariablesFull,
    ProductBeyond16Bit,
    CodeBeyond16Bit,
    TwoVariablesOnly,
    SpanBeyond16Bit,
    NoDeclaredCode,
    NoCategoryLeft,
    Count
};

Message MessageOf(CategoryMessage code);

}  // namespace zoriduvo
