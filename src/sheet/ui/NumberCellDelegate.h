#pragma once
#include <QStyledItemDelegate>

namespace zoriduvo {

// Draws the grid's cells; a number wider than its cell shows "###" instead of a cut number that
// would read as another one.
class NumberCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // The text the cell shows with this option's font and width.
    static QString ShownText(const QString& text, const QStyleOptionViewItem& option);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace zoriduvo
