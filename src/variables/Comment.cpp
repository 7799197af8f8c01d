#include "variables/Comment.h"

#include "sheet/Sheet.h"

namespace zoriduvo {

void SetComment(Sheet& sheet, const std::string& comment) {
    sheet.setComment(comment);
    sheet.setModified(true);
}

}  // namespace zoriduvo
