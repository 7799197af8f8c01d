#include "sheet/ui/SheetWindow.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/Clipboard.h"
#include "platform/Twips.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/CellEditing.h"
#include "sheet/ui/NumberCellDelegate.h"
#include "sheet/ui/PlatformKeys.h"
#include "sheet/ui/SheetHeaderView.h"
#include "sheet/ui/SheetTableModel.h"

namespace zoriduvo {

namespace {
constexpr int kFixed = SheetTableModel::kFixed;
}

SheetWindow::SheetWindow(App& app, Sheet& sheet, QWidget* parent)
    : QWidget(parent), app_(app), sheet_(sheet), number_(sheet.number()) {
    setObjectName("frmVo");
    setAttribute(Qt::WA_DeleteOnClose);
    view_ = new QTableView(this);
    view_->setObjectName("grdVo");
    model_ = new SheetTableModel(app, sheet, this);
    across_ = new SheetHeaderView(Qt::Horizontal, view_);
    down_ = new SheetHeaderView(Qt::Vertical, view_);
    view_->setHorizontalHeader(across_);
    view_->setVerticalHeader(down_);
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_->setWordWrap(false);
    view_->setItemDelegate(new NumberCellDelegate(view_));
    // Cells are 1200 twips wide: a narrow proportional Japanese face fits the widest
    // formatted number ("1.23457E+11") in them without cutting it.
    QFont font = view_->font();
    if (QFontDatabase::families().contains("IPAPGothic")) font.setFamily("IPAPGothic");
    font.setPointSize(8);
    view_->setFont(font);
    view_->setCornerButtonEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    editor_ = new QLineEdit(view_->viewport());
    editor_->setObjectName("txtCell");
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    view_->installEventFilter(this);
    connect(view_, &QTableView::doubleClicked, this, &SheetWindow::doubleClicked);
    connect(across_, &QHeaderView::sectionDoubleClicked, this, &SheetWindow::doubleClicked);
    connect(down_, &QHeaderView::sectionDoubleClicked, this, &SheetWindow::doubleClicked);

    view_->viewport()->installEventFilter(this);
    across_->viewport()->installEventFilter(this);
    down_->viewport()->installEventFilter(this);
    connect(across_, &QHeaderView::sectionResized, this,
            [this](int section, int, int pixels) { takeColumnWidth(section, pixels); });

    applyLayout();
    showCursor();
    connect(model_, &SheetTableModel::layoutOfGridChanged, this, &SheetWindow::applyLayout);
    connect(model_, &SheetTableModel::cursorChanged, this, &SheetWindow::showCursor);
    connect(model_, &QAbstractItemModel::modelReset, this, &SheetWindow::showCursor);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SheetWindow::takeSelection);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SheetWindow::takeSelection);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::takeScroll);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::takeScroll);
}

int SheetWindow::px(int twips, bool vertical) const {
    return TwipsToPixels(twips, vertical ? logicalDpiY() : logicalDpiX());
}

void SheetWindow::applyLayout() {
    layingOut_ = true;
    const Grid& grid = sheet_.grdVo;
    const int rowHeight = px(grid.rowHeight(0), true);
    across_->setFirstPartSize(rowHeight);
    down_->setFirstPartSize(px(grid.colWidth(0), false));
    down_->setSecondPartSize(px(grid.colWidth(1), false));
    down_->setDefaultSectionSize(rowHeight);
    down_->setMinimumSectionSize(1);
    for (int c = kFixed; c < grid.cols(); ++c) {
        const int width = px(grid.colWidth(c), false);
        if (across_->sectionSize(c - kFixed) != width) across_->resizeSection(c - kFixed, width);
    }
    across_->updateGeometry();
    down_->updateGeometry();
    view_->updateGeometry();
    layingOut_ = false;
}

