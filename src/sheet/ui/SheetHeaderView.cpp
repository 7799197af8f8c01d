#include "sheet/ui/SheetHeaderView.h"

#include <QPainter>

#include "sheet/ui/SheetTableModel.h"

namespace zoriduvo {

SheetHeaderView::SheetHeaderView(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
    setSectionsClickable(true);
    setHighlightSections(true);
    setSectionResizeMode(QHeaderView::Interactive);
}

void SheetHeaderView::setFirstPartSize(int pixels) {
    firstPart_ = pixels;
    updateGeometry();
    viewport()->update();
}

void SheetHeaderView::setSecondPartSize(int pixels) {
    secondPart_ = pixels;
    updateGeometry();
    viewport()->update();
}

QSize SheetHeaderView::sizeHint() const {
    QSize hint = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal) hint.setHeight(2 * firstPart_);
    else hint.setWidth(firstPart_ + secondPart_);
    return hint;
}

void SheetHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid() || !model()) return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    const QString number = model()->headerData(logicalIndex, orientation(), SheetTableModel::NumberRole).toString();
    const QString name = model()->headerData(logicalIndex, orientation(), SheetTableModel::NameRole).toString();
    const auto nameAlignment = model()->headerData(logicalIndex, orientation(), SheetTableModel::NameAlignmentRole)
                                   .value<Qt::Alignment>();
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    const int pad = 3;
    if (orientation() == Qt::Horizontal) {
        QRect top(rect.left() + pad, rect.top(), rect.width() - 2 * pad, rect.height() / 2);
        QRect bottom(rect.left() + pad, rect.top() + rect.height() / 2, rect.width() - 2 * pad, rect.height() - rect.height() / 2);
        painter->drawText(top, Qt::AlignCenter, number);
        painter->drawText(bottom, int(nameAlignment), name);
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.left(), top.bottom() + 1, rect.right(), top.bottom() + 1);
    } else {
        QRect left(rect.left() + pad, rect.top(), firstPart_ - 2 * pad, rect.height());
        QRect right(rect.left() + firstPart_ + pad, rect.top(), rect.width() - firstPart_ - 2 * pad, rect.height());
        painter->drawText(left, Qt::AlignRight | Qt::AlignVCenter, number);
        painter->drawText(right, int(nameAlignment), name);
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.left() + firstPart_, rect.top(), rect.left() + firstPart_, rect.bottom());
    }
    painter->restore();
}

}  // namespace zoriduvo
