#pragma once
#include <QFont>
#include <QImage>
#include <QString>

#include "platform/TextMetrics.h"

namespace zoriduvo {

// The face of drawn and printed text: the grid's narrow Japanese face when the machine has it.
QString DrawingFontFamily();
// Sized in points as the device that shows it counts them (its logical resolution).
QFont DrawingFont(const QString& family, double pointSize, bool bold);

// Text measured as a device of the given resolution shows it, so that pages laid out with these
// measures fit when DisplayListPainter draws them there.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(int dotsPerInch, QString family = DrawingFontFamily());
    TextExtent measure(std::string_view utf8, double points, bool bold) const override;

private:
    int dotsPerInch_;
    QString family_;
    QImage device_;  // only its resolution is used
};

}  // namespace zoriduvo
