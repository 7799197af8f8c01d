#pragma once
#include <QAbstractTableModel>

#include "sheet/ModelChange.h"

namespace zoriduvo {

class App;
class Sheet;

// The data grid grdVo as a Qt model: the scrolling cells (rows and columns from 2 on) are the
// model's cells, the two fixed rows and columns its header data. It reads the core grid directly.
class SheetTableModel : public QAbstractTableModel, public ModelObserver {
    Q_OBJECT
public:
    static constexpr int kFixed = 2;
    // Header roles: the number (row 0 / column 0) and the name (row 1 / column 1) of a section.
    static constexpr int NumberRole = Qt::UserRole + 1;
    static constexpr int NameRole = Qt::UserRole + 2;
    static constexpr int NameAlignmentRole = Qt::UserRole + 3;

    SheetTableModel(App& app, Sheet& sheet, QObject* parent = nullptr);
    ~SheetTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void modelChanged(const ModelChange& change) override;

signals:
    void cursorChanged();
    void layoutOfGridChanged();

private:
    App& app_;
    Sheet& sheet_;
    int rows_, cols_;  // the counts the views know, changed only between begin and end
};

}  // namespace zoriduvo
