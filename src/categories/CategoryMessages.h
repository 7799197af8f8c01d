// The messages of the category tools (case groups today), from one table.
#pragma once
#include "platform/Message.h"

namespace zoriduvo {

enum class CategoryMessage { NoCases, GroupRefused, Count };

Message MessageOf(CategoryMessage code);

}  // namespace zoriduvo
