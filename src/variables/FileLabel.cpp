#include "variables/FileLabel.h"

#include <algorithm>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/DataChange.h"
#include "sheet/Sheet.h"
#include "variables/VariableMessages.h"

namespace zoriduvo {

FieldEdit InsertAtSelection(std::string_view text, std::size_t start, std::size_t length, std::string_view insertion) {
    start = std::min(start, text.size());
    length = std::min(length, text.size() - start);
    FieldEdit edit;
    edit.text.append(text.substr(0, start)).append(insertion) += ' ';
    edit.caret = edit.text.size();
    edit.text.append(text.substr(start + length));
    return edit;
}

bool SetFileLabel(App& app, Sheet& sheet, const std::string& label) {
    if (label.find_first_of("\"\r\n") != std::string::npos) {
        app.ui.show(MessageOf(VariableMessage::BadFileLabel));
        return false;
    }
    if (sheet.information().fileLabel == label) return true;
    DataChange change(sheet, kFileLabelStep, DataChange::Statistics::Kept);
    sheet.information().fileLabel = label;
    change.record({"file-label", {}, {"--file-label", label}, {}});
    change.done();
    return true;
}

}  // namespace zoriduvo
