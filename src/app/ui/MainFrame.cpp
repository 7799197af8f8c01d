#include "app/ui/MainFrame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/Exit.h"
#include "app/MenuTable.h"
#include "app/Version.h"
#include "app/ui/DialogFocus.h"
#include "app/ui/FrameCommands.h"
#include "app/ui/GraphOutput.h"
#include "app/ui/HelpKey.h"
#include "app/ui/ProgramIcons.h"
#include "categories/ui/CategoryCommands.h"
#include "edit/ui/EditCommands.h"
#include "files/CloseSheet.h"
#include "files/ui/FileCommands.h"
#include "graphs/ui/GraphCommands.h"
#include "platform/FrameLayout.h"
#include "platform/qt/ChildPlacement.h"
#include "platform/qt/ChildWindow.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtUi.h"
#include "sheet/App.h"
#include "sheet/ui/SheetCommands.h"
#include "sheet/ui/SheetWindow.h"
#include "transform/ui/TransformCommands.h"
#include "variables/ui/VariableCommands.h"

namespace zoriduvo {

namespace {
// Every concern's commands, once, when the frame is built.
void RegisterAllCommands(CommandTable& commands, FrameContext& context) {
    RegisterFileCommands(commands, context);
    RegisterSheetCommands(commands, context);
    RegisterUndoCommands(commands, context);
    RegisterEditCommands(commands, context);
    RegisterVariableCommands(commands, context);
    RegisterTransformCommands(commands, context);
    RegisterCategoryCommands(commands, context);
    RegisterWindowCommands(commands, context);
    RegisterHelpCommands(commands, context);
    RegisterGraphCommands(commands, context);
    RegisterGraphOutputCommands(commands, context);
}

// A window's title as its caption bar shows it: the "[*]" placeholder becomes the modified mark.
QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}
}  // namespace

MainFrame::MainFrame(App& app, QtUi& ui)
    : app_(app), ui_(ui), mdi_(new QMdiArea(this)), context_{*this, *mdi_}, commands_(app),
      frameMenus_{FrameMenuEntries(), CommandScope::FrameMenus, {}, {}},
      sheetMenus_{SheetMenuEntries(), CommandScope::Menus, {}, {}},
      graphMenus_{GraphMenuEntries(), CommandScope::GraphMenus, {}, {}} {
    setObjectName("frmMDI");
    setWindowTitle(ToQString(kProgramTitle));
    mdi_->setObjectName("mdiArea");
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    statusBar();
    RegisterAllCommands(commands_, context_);
    for (MenuSet* set : {&frameMenus_, &sheetMenus_, &graphMenus_}) buildMenus(*set);
    buildToolbar();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::childActivated);
    app_.bus.subscribe(this);
    ui_.setParentWidget(this);
    new DialogFocus(*this, *mdi_);
    new HelpKey(app_, *this, *mdi_);
    refreshMenus();
}

MainFrame::~MainFrame() {
    // The sub-windows go after this object: they must not call back into it.
    disconnect(mdi_, nullptr, this, nullptr);
    app_.bus.unsubscribe(this);
}

void MainFrame::placeOnScreen() {
    QScreen* screen = this->screen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const double dpiX = screen->logicalDotsPerInchX(), dpiY = screen->logicalDotsPerInchY();
    const TwipRect twips = FrameGeometry(PixelsToTwips(area.width(), dpiX), PixelsToTwips(area.height(), dpiY));
    resize(TwipsToPixels(twips.width, dpiX), TwipsToPixels(twips.height, dpiY));
    move(area.left() + TwipsToPixels(twips.left, dpiX), area.top() + TwipsToPixels(twips.top, dpiY));
}