// A width the user dragged is the grid's, so that the next layout keeps it.
void SheetWindow::takeColumnWidth(int section, int pixels) {
    if (layingOut_) return;
    Grid& grid = sheet_.grdVo;
    const int col = section + kFixed;
    if (col >= grid.cols() || px(grid.colWidth(col), false) == pixels) return;
    grid.setColWidth(col, PixelsToTwips(pixels, logicalDpiX()));
}

// Core grid state → view. The view's current index is the grid's current cell, where the
// selection began; the view scrolls only where the grid moved.
void SheetWindow::showCursor() {
    if (syncing_) return;
    syncing_ = true;
    const Grid& grid = sheet_.grdVo;
    auto* selection = view_->selectionModel();
    const QModelIndex current = model_->index(grid.row() - kFixed, grid.col() - kFixed);
    const QModelIndex corner = model_->index(grid.rowSel() - kFixed, grid.colSel() - kFixed);
    if (current.isValid()) {
        const bool autoScroll = view_->hasAutoScroll();
        view_->setAutoScroll(false);
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(current, corner.isValid() ? corner : current),
                          QItemSelectionModel::ClearAndSelect);
        view_->setAutoScroll(autoScroll);
    }
    scrollAsTheGridAsks();
    syncing_ = false;
}

// A scroll position the grid was given is shown; else a moved cursor or selection end is
// scrolled into view, unless whole lines are selected.
void SheetWindow::scrollAsTheGridAsks() {
    Grid& grid = sheet_.grdVo;
    const SelectionCorners now{grid.row() - kFixed, grid.col() - kFixed, grid.rowSel() - kFixed,
                               grid.colSel() - kFixed};
    if (grid.topRow() != shownTop_ || grid.leftCol() != shownLeft_) {
        view_->verticalScrollBar()->setValue(grid.topRow() - kFixed);
        view_->horizontalScrollBar()->setValue(grid.leftCol() - kFixed);
    } else if (now != shown_) {
        const bool endMoved = now.rowSel != shown_.rowSel || now.colSel != shown_.colSel;
        const int lastRow = model_->rowCount() - 1, lastCol = model_->columnCount() - 1;
        const bool wholeLines = (now.row == 0 && now.rowSel == lastRow) || (now.col == 0 && now.colSel == lastCol);
        const QModelIndex moved = endMoved ? model_->index(now.rowSel, now.colSel) : model_->index(now.row, now.col);
        if (moved.isValid() && !wholeLines) view_->scrollTo(moved);
    }
    shown_ = now;
    grid.setTopRow(view_->verticalScrollBar()->value() + kFixed);
    grid.setLeftCol(view_->horizontalScrollBar()->value() + kFixed);
    shownTop_ = grid.topRow();
    shownLeft_ = grid.leftCol();
}

void SheetWindow::showRows(int first, int last) {
    const int column = sheet_.grdVo.leftCol() - kFixed;
    // The rows may have just been added: the scroll range must know them first.
    view_->doItemsLayout();
    view_->scrollTo(model_->index(last - kFixed, column));
    view_->scrollTo(model_->index(first - kFixed, column));
}

// The current cell moves: the cell being left ends its commit guard first.
void SheetWindow::moveCurrent(int row, int col) {
    Grid& grid = sheet_.grdVo;
    if (grid.row() == row && grid.col() == col) return;
    LeaveCell(app_, sheet_);
    grid.setCurrent(row, col);
}

