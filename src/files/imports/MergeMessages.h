#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Message.h"

namespace zoriduvo {

// The texts of "結合(&M)": its open dialog and its refusal.
enum class MergeText {
    Title,
    Filter,
    TooManyCases,      // %1 the count after the merge
    TooManyVariables,  // %1 the count after the merge
    Count
};

Message MessageOf(MergeText text, std::initializer_list<std::string_view> values = {});

}  // namespace zoriduvo