void MainFrame::buildMenus(MenuSet& set) {
    const std::span<const MenuEntry> entries = set.entries;
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        QAction* action = nullptr;
        if (entry.level == 0) {
            top = new QMenu(ToQString(entry.caption), this);
            top->setObjectName(ToQString(entry.name));
            set.menus.push_back(top);
            action = top->menuAction();
            sub = nullptr;
            if (entry.name == "mnuWindow")
                connect(top, &QMenu::aboutToShow, this, [this, top] { fillWindowMenu(top); });
        } else {
            QMenu* parent = entry.level == 2 && sub ? sub : top;
            const bool hasChildren = i + 1 < entries.size() && entries[i + 1].level == 2;
            if (entry.level == 1 && hasChildren) {
                sub = parent->addMenu(ToQString(entry.caption));
                sub->setObjectName(ToQString(entry.name));
                action = sub->menuAction();
            } else {
                action = parent->addAction(ToQString(entry.caption));
                if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(ToQString(entry.shortcut)));
                action->setCheckable(entry.checkable);
                connect(action, &QAction::triggered, this,
                        [this, &set, name = entry.name] { runCommand(commands_.entryCommand(set.scope, name)); });
            }
        }
        action->setObjectName(ToQString(entry.name));
        set.actions[std::string(entry.name)] = action;
    }
}

void MainFrame::buildToolbar() {
    toolbar_ = addToolBar("tlbVo");
    toolbar_->setObjectName("tlbVo");
    toolbar_->setMovable(false);
    for (const ToolbarButton& button : app_.toolbar.buttons()) {
        const std::string key(button.key);
        QAction* action = toolbar_->addAction(ProgramIcon(key.c_str()), ToQString(button.toolTip));
        action->setObjectName(ToQString(button.key));
        action->setToolTip(ToQString(button.toolTip));
        action->setCheckable(key.rfind("valign", 0) == 0);
        // The pressed state is the toolbar data's, not the click's.
        connect(action, &QAction::triggered, this, [this, command = ToolCommand(key)] {
            runCommand(command);
            refreshToolbar();
        });
        toolButtons_[key] = action;
    }
}

QMdiSubWindow* MainFrame::sheetWindow(int number) const {
    auto it = windows_.find(number);
    return it == windows_.end() ? nullptr : it->second;
}

void MainFrame::modelChanged(const ModelChange& change) {
    switch (change.kind) {
    case ChangeKind::SheetOpened: openSheetWindow(change.sheet); break;
    case ChangeKind::SheetClosed: closeSheetWindow(change.sheet); break;
    case ChangeKind::SheetActivated:
        if (auto* window = sheetWindow(change.sheet); window && mdi_->activeSubWindow() != window)
            mdi_->setActiveSubWindow(window);
        break;
    case ChangeKind::Toolbar: refreshToolbar(); break;
    case ChangeKind::Flags:
        showCaption(change.sheet);
        if (change.sheet == app_.activeSheet()) refreshMenus();
        break;
    default: break;
    }
}

void MainFrame::openSheetWindow(int number) {
    Sheet& sheet = app_.sheet(number);
    auto* content = new SheetWindow(app_, sheet);
    connect(content, &SheetWindow::defineVariableRequested, this, [this] { runCommand("mnuDDefine"); });
    connect(content, &SheetWindow::caseNameRequested, this, [this] { runCommand("mnuDCaseNames"); });
    connect(content, &SheetWindow::closeRequested, this, [this, number](bool* keptOpen) {
        *keptOpen = CloseSheetQuery(app_, app_.sheet(number)) == CloseOutcome::KeptOpen;
    });
    QMdiSubWindow* window = mdi_->addSubWindow(content);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The window menu's tile entry has Ctrl+F4; the sub-window's own menu must not take it.
    for (QAction* action : window->systemMenu()->actions()) action->setShortcut({});
    windows_[number] = window;
    showCaption(number);
    PlaceNewChild(*mdi_, *window);
    window->show();
    mdi_->setActiveSubWindow(window);
    app_.setActiveSheet(number);
    refreshMenus();
}

// The sheet's caption, marked the desktop's way while it holds unsaved changes.
void MainFrame::showCaption(int number) {
    QMdiSubWindow* window = sheetWindow(number);
    if (!window) return;
    const Sheet& sheet = app_.sheet(number);
    window->setWindowTitle(ToQString(sheet.caption()) + "[*]");
    window->setWindowModified(sheet.modified());
}