// View → core grid state, after a click, a drag, a header click or a key the view handled.
void SheetWindow::takeSelection() {
    if (syncing_) return;
    const QModelIndex current = view_->selectionModel()->currentIndex();
    if (!current.isValid()) return;
    ViewSelection shown{current.row(), current.row(), current.column(), current.column(), current.row(),
                        current.column()};
    const auto ranges = view_->selectionModel()->selection();
    if (!ranges.isEmpty()) {
        shown.top = shown.left = INT_MAX;
        shown.bottom = shown.right = -1;
        for (const QItemSelectionRange& range : ranges) {
            shown.top = std::min(shown.top, range.top()), shown.bottom = std::max(shown.bottom, range.bottom());
            shown.left = std::min(shown.left, range.left()), shown.right = std::max(shown.right, range.right());
        }
    }
    syncing_ = true;
    Grid& grid = sheet_.grdVo;
    const SelectionCorners before{grid.row() - kFixed, grid.col() - kFixed, grid.rowSel() - kFixed,
                                  grid.colSel() - kFixed};
    const SelectionCorners now = GridSelectionOf(shown, before, model_->rowCount(), model_->columnCount());
    moveCurrent(now.row + kFixed, now.col + kFixed);
    grid.setSelectionEnd(now.rowSel + kFixed, now.colSel + kFixed);
    shown_ = now;
    syncing_ = false;
}

void SheetWindow::takeScroll() {
    if (syncing_) return;
    syncing_ = true;
    Grid& grid = sheet_.grdVo;
    grid.setTopRow(view_->verticalScrollBar()->value() + kFixed);
    grid.setLeftCol(view_->horizontalScrollBar()->value() + kFixed);
    shownTop_ = grid.topRow();
    shownLeft_ = grid.leftCol();
    syncing_ = false;
}

// Shift with a cursor key moves the selection's end; the current cell stays where it began.
void SheetWindow::extendSelection(int key) {
    Grid& grid = sheet_.grdVo;
    const int rowHeight = std::max(1, px(grid.rowHeight(kFixed), true));
    const int page = std::max(1, view_->viewport()->height() / rowHeight - 1);
    int row = grid.rowSel(), col = grid.colSel();
    switch (key) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_PageUp: row -= page; break;
    case Qt::Key_PageDown: row += page; break;
    default: return;
    }
    grid.setSelectionEnd(std::clamp(row, kFixed, grid.rows() - 1), std::clamp(col, kFixed, grid.cols() - 1));
}

// Shift+click on a cell or a header moves the selection's end there; whole columns or rows from
// the current cell's when a header is clicked. A click on a header's resize handle is left alone.
bool SheetWindow::shiftClick(QObject* watched, QMouseEvent* event) {
    Grid& grid = sheet_.grdVo;
    const QPoint at = event->position().toPoint();
    view_->setFocus();  // an open edit ends first, as on any click
    if (watched == view_->viewport()) {
        const QModelIndex cell = view_->indexAt(at);
        if (!cell.isValid()) return false;
        grid.setSelectionEnd(cell.row() + kFixed, cell.column() + kFixed);
        return true;
    }
    auto* header = watched == across_->viewport() ? across_ : down_;
    const bool across = header == across_;
    const int offset = across ? at.x() : at.y();
    const int section = header->logicalIndexAt(offset);
    if (section < 0) return false;
    const int start = header->sectionViewportPosition(section), end = start + header->sectionSize(section);
    const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    if (offset - start < grip || end - offset < grip) return false;
    if (across) {
        moveCurrent(kFixed, grid.col());
        grid.setSelectionEnd(grid.rows() - 1, section + kFixed);
    } else {
        moveCurrent(grid.row(), kFixed);
        grid.setSelectionEnd(section + kFixed, grid.cols() - 1);
    }
    return true;
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) return gridKey(static_cast<QKeyEvent*>(event));
    if (watched == view_->viewport() || watched == across_->viewport() || watched == down_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier))
                return shiftClick(watched, mouse);
        }
        // After a click or a drag the view's index goes back to where the selection began.
        if (event->type() == QEvent::MouseButtonRelease) showCursor();
        return QWidget::eventFilter(watched, event);
    }
    if (watched == editor_) {
        if (event->type() == QEvent::ShortcutOverride) return editorShortcut(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::KeyPress) return editorKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut && editor_->isVisible()) {
            const std::string text = ToUtf8(editor_->text());
            editor_->removeEventFilter(this);
            editor_->hide();
            editor_->installEventFilter(this);
            CommitEditorOnFocusLoss(app_, sheet_, text);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool SheetWindow::gridKey(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!shift || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
        extendSelection(event->key());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: MoveAfterKey(app_, sheet_, shift ? CursorKey::ShiftEnter : CursorKey::Enter); return true;
    case Qt::Key_Home: MoveAfterKey(app_, sheet_, CursorKey::Home); return true;
    case Qt::Key_End: MoveAfterKey(app_, sheet_, CursorKey::End); return true;
    default: break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (auto text = EditorTextForKey(sheet_, PlatformKeyCode(*event))) {
        openEditor(*text);
        return true;
    }
    return false;
}

bool SheetWindow::editorKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const std::string text = ToUtf8(editor_->text());
        hideEditor();
        CommitEditorWithEnter(app_, sheet_, text);
        const bool shift = event->modifiers() & Qt::ShiftModifier;
        MoveAfterKey(app_, sheet_, shift ? CursorKey::ShiftEnter : CursorKey::Enter);
        return true;
    }
    case Qt::Key_Escape: hideEditor(); return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // A key that moves the cursor leaves the cell as a click elsewhere does: the value goes into
        // the cell where editing began, then the grid moves.
        const std::string text = ToUtf8(editor_->text());
        hideEditor();
        CommitEditorOnFocusLoss(app_, sheet_, text);
        QCoreApplication::sendEvent(view_, event);
        return true;
    }
    default: return false;
    }
}

