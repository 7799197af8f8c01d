#pragma once
#include <QObject>
#include <functional>
#include <vector>

// Every Qt Test class of gui_tests registers itself here; main runs them all.
struct GuiTestRegistry {
    static std::vector<std::function<QObject*()>>& factories() {
        static std::vector<std::function<QObject*()>> all;
        return all;
    }
    explicit GuiTestRegistry(std::function<QObject*()> factory) { factories().push_back(std::move(factory)); }
};

#define REGISTER_GUI_TEST(Class) static GuiTestRegistry registered##Class([] { return new Class; })