// Every command of menus, toolbar and mouse: an open edit ends first, as a click on a menu ends it.
// The entries then show what the command left (a graph's label marks, say).
void MainFrame::runCommand(const CommandId& id) {
    if (QMdiSubWindow* window = mdi_->activeSubWindow())
        if (auto* sheet = qobject_cast<SheetWindow*>(window->widget())) sheet->commitEditor();
    commands_.run(id);
    refreshMenus();
}

void MainFrame::closeSheetWindow(int number) {
    QMdiSubWindow* window = sheetWindow(number);
    windows_.erase(number);
    if (!window) return;
    const ChildWindow* child = ChildIn(window);
    if (!child || !child->closing()) window->close();
    refreshMenus();
}

void MainFrame::childActivated(QMdiSubWindow* window) {
    int number = 0;
    for (const auto& [n, w] : windows_)
        if (w == window) number = n;
    app_.setActiveSheet(number);
    refreshMenus();
}

MainFrame::MenuSet& MainFrame::menusOfActiveChild() {
    if (app_.activeSheet() > 0) return sheetMenus_;
    const ChildWindow* child = ChildIn(mdi_->activeSubWindow());
    return child && child->childKind() == ChildKind::Graph ? graphMenus_ : frameMenus_;
}

void MainFrame::refreshMenus() {
    const MenuSet& shown = menusOfActiveChild();
    if (&shown != shownMenus_) {
        menuBar()->clear();
        for (QMenu* menu : shown.menus) menuBar()->addMenu(menu);
        shownMenus_ = &shown;
    }
    const int active = app_.activeSheet();
    const Sheet* sheet = active > 0 ? &app_.sheet(active) : nullptr;
    for (const MenuSet* set : {&frameMenus_, &sheetMenus_, &graphMenus_}) {
        for (const MenuEntry& entry : set->entries) {
            QAction* action = set->actions.at(std::string(entry.name));
            const CommandId id = commands_.entryCommand(set->scope, entry.name);
            const bool runs = action->menu() != nullptr || commands_.enabled(id);
            const bool blankStop = entry.disabledOnBlankSheet && sheet && sheet->blank();
            // Actions of the hidden menu bars stay disabled so that their shortcuts cannot fire.
            action->setEnabled(set == &shown && runs && !blankStop);
            action->setVisible(commands_.shown(id));
            if (action->isCheckable()) action->setChecked(commands_.checked(id));
            if (action->menu() == nullptr) {
                const std::string caption = commands_.caption(id);
                action->setText(ToQString(caption.empty() ? entry.caption : caption));
            }
        }
    }
    // Commands on a sheet follow the active sheet on the toolbar too.
    refreshToolbar();
}

void MainFrame::refreshToolbar() {
    for (const ToolbarButton& button : app_.toolbar.buttons()) {
        const std::string key(button.key);
        QAction* action = toolButtons_.at(key);
        action->setEnabled(button.enabled && commands_.enabled(ToolCommand(key)));
        if (action->isCheckable()) action->setChecked(button.pressed);
    }
}

void MainFrame::fillWindowMenu(QMenu* menu) {
    for (QAction* action : windowList_) {
        windowListMenu_->removeAction(action);
        action->deleteLater();
    }
    windowList_.clear();
    windowListMenu_ = menu;
    const auto windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowList_.push_back(menu->addSeparator());
    int index = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action = menu->addAction(QString("&%1 %2").arg(index++).arg(ShownTitle(*window)));
        action->setCheckable(true);
        action->setChecked(window == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { mdi_->setActiveSubWindow(window); });
        windowList_.push_back(action);
    }
}

void MainFrame::closeEvent(QCloseEvent* event) {
    // Graphs have nothing to save: they go before the sheets are asked about.
    for (QMdiSubWindow* window : mdi_->subWindowList())
        if (const ChildWindow* child = ChildIn(window); child && child->childKind() == ChildKind::Graph) window->close();
    if (ExitProgram(app_)) event->accept();
    else event->ignore();
}

}  // namespace zoriduvo
