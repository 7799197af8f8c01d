// A text box of the system's dialogs selects its whole text when it gets the focus, so that
// typing replaces it.
#pragma once
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace zoriduvo {

class SelectOnFocus : public QObject {
public:
    static void Install(QLineEdit* box) { box->installEventFilter(new SelectOnFocus(box)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return QObject::eventFilter(watched, event);
    }

private:
    explicit SelectOnFocus(QObject* parent) : QObject(parent) {}
};

}  // namespace zoriduvo
