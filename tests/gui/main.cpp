#include <QApplication>
#include <QTest>
#include <memory>

#include "GuiTestRegistry.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int failures = 0;
    // GUI_TESTS=ClassA,ClassB runs only those classes.
    const QStringList only = qEnvironmentVariable("GUI_TESTS").split(',', Qt::SkipEmptyParts);
    for (const auto& factory : GuiTestRegistry::factories()) {
        std::unique_ptr<QObject> test(factory());
        if (!only.isEmpty() && !only.contains(test->metaObject()->className())) continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
