#include "sheet/ui/NumberCellDelegate.h"

#include <QApplication>
#include <QStyle>

namespace zoriduvo {

QString NumberCellDelegate::ShownText(const QString& text, const QStyleOptionViewItem& option) {
    if (option.rect.isEmpty()) return text;
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const int room = option.rect.width() - 2 * margin;
    if (option.fontMetrics.horizontalAdvance(text) <= room) return text;
    return QStringLiteral("###");
}

void NumberCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = ShownText(option->text, *option);
}

}  // namespace zoriduvo
