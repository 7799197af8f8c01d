#include "app/ui/DialogFocus.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace zoriduvo {

namespace {
bool TakesTyping(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return !line->isReadOnly();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) return !text->isReadOnly();
    return qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
}

// A dialog of the program's own, not one of Qt's standard ones.
bool OwnDialog(QObject* watched) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    return dialog && dialog->isWindow() && !qobject_cast<QMessageBox*>(dialog) && !qobject_cast<QFileDialog*>(dialog);
}
}  // namespace

DialogFocus::DialogFocus(QWidget& frame, QMdiArea& windows) : QObject(&frame), frame_(frame), windows_(windows) {
    qApp->installEventFilter(this);
}

bool DialogFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && OwnDialog(watched)) {
        QPointer<QDialog> dialog = static_cast<QDialog*>(watched);
        QTimer::singleShot(0, this, [this, dialog] { focusFirstField(dialog); });
    } else if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        const QWidget* owner = dialog && dialog->isWindow() ? dialog->parentWidget() : nullptr;
        // Only what the frame itself opened: a dialog's own questions go back to that dialog.
        if (owner && owner->window() == &frame_) QTimer::singleShot(0, this, &DialogFocus::giveBack);
    }
    return QObject::eventFilter(watched, event);
}

void DialogFocus::focusFirstField(QPointer<QDialog> dialog) {
    if (!dialog || !dialog->isVisible()) return;
    // A dialog that put the focus on a list or a box itself keeps it there.
    QWidget* focused = dialog->focusWidget();
    if (focused && !qobject_cast<QAbstractButton*>(focused)) return;
    for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
        if (w->window() != dialog || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (!TakesTyping(w)) continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
        return;
    }
}

void DialogFocus::giveBack() {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    // A modeless dialog that opened meanwhile keeps the keys.
    if (QWidget* active = QApplication::activeWindow(); active && active != &frame_ && active->isVisible()) return;
    QMdiSubWindow* child = windows_.activeSubWindow();
    if (!child || !child->widget()) return;
    frame_.activateWindow();
    child->widget()->setFocus();
}

}  // namespace zoriduvo
