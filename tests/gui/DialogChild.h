// A dialog's control by its object name: a missing one ends the test run at once, by name.
#pragma once
#include <QWidget>

namespace zoriduvo::test {

template <typename T>
T* Child(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}

}  // namespace zoriduvo::test
