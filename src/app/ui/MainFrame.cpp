#include "app/ui/MainFrame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app/Exit.h"
#include "app/FrameLayout.h"
#include "app/MenuTable.h"
#include "app/ui/AboutBox.h"
#include "platform/qt/QtUi.h"
#include "files/OpenCommand.h"
#include "files/SaveCommands.h"
#include "sheet/App.h"
#include "sheet/NameAlignment.h"
#include "sheet/SheetRegistry.h"
#include "sheet/ui/RangeDialog.h"
#include "sheet/ui/SheetWindow.h"
#include "sheet/ui/SortDialog.h"
#include "categories/ui/CaseGroupDialog.h"
#include "transform/ui/TransformDialog.h"
#include "variables/ui/BulkTypeDialog.h"
#include "variables/ui/VariableDefinitionDialog.h"
#include "variables/StatisticsBlock.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
QIcon ToolIcon(const QString& theme, QStyle::StandardPixmap fallback, QStyle* style) {
    return QIcon::fromTheme(theme, style->standardIcon(fallback));
}
}  // namespace

MainFrame::MainFrame(App& app, QtUi& ui) : app_(app), ui_(ui) {
    setObjectName("frmMDI");
    setWindowTitle("Da ziv Oru32");
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("mdiArea");
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    statusBar();
    defineCommands();
    buildMenus(frameMenus_, FrameMenuEntries());
    buildMenus(sheetMenus_, SheetMenuEntries());
    buildToolbar();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::sheetActivated);
    app_.bus.subscribe(this);
    ui_.setParentWidget(this);
    refreshMenus();
    refreshToolbar();
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

void MainFrame::defineCommands() {
    auto newSheet = [this] { NewSheet(app_); };
    auto align = [this](CellAlignment alignment) {
        return [this, alignment] {
            runOnActiveSheet([this, alignment](int n) { AlignVariableNames(app_, app_.sheet(n), alignment); });
        };
    };
    auto open = [this] { OpenFileCommand(app_); };
    // The frame's Open and the toolbar's: a blank sheet first when none is open.
    auto openFromFrame = [this] {
        if (!AnySheetOpen(app_)) NewSheet(app_);
        OpenFileCommand(app_);
    };
    auto save = [this] { runOnActiveSheet([this](int n) { SaveCommand(app_, app_.sheet(n)); }); };
    commands_ = {
        {"mnuFNew", newSheet},
        {"mnuFOpen", open},
        {"frame:mnuFOpen",
         [this] {
             NewSheet(app_);
             OpenFileCommand(app_);
         }},
        {"mnuFSave", save},
        {"mnuFSaveAs", [this] { runOnActiveSheet([this](int n) { SaveAsCommand(app_, app_.sheet(n)); }); }},
        {"tool:fileOpen", openFromFrame},
        {"tool:fileSave", save},
        {"mnuFClose",
         [this] {
             app_.closeCancelled = false;
             if (auto* window = mdi_->activeSubWindow()) window->close();
         }},
        {"mnuFExit",
         [this] {
             app_.closeCancelled = false;
             close();
         }},
        {"frame:mnuFExit",
         [this] {
             if (!AnySheetOpen(app_)) close();
         }},
        {"mnuVNameLeft", align(CellAlignment::LeftCenter)},
        {"mnuVNameCenter", align(CellAlignment::CenterCenter)},
        {"mnuVNameRight", align(CellAlignment::RightCenter)},
        {"mnuVStat", [this] { runOnActiveSheet([this](int n) { ShowStatisticsBlock(app_, app_.sheet(n)); }); }},
        {"mnuDSort",
         [this] {
             runOnActiveSheet([this](int n) {
                 auto* dialog = new SortDialog(app_, n, this);
                 dialog->show();
             });
         }},
        {"mnuDRange",
         [this] {
             runOnActiveSheet([this](int n) {
                 RangeDialog dialog(app_, app_.sheet(n), this);
                 dialog.exec();
             });
         }},
        {"mnuDDefine", [this] { runOnActiveSheet([this](int n) { VariableDefinitionDialog::Open(app_, app_.sheet(n), this); }); }},
        {"mnuDTypes", [this] { runOnActiveSheet([this](int n) { BulkTypeDialog::Open(app_, app_.sheet(n), this); }); }},
        {"mnuDCGroup", [this] { runOnActiveSheet([this](int n) { CaseGroupDialog::Run(app_, app_.sheet(n), this); }); }},
        {"mnuDTrans",
         [this] {
             runOnActiveSheet([this](int n) {
                 TransformDialog dialog(app_, app_.sheet(n), this);
                 dialog.exec();
             });
         }},
        {"mnuWCascade", [this] { mdi_->cascadeSubWindows(); }},
        {"mnuWTile",
         [this] {
             // Side by side, each window the full height of the frame's client area.
             QList<QMdiSubWindow*> shown;
             for (auto* window : mdi_->subWindowList())
                 if (!window->isMinimized() && window->isVisible()) shown << window;
             if (shown.isEmpty()) return;
             const QRect area = mdi_->viewport()->rect();
             const int width = area.width() / static_cast<int>(shown.size());
             for (int i = 0; i < shown.size(); ++i) {
                 shown[i]->showNormal();
                 shown[i]->setGeometry(i * width, 0, width, area.height());
             }
         }},
        {"mnuWArrange",
         [this] {
             int left = 0;
             const QRect area = mdi_->viewport()->rect();
             for (auto* window : mdi_->subWindowList()) {
                 if (!window->isMinimized()) continue;
                 window->move(left, area.height() - window->height());
                 left += window->width();
             }
         }},
        {"mnuHContents", [this] { showHelp(); }},
        {"mnuHIndex", [this] { showHelp(); }},
        {"mnuHAbout",
         [this] {
             AboutBox box(ui_, this);
             box.exec();
         }},
        {"tool:fileNew", newSheet},
        {"tool:valignLeft", align(CellAlignment::LeftCenter)},
        {"tool:valignCenter", align(CellAlignment::CenterCenter)},
        {"tool:valignRight", align(CellAlignment::RightCenter)},
        {"tool:sortAs", [] {}},  // these two buttons have no command
        {"tool:sortDs", [] {}},
    };
}