// Ctrl+V in the editor: a block (a tab or a line break in the text) ends the edit as a click
// elsewhere does and is then pasted by the frame's command at the cursor; a single value goes
// into the editor.
bool SheetWindow::editorShortcut(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Paste)) return false;
    const std::string text = app_.clipboard.text();
    if (text.find_first_of("\t\r\n") == std::string::npos) return false;
    commitEditor();
    return true;  // not taken by the editor: the frame's paste shortcut runs
}

void SheetWindow::commitEditor() {
    if (!editor_->isVisible()) return;
    const std::string text = ToUtf8(editor_->text());
    hideEditor();
    CommitEditorOnFocusLoss(app_, sheet_, text);
}

void SheetWindow::openEditor(const std::string& text) {
    editor_->hide();
    const Grid& grid = sheet_.grdVo;
    const QModelIndex current = model_->index(grid.row() - kFixed, grid.col() - kFixed);
    if (!current.isValid()) return;
    view_->scrollTo(current);
    editor_->setText(ToQString(text));
    editor_->setGeometry(view_->visualRect(current));
    editor_->show();
    editor_->setCursorPosition(static_cast<int>(editor_->text().size()));
    sheet_.editOriginRow = grid.row();
    sheet_.editOriginColumn = grid.col();
    editor_->setFocus();
}

// Hides the editor without a commit; the focus goes back to the grid.
void SheetWindow::hideEditor() {
    editor_->blockSignals(true);
    editor_->removeEventFilter(this);
    // Focus first: hiding a focused child would pass the focus on like Tab and move the cursor.
    view_->setFocus();
    editor_->hide();
    editor_->installEventFilter(this);
    editor_->blockSignals(false);
}

void SheetWindow::doubleClicked() {
    switch (DoubleClickDispatch(sheet_)) {
    case DoubleClickAction::Edit: openEditor(EditorTextOfCurrentCell(sheet_)); break;
    case DoubleClickAction::DefineVariable: emit defineVariableRequested(); break;
    case DoubleClickAction::NameCase: emit caseNameRequested(); break;
    case DoubleClickAction::Nothing: break;
    }
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    const bool open = std::find(app_.openSheets().begin(), app_.openSheets().end(), number_) != app_.openSheets().end();
    bool keptOpen = false;
    if (open) emit closeRequested(&keptOpen);
    if (keptOpen) event->ignore();
    else event->accept();
    closing_ = false;
}

}  // namespace zoriduvo
