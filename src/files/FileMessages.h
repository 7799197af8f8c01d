#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Ui.h"

namespace zoriduvo {

// The texts of the file commands beside the problem codes: titles, dialog filters, questions, the
// places a problem names and the reasons a write fails. "%1" and "%2" take the values given.
enum class FileText {
    OpenTitle,
    SaveTitle,
    CloseTitle,
    OpenFilter,
    SaveFilter,
    CloseQuestion,  // %1 the sheet's caption
    FormatTagPlace,
    FileLabelPlace,
    GroupLinePlace,
    VariableNamePlace,  // %1 the variable
    CasePlace,          // %1 the case
    CaseNamePlace,      // %1 the case
    CaseValuePlace,     // %1 the case, %2 the variable
    StatisticsPlace,
    StatisticsRangePlace,
    CommentPlace,
    CommentLinePlace,  // %1 the line of the comment
    CaseCountPlace,
    VariableCountPlace,
    GroupCountPlace,
    GroupSizePlace,
    GroupSizeSumPlace,
    CategoryCountPlace,
    CategoryMinimumPlace,
    CategoryMaximumPlace,
    LineBreak,
    NoPermission,
    ReadOnly,
    FileNotWritable,
    DiskFull,
    NoFolder,
    FolderInTheWay,
    WriteError,  // %1 the system's reason
    OldFileKept,
    InPlaceWriteFailed,
    LinesCut,            // %1 the number of lines, %2 the first of them
    ExtraValues,         // %1 the number of values, %2 the line of the first
    NotNumbers,          // %1 the number of values, %2 the place of the first, %3 its text
    BeyondSingle,        // %1 the number of values, %2 the place of the first, %3 its text
    UnstorableNames,     // %1 the number of names, %2 the first few
    LabelsNotKept,       // %1 value labels, %2 variable labels, %3 user-missing definitions
    ForeignDamaged,      // %1 what the reader of the form found
    ChooseWorksheet,
    CaseNamesQuestion,   // %1 the variable
    SaveInUtf8Question,  // %1 the character, %2 where it stands
    NotRegularFile,
    FolderNotFile,
    NoReadPermission,
    LinkLoop,
    NameTooLong,
    ReadError,
    OutOfMemory,
    InputOutputError,
    ErrorNumber,  // %1 the system's error number
    FileTooLarge,
    PairTorn,
    RecoveryDamaged,
    Count
};

Message MessageOf(FileText text, std::initializer_list<std::string_view> values = {});
std::string TextOf(FileText text, std::initializer_list<std::string_view> values = {});


}  // namespace zoriduvo
