#include "variables/Comment.h"

#include "sheet/DataChange.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

void SetComment(Sheet& sheet, const std::string& comment) {
    DataChange change(sheet, kCommentStep, DataChange::Statistics::Kept);
    sheet.setComment(comment);
    change.record({"comment", {}, {"--comment", comment}, {}});
    change.done();
}

}  // namespace zoriduvo
