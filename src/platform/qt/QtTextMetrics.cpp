#include "platform/qt/QtTextMetrics.h"
#include "platform/Twips.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>
#include <utility>

namespace zoriduvo {

QString DrawingFontFamily() {
    static const QString family = QFontDatabase::families().contains("IPAPGothic") ? QString("IPAPGothic")
                                                                                   : QFont().family();
    return family;
}

QFont DrawingFont(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QtTextMetrics::QtTextMetrics(int dotsPerInch, QString family)
    : dotsPerInch_(dotsPerInch), family_(std::move(family)), device_(1, 1, QImage::Format_ARGB32) {
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    device_.setDotsPerMeterX(dotsPerMetre);
    device_.setDotsPerMeterY(dotsPerMetre);
}

TextExtent QtTextMetrics::measure(std::string_view utf8, double points, bool bold) const {
    const QFontMetricsF metrics(DrawingFont(family_, points, bold), &device_);
    const double twipsPerDot = static_cast<double>(kTwipsPerInch) / dotsPerInch_;
    const auto twips = [twipsPerDot](double dots) { return static_cast<int>(std::lround(dots * twipsPerDot)); };
    const QString text = ToQString(utf8);
    return {twips(metrics.horizontalAdvance(text)), twips(metrics.ascent()), twips(metrics.descent())};
}

}  // namespace zoriduvo
