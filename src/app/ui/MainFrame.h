#pragma once
#include <QMainWindow>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/FrameContext.h"
#include "sheet/Commands.h"
#include "sheet/ModelChange.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace zoriduvo {

class App;
class QtUi;
struct MenuEntry;

// The frame frmMDI: the child windows, the toolbar tlbVo and the menu bars of the frame, the sheet
// windows and the graph windows. What the entries do is the command table's.
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
    QAction* graphAction(const std::string& name) const { return graphMenus_.actions.at(name); }
    QAction* toolbarAction(const std::string& key) const { return toolButtons_.at(key); }
    QMdiSubWindow* sheetWindow(int number) const;
    CommandTable& commands() { return commands_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MenuSet {
        std::span<const MenuEntry> entries;
        CommandScope scope;  // of the commands that act otherwise in this set
        std::vector<QMenu*> menus;
        std::map<std::string, QAction*> actions;
    };
    void buildMenus(MenuSet& set);
    void buildToolbar();
    MenuSet& menusOfActiveChild();
    void openSheetWindow(int number);
    void closeSheetWindow(int number);
    void childActivated(QMdiSubWindow* window);
    void refreshMenus();
    void refreshToolbar();
    void fillWindowMenu(QMenu* menu);
    void runCommand(const CommandId& id);
    void showCaption(int number);

    App& app_;
    QtUi& ui_;
    QMdiArea* mdi_;
    FrameContext context_;
    CommandTable commands_;
    QToolBar* toolbar_;
    MenuSet frameMenus_, sheetMenus_, graphMenus_;
    const MenuSet* shownMenus_ = nullptr;
    QMenu* windowListMenu_ = nullptr;
    std::vector<QAction*> windowList_;
    std::map<std::string, QAction*> toolButtons_;
    std::map<int, QMdiSubWindow*> windows_;
};

}  // namespace zoriduvo