void MainFrame::buildMenus(MenuSet& set, std::span<const MenuEntry> entries) {
    const bool frameSet = &set == &frameMenus_;
    QMenu* top = nullptr;
    QMenu* sub = nullptr;
    for (const MenuEntry& entry : entries) {
        const std::string name(entry.name);
        QAction* action = nullptr;
        if (entry.level == 0) {
            top = new QMenu(ToQString(entry.caption), this);
            top->setObjectName(ToQString(entry.name));
            set.menus.push_back(top);
            action = top->menuAction();
            sub = nullptr;
            if (!frameSet && name == "mnuWindow") {
                windowMenu_ = top;
                connect(top, &QMenu::aboutToShow, this, &MainFrame::fillWindowMenu);
            }
        } else {
            QMenu* parent = entry.level == 2 && sub ? sub : top;
            const bool hasChildren = &entry + 1 < entries.data() + entries.size() && (&entry + 1)->level == 2;
            if (entry.level == 1 && hasChildren) {
                sub = parent->addMenu(ToQString(entry.caption));
                sub->setObjectName(ToQString(entry.name));
                action = sub->menuAction();
            } else {
                action = parent->addAction(ToQString(entry.caption));
                if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(ToQString(entry.shortcut)));
                action->setCheckable(entry.checkable);
                const std::string key = frameSet && commands_.count("frame:" + name) ? "frame:" + name : name;
                if (auto it = commands_.find(key); it != commands_.end()) {
                    auto command = it->second;
                    connect(action, &QAction::triggered, this, [command] { command(); });
                }
            }
        }
        action->setObjectName(ToQString(entry.name));
        set.actions[name] = action;
    }
}

void MainFrame::buildToolbar() {
    toolbar_ = addToolBar("tlbVo");
    toolbar_->setObjectName("tlbVo");
    toolbar_->setMovable(false);
    QStyle* s = style();
    const std::map<std::string, QIcon> icons = {
        {"fileNew", ToolIcon("document-new", QStyle::SP_FileIcon, s)},
        {"fileOpen", ToolIcon("document-open", QStyle::SP_DialogOpenButton, s)},
        {"fileSave", ToolIcon("document-save", QStyle::SP_DialogSaveButton, s)},
        {"filePrint", ToolIcon("document-print", QStyle::SP_ComputerIcon, s)},
        {"editCut", ToolIcon("edit-cut", QStyle::SP_DialogDiscardButton, s)},
        {"editCopy", ToolIcon("edit-copy", QStyle::SP_FileDialogDetailedView, s)},
        {"editPaste", ToolIcon("edit-paste", QStyle::SP_FileDialogContentsView, s)},
        {"valignLeft", ToolIcon("format-justify-left", QStyle::SP_ArrowLeft, s)},
        {"valignCenter", ToolIcon("format-justify-center", QStyle::SP_ArrowUp, s)},
        {"valignRight", ToolIcon("format-justify-right", QStyle::SP_ArrowRight, s)},
        {"sortAs", ToolIcon("view-sort-ascending", QStyle::SP_ArrowUp, s)},
        {"sortDs", ToolIcon("view-sort-descending", QStyle::SP_ArrowDown, s)},
    };
    for (const ToolbarButton& button : app_.toolbar.buttons()) {
        const std::string key(button.key);
        QAction* action = toolbar_->addAction(icons.at(key), ToQString(button.toolTip));
        action->setObjectName(ToQString(button.key));
        action->setToolTip(ToQString(button.toolTip));
        action->setCheckable(key.rfind("valign", 0) == 0);
        if (auto it = commands_.find("tool:" + key); it != commands_.end()) {
            auto command = it->second;
            // A button's command that cannot run (no active sheet) is ignored. The pressed state
            // is the toolbar data's, not the click's.
            connect(action, &QAction::triggered, this, [this, command] {
                command();
                refreshToolbar();
            });
        }
        toolButtons_[key] = action;
    }
}

