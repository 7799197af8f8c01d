#include "app/RecoveryOffer.h"

#include "app/AppMessages.h"
#include "files/FileMessages.h"
#include "files/Recovery.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

void OfferLeftSheets(App& app, const std::string& root, const std::string& runFolder) {
    const LeftSheets left = FindLeftSheets(root);
    if (left.sheets.empty()) return;
    Message offer = MessageOf(AppMessage::RecoveryOffer);
    offer.text = FillIn(offer.text, {std::to_string(left.sheets.size())});
    switch (app.ui.show(offer, MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        for (const RecoveredSheet& sheet : left.sheets) RestoreLeftSheet(app, sheet, runFolder);
        break;
    case Answer::No:
        for (const RecoveredSheet& sheet : left.sheets) DiscardLeftSheet(sheet);
        break;
    default: break;  // later: nothing is touched
    }
}

}  // namespace zoriduvo
