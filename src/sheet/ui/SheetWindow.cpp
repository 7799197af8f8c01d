#include "sheet/ui/SheetWindow.h"

#include <QCloseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/FrameLayout.h"
#include "files/CloseSheet.h"
#include "sheet/App.h"
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
    view_->setCornerButtonEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

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

// View → core grid state.
void SheetWindow::takeCursor() {
    if (syncing_) return;
    syncing_ = true;
    Grid& grid = sheet_.grdVo;
    const QModelIndex current = view_->selectionModel()->currentIndex();
    if (current.isValid()) {
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

void SheetWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    const bool open = std::find(app_.openSheets().begin(), app_.openSheets().end(), number_) != app_.openSheets().end();
    if (open && CloseSheetQuery(app_, sheet_)) event->ignore();
    else event->accept();
    closing_ = false;
}

}  // namespace zoriduvo
