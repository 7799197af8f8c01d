#include "categories/CategoryMessages.h"

#include "categories/CaseGroupEditor.h"

namespace zoriduvo {

namespace {
using Code = CategoryMessage;
constexpr MessageRow<Code> kRows[] = {
    {Code::NoCases, "データがありません", kCaseGroupTitle, MessageIcon::Critical},
    {Code::GroupRefused, "設定が誤っています", kCaseGroupTitle, MessageIcon::Exclamation},
};
static_assert(CoversEveryCode(kRows), "every code needs its message, in the order of the codes");
}  // namespace

Message MessageOf(CategoryMessage code) { return RowOf(kRows, code).message(); }

}  // namespace zoriduvo
