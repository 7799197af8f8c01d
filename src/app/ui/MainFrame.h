#pragma once
#include <QMainWindow>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "sheet/ModelChange.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace zoriduvo {

class App;
class QtUi;
struct MenuEntry;

// The frame frmMDI: the sheet windows, the toolbar tlbVo and the two menu bars.
class MainFrame : public QMainWindow, public ModelObserver {
    Q_OBJECT
public:
    MainFrame(App& app, QtUi& ui);
    ~MainFrame() override;

    // Start-up size and position by the screen-size rule.
    void placeOnScreen();
    void modelChanged(const ModelChange& change) override;

    QMdiArea* mdiArea() const { return mdi_; }
    QAction* sheetAction(const std::string& name) const { return sheetMenus_.actions.at(name); }
    QAction* frameAction(const std::string& name) const { return frameMenus_.actions.at(name); }
    QAction* toolbarAction(const std::string& key) const { return toolButtons_.at(key); }
    QMdiSubWindow* sheetWindow(int number) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MenuSet {
        std::vector<QMenu*> menus;
        std::map<std::string, QAction*> actions;
    };
    void buildMenus(MenuSet& set, std::span<const MenuEntry> entries);
    void buildToolbar();
    void defineCommands();
    void openSheetWindow(int number);
    void closeSheetWindow(int number);
    void sheetActivated(QMdiSubWindow* window);
    void refreshMenus();
    void refreshToolbar();
    void fillWindowMenu();
    void runOnActiveSheet(const std::function<void(int)>& command);
    void showHelp();

    App& app_;
    QtUi& ui_;
    QMdiArea* mdi_;
    QToolBar* toolbar_;
    MenuSet frameMenus_, sheetMenus_;
    QMenu* windowMenu_ = nullptr;
    std::vector<QAction*> windowList_;
    std::map<std::string, std::function<void()>> commands_;
    std::map<std::string, QAction*> toolButtons_;
    std::map<int, QMdiSubWindow*> windows_;
    bool showingSheetMenus_ = false;
};

}  // namespace zoriduvo
