#include "sheet/ui/SheetTableModel.h"

#include <QColor>

#include "sheet/CaseGroups.h"
#include "sheet/App.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
Qt::Alignment ToQt(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::CenterCenter: return Qt::AlignCenter;
    case CellAlignment::RightCenter: return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::LeftCenter: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
}  // namespace

SheetTableModel::SheetTableModel(App& app, Sheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), app_(app), sheet_(sheet),
      rows_(sheet.grdVo.rows() - kFixed), cols_(sheet.grdVo.cols() - kFixed) {
    app_.bus.subscribe(this);
}

SheetTableModel::~SheetTableModel() { app_.bus.unsubscribe(this); }

int SheetTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int SheetTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant SheetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + kFixed, col = index.column() + kFixed;
    const Grid& grid = sheet_.grdVo;
    if (row >= grid.rows() || col >= grid.cols()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return ToQString(grid.text(row, col).view());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::BackgroundRole: {
        const auto colour = grid.backColour(row, col);
        if (colour == kDefaultColour) return {};
        // The even groups' grey is too faint on today's screens: they show a clearer tint.
        if (colour == kCaseGroupShade) return QColor(214, 230, 250);
        // Colours are kept as the platform's BGR numbers (blue in the high byte).
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
    default: return {};
    }
}

QVariant SheetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const Grid& grid = sheet_.grdVo;
    const int line = section + kFixed;
    const bool across = orientation == Qt::Horizontal;
    if (line >= (across ? grid.cols() : grid.rows())) return {};
    switch (role) {
    case NumberRole: return across ? ToQString(grid.text(0, line).view()) : ToQString(grid.text(line, 0).view());
    case Qt::DisplayRole:
    case NameRole: return across ? ToQString(grid.text(1, line).view()) : ToQString(grid.text(line, 1).view());
    case NameAlignmentRole:
        return QVariant::fromValue(across ? ToQt(grid.nameAlignment(line)) : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default: return {};
    }
}

void SheetTableModel::modelChanged(const ModelChange& change) {
    if (change.sheet != sheet_.number()) return;
    const Grid& grid = sheet_.grdVo;
    switch (change.kind) {
    case ChangeKind::Cell: {
        const auto at = index(change.row - kFixed, change.column - kFixed);
        emit dataChanged(at, at, {Qt::DisplayRole});
        break;
    }
    case ChangeKind::Names:
        if (change.row < kFixed && change.column >= kFixed)
            emit headerDataChanged(Qt::Horizontal, change.column - kFixed, change.column - kFixed);
        else if (change.column < kFixed && change.row >= kFixed)
            emit headerDataChanged(Qt::Vertical, change.row - kFixed, change.row - kFixed);
        break;
    case ChangeKind::RowsInserted:
    case ChangeKind::RowsRemoved:
    case ChangeKind::ColumnsInserted:
    case ChangeKind::ColumnsRemoved:
    case ChangeKind::Reset:
        if (change.kind == ChangeKind::RowsInserted && grid.rows() - kFixed > rows_ && change.row - kFixed >= rows_) {
            beginInsertRows({}, rows_, grid.rows() - kFixed - 1);
            rows_ = grid.rows() - kFixed;
            endInsertRows();
        } else if (change.kind == ChangeKind::ColumnsInserted && grid.cols() - kFixed > cols_ &&
                   change.column - kFixed >= cols_) {
            beginInsertColumns({}, cols_, grid.cols() - kFixed - 1);
            cols_ = grid.cols() - kFixed;
            endInsertColumns();
        } else {
            beginResetModel();
            rows_ = grid.rows() - kFixed;
            cols_ = grid.cols() - kFixed;
            endResetModel();
        }
        emit layoutOfGridChanged();
        emit cursorChanged();
        break;
    case ChangeKind::Cursor: emit cursorChanged(); break;
    case ChangeKind::Layout:
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
        emit layoutOfGridChanged();
        break;
    default: break;
    }
}

}  // namespace zoriduvo
