#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "platform/qt/QtText.h"

namespace zoriduvo {

// Dialog controls carry the system's control names, so that tests and the rules find them.

// A button that Enter does not press unless it has the focus.
inline QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

inline QLabel* Label(const char* name, QWidget* parent, const char* text = "") {
    auto* label = new QLabel(ToQString(text), parent);
    label->setObjectName(name);
    return label;
}

inline QLineEdit* Field(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

}  // namespace zoriduvo
