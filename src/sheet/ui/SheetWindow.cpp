#include "sheet/ui/SheetWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/FrameLayout.h"
#include "files/CloseSheet.h"
#include "sheet/App.h"
#include "sheet/CellEditing.h"
#include "sheet/ui/NumberCellDelegate.h"
#include "sheet/ui/PlatformKeys.h"
#include "sheet/ui/SheetHeaderView.h"
#include "sheet/ui/SheetTableModel.h"
#include "platform/qt/QtText.h"

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

    editor_ = new QLineEdit(view_->viewport());
    editor_->setObjectName("txtCell");
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    view_->installEventFilter(this);
    connect(view_, &QTableView::doubleClicked, this, &SheetWindow::doubleClicked);
    connect(across_, &QHeaderView::sectionDoubleClicked, this, &SheetWindow::doubleClicked);
    connect(down_, &QHeaderView::sectionDoubleClicked, this, &SheetWindow::doubleClicked);

    applyLayout();
    showCursor();
    connect(model_, &SheetTableModel::layoutOfGridChanged, this, &SheetWindow::applyLayout);
    connect(model_, &SheetTableModel::cursorChanged, this, &SheetWindow::showCursor);
    connect(model_, &QAbstractItemModel::modelReset, this, &SheetWindow::showCursor);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SheetWindow::takeCursor);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SheetWindow::takeCursor);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::takeCursor);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::takeCursor);
}

int SheetWindow::px(int twips, bool vertical) const {
    return TwipsToPixels(twips, vertical ? logicalDpiY() : logicalDpiX());
}

void SheetWindow::applyLayout() {
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
}

// Core grid state → view.
void SheetWindow::showCursor() {
    if (syncing_) return;
    syncing_ = true;
    const Grid& grid = sheet_.grdVo;
    auto* selection = view_->selectionModel();
    const QModelIndex current = model_->index(grid.row() - kFixed, grid.col() - kFixed);
    const QModelIndex corner = model_->index(grid.rowSel() - kFixed, grid.colSel() - kFixed);
    if (current.isValid()) {
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(current, corner.isValid() ? corner : current),
                          QItemSelectionModel::ClearAndSelect);
    }
    view_->verticalScrollBar()->setValue(grid.topRow() - kFixed);
    view_->horizontalScrollBar()->setValue(grid.leftCol() - kFixed);
    syncing_ = false;
}

void SheetWindow::showRows(int first, int last) {
    const int column = sheet_.grdVo.leftCol() - kFixed;
    // The rows may have just been added: the scroll range must know them first.
    view_->doItemsLayout();
    view_->scrollTo(model_->index(last - kFixed, column));
    view_->scrollTo(model_->index(first - kFixed, column));
}

// View → core grid state.
void SheetWindow::takeCursor() {
    if (syncing_) return;
    syncing_ = true;
    Grid& grid = sheet_.grdVo;
    const QModelIndex current = view_->selectionModel()->currentIndex();
    if (current.isValid()) {
        // The cursor leaves the committed cell: the range update runs on the cell being left.
        if (grid.row() != current.row() + kFixed || grid.col() != current.column() + kFixed) LeaveCell(app_, sheet_);
        int rowSel = current.row(), colSel = current.column();
        const auto ranges = view_->selectionModel()->selection();
        if (!ranges.isEmpty()) {
            const QItemSelectionRange& range = ranges.first();
            rowSel = current.row() == range.top() ? range.bottom() : range.top();
            colSel = current.column() == range.left() ? range.right() : range.left();
        }
        if (grid.row() != current.row() + kFixed || grid.col() != current.column() + kFixed)
            grid.setCurrent(current.row() + kFixed, current.column() + kFixed);
        grid.setSelectionEnd(rowSel + kFixed, colSel + kFixed);
    }
    grid.setTopRow(view_->verticalScrollBar()->value() + kFixed);
    grid.setLeftCol(view_->horizontalScrollBar()->value() + kFixed);
    syncing_ = false;
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) return gridKey(static_cast<QKeyEvent*>(event));
    if (watched == editor_) {
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
    if (open && CloseSheetQuery(app_, sheet_) == CloseOutcome::KeptOpen) event->ignore();
    else event->accept();
    closing_ = false;
}

}  // namespace zoriduvo
