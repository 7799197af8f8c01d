#pragma once
#include <QHeaderView>

namespace zoriduvo {

// A header that shows the two fixed rows (or columns) of the data grid in each section:
// number and name, one above the other across, side by side down.
class SheetHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit SheetHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    // Down: the width of the case-number part; across: the height of one of the two lines.
    void setFirstPartSize(int pixels);
    int firstPartSize() const { return firstPart_; }
    // Down: the width of the case-name part.
    void setSecondPartSize(int pixels);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sizeHint() const override;

private:
    int firstPart_ = 40;
    int secondPart_ = 80;
};

}  // namespace zoriduvo
