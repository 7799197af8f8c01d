#pragma once
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include "platform/qt/QtText.h"

namespace zoriduvo {

// Dialog controls carry the system's control names, so that tests and the rules find them.

// Enter presses the button that has the focus, as Space does. (Qt's auto-default would also make
// the first button the default that Enter in any field presses.)
class EnterPressesFocusedButton : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

// A button that Enter does not press unless it has the focus.
inline void PressedByEnterWhenFocused(QPushButton* button) {
    button->setAutoDefault(false);
    button->installEventFilter(new EnterPressesFocusedButton(button));
}

inline QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(name);
    PressedByEnterWhenFocused(button);
    return button;
}

// Tab goes through the widgets in the order given: the order in which the dialog shows them.
inline void TabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* before = nullptr;
    for (QWidget* widget : widgets) {
        if (before) QWidget::setTabOrder(before, widget);
        before = widget;
    }
}

// The dialog's command buttons in a row at its right edge.
inline QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

inline QLabel* Label(const char* name, QWidget* parent, const char* text = "") {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(name);
    return label;
}

inline QRadioButton* Option(const char* name, const char* text, QWidget* parent) {
    auto* option = new QRadioButton(ToQString(text), parent);
    option->setObjectName(name);
    return option;
}

inline QLineEdit* Field(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

}  // namespace zoriduvo
