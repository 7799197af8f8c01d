#pragma once
#include <QObject>
#include <QPointer>

class QDialog;
class QMdiArea;
class QWidget;

namespace zoriduvo {

// Where the keys go around the program's dialogs. A dialog opens with the focus where the user
// types: its first text or count box, text selected, unless the dialog chose a control itself.
// When a dialog or question of the frame closes, the keys go back to the active child window; a
// question raised by an open dialog gives them back to that dialog, as Qt does.
class DialogFocus : public QObject {
public:
    DialogFocus(QWidget& frame, QMdiArea& windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusFirstField(QPointer<QDialog> dialog);
    void giveBack();

    QWidget& frame_;
    QMdiArea& windows_;
};

}  // namespace zoriduvo
