// Modeless dialogs of which the program keeps one per kind.
#pragma once
#include <QPointer>
#include <QWidget>
#include <type_traits>

#include "platform/qt/DialogPlacement.h"

namespace zoriduvo {

// The open dialog of a kind, empty once it is closed and deleted.
template <typename Dialog>
QPointer<Dialog>& ModelessInstance() {
    static QPointer<Dialog> dialog;
    return dialog;
}

// The one dialog of its kind: made by create() and centred on the first request, handed to reuse()
// while it is open; raised and given the focus either way, and deleted when it closes.
template <typename Create, typename Reuse>
auto* ShowModeless(Create create, Reuse reuse) {
    using Dialog = std::remove_pointer_t<std::invoke_result_t<Create>>;
    QPointer<Dialog>& dialog = ModelessInstance<Dialog>();
    if (!dialog) {
        dialog = create();
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        CentreOnScreen(*dialog);
    } else {
        reuse(*dialog);
        dialog->show();
    }
    dialog->raise();
    dialog->activateWindow();
    return dialog.data();
}

}  // namespace zoriduvo