void MainFrame::runOnActiveSheet(const std::function<void(int)>& command) {
    const int n = ActiveSheetNumber(app_);
    if (n > 0) command(n);
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
        if (auto* window = sheetWindow(change.sheet)) window->setWindowTitle(ToQString(app_.sheet(change.sheet).caption()));
        if (change.sheet == app_.activeSheet()) refreshMenus();
        break;
    default: break;
    }
}

void MainFrame::openSheetWindow(int number) {
    Sheet& sheet = app_.sheet(number);
    auto* content = new SheetWindow(app_, sheet);
    connect(content, &SheetWindow::defineVariableRequested, this, [this, number] {
        VariableDefinitionDialog::Open(app_, app_.sheet(number), this);
    });
    QMdiSubWindow* window = mdi_->addSubWindow(content);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(ToQString(sheet.caption()));
    // The window menu's tile entry has Ctrl+F4; the sub-window's own menu must not take it.
    for (QAction* action : window->systemMenu()->actions()) action->setShortcut({});
    windows_[number] = window;
    const QRect inner = mdi_->viewport()->rect();
    const TwipRect size = SheetWindowGeometry(PixelsToTwips(inner.width(), logicalDpiX()),
                                              PixelsToTwips(inner.height(), logicalDpiY()));
    window->resize(TwipsToPixels(size.width, logicalDpiX()), TwipsToPixels(size.height, logicalDpiY()));
    window->show();
    mdi_->setActiveSubWindow(window);
    app_.setActiveSheet(number);
    refreshMenus();
}

void MainFrame::closeSheetWindow(int number) {
    QMdiSubWindow* window = sheetWindow(number);
    windows_.erase(number);
    if (!window) return;
    auto* content = qobject_cast<SheetWindow*>(window->widget());
    if (!content || !content->closing()) window->close();
    refreshMenus();
}

void MainFrame::sheetActivated(QMdiSubWindow* window) {
    int number = 0;
    for (const auto& [n, w] : windows_)
        if (w == window) number = n;
    app_.setActiveSheet(number);
    refreshMenus();
}

void MainFrame::refreshMenus() {
    const int active = app_.activeSheet();
    const bool sheetShown = active > 0;
    if (sheetShown != showingSheetMenus_ || menuBar()->actions().isEmpty()) {
        menuBar()->clear();
        for (QMenu* menu : (sheetShown ? sheetMenus_ : frameMenus_).menus) menuBar()->addMenu(menu);
        showingSheetMenus_ = sheetShown;
    }
    const Sheet* sheet = sheetShown ? &app_.sheet(active) : nullptr;
    auto refresh = [&](MenuSet& set, std::span<const MenuEntry> entries, bool shown) {
        const bool frameSet = &set == &frameMenus_;
        for (const MenuEntry& entry : entries) {
            const std::string name(entry.name);
            QAction* action = set.actions.at(name);
            const bool submenu = action->menu() != nullptr;
            const bool built = submenu || commands_.count(name) || (frameSet && commands_.count("frame:" + name));
            const bool blankStop = entry.disabledOnBlankSheet && sheet && sheet->blank();
            // Actions of the hidden menu bar stay disabled so that their shortcuts cannot fire.
            action->setEnabled(shown && built && !blankStop);
        }
    };
    refresh(frameMenus_, FrameMenuEntries(), !sheetShown);
    refresh(sheetMenus_, SheetMenuEntries(), sheetShown);
    const CellAlignment alignment = sheet ? sheet->nameAlignment() : CellAlignment::LeftCenter;
    sheetMenus_.actions.at("mnuVNameLeft")->setChecked(alignment == CellAlignment::LeftCenter);
    sheetMenus_.actions.at("mnuVNameCenter")->setChecked(alignment == CellAlignment::CenterCenter);
    sheetMenus_.actions.at("mnuVNameRight")->setChecked(alignment == CellAlignment::RightCenter);
}

void MainFrame::refreshToolbar() {
    for (const ToolbarButton& button : app_.toolbar.buttons()) {
        const std::string key(button.key);
        QAction* action = toolButtons_.at(key);
        action->setEnabled(button.enabled && commands_.count("tool:" + key));
        if (action->isCheckable()) action->setChecked(button.pressed);
    }
}

void MainFrame::fillWindowMenu() {
    for (QAction* action : windowList_) {
        windowMenu_->removeAction(action);
        action->deleteLater();
    }
    windowList_.clear();
    const auto windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowList_.push_back(windowMenu_->addSeparator());
    int index = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action = windowMenu_->addAction(QString("&%1 %2").arg(index++).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { mdi_->setActiveSubWindow(window); });
        windowList_.push_back(action);
    }
}

void MainFrame::showHelp() {
    const QString path = QCoreApplication::applicationDirPath() + "/Vuror32.odi";
    if (!QFileInfo::exists(path)) {
        app_.ui.message("ヘルプファイルが見つかりません。\n" + ToUtf8(path), "ヘルプ", MessageIcon::Exclamation);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        app_.ui.message("ヘルプファイルを開けません。\n" + ToUtf8(path), "ヘルプ", MessageIcon::Exclamation);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (ExitProgram(app_)) event->accept();
    else event->ignore();
}

}  // namespace zoriduvo
