// A statement as typed: "target = expression", or "IF c THEN target = x (ELSE target = y)",
// taken apart into the target and the expression text the compiler reads.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "transform/TransformErrors.h"

namespace zoriduvo {

struct StatementParts {
    std::string target;      // as written, without surrounding double quotes
    std::string expression;  // the statement without its assignment(s)
    std::optional<TransformError> error;
};

StatementParts SplitStatement(std::string_view statement);

// Surrounding blanks removed.

}  // namespace zoriduvo
