// The messages of the import dialogs and readers, from one table.
#pragma once
#include <initializer_list>
#include <string_view>

#include "files/FileProblem.h"
#include "platform/Message.h"

namespace zoriduvo {

inline constexpr const char* kImportTitle = "Import";
inline constexpr const char* kFixedWidthTitle = "固定長データの読み込み";

// "%1", "%2" and "%3" take the values given.
enum class ImportMessage {
    NoPath,
    BadFileName,
    CountsMissing,
    NoLayout,
    NotHeader,
    FileMissing,
    AlreadyOpen,
    DescribedCountsMissing,
    LabelQuestion,
    CountsTooLarge,
    GroupsNeedCounts,
    UnreadableText,   // %1 the line
    CountOutOfRange,  // %1 the place, %2 what the count is, %3 the field
    TooLarge,         // %1 what passes 32767
    NoVariableName,
    BadVariableName,
    BadColumns,        // %1 the columns as given
    NothingAfterSkip,  // %1 the lines to skip, %2 the lines of the file
    Count
};

Message MessageOf(ImportMessage code, std::initializer_list<std::string_view> values = {});
// A reader's problem as the import tells it, under the title given.
Message ImportProblemMessage(const FileProblem& problem, std::string_view title = kImportTitle);

}  // namespace zoriduvo
