#include "platform/qt/DisplayListPainter.h"
#include "platform/Twips.h"
#include "platform/qt/QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zoriduvo {

namespace {

// The side of a stamp in device-independent pixels: the circle and a margin for its antialiased edge.
int StampSide(double radius) { return static_cast<int>(std::ceil(2 * radius)) + 4; }

QColor Colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// Width 0 is Qt's cosmetic pen: one device pixel, the hairline on every device.
QPen Pen(Rgb rgb, double width) {
    QPen pen(Colour(rgb));
    pen.setWidthF(width);
    return pen;
}

double FittingScale(TwipSize area, const QRectF& target) {
    if (area.width <= 0 || area.height <= 0) return 0;
    return std::min(target.width() / area.width, target.height() / area.height);
}
}  // namespace

DisplayListPainter::DisplayListPainter(QPainter& painter, double devicePerTwip, QPointF origin, QString family)
    : painter_(painter), scale_(devicePerTwip), origin_(origin), family_(std::move(family)),
      stamping_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
                painter.transform().type() <= QTransform::TxTranslate) {}

DisplayListPainter::DisplayListPainter(QPainter& painter, TwipSize area, const QRectF& target, QString family)
    : DisplayListPainter(painter, FittingScale(area, target), target.topLeft(), std::move(family)) {}

void DisplayListPainter::paint(const DisplayList& list) const {
    painter_.save();
    for (const DrawItem& item : list.items) std::visit([this](const auto& shape) { draw(shape); }, item);
    painter_.restore();
}

QPointF DisplayListPainter::map(TwipPoint point) const { return origin_ + QPointF(point.x, point.y) * scale_; }

void DisplayListPainter::draw(const DrawLine& line) const {
    painter_.setPen(Pen(line.colour, line.penWidth * scale_));
    painter_.drawLine(map(line.from), map(line.to));
}

void DisplayListPainter::draw(const DrawBox& box) const {
    const QRectF rect(map({box.rect.left, box.rect.top}), QSizeF(box.rect.width, box.rect.height) * scale_);
    if (box.fill == Fill::Solid) {
        painter_.fillRect(rect, Colour(box.colour));
        return;
    }
    painter_.setPen(Pen(box.colour, 0));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect);
}

const QImage& DisplayListPainter::stampOf(const DrawCircle& circle, double radius, QPoint quarters) const {
    const std::uint32_t colour = circle.colour.red << 16 | circle.colour.green << 8 | circle.colour.blue;
    const auto key = std::make_tuple(radius, circle.fill == Fill::Solid, colour, quarters.x(), quarters.y());
    auto found = stamps_.find(key);
    if (found != stamps_.end()) return found->second;
    // As fine as the device's pixels, on a high-density screen too.
    const double ratio = painter_.device()->devicePixelRatioF();
    const int side = StampSide(radius);
    QImage stamp(static_cast<int>(std::ceil(side * ratio)), static_cast<int>(std::ceil(side * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    stamp.setDevicePixelRatio(ratio);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHints(painter_.renderHints());
    painter.setPen(Pen(circle.colour, 0));
    painter.setBrush(circle.fill == Fill::Solid ? QBrush(Colour(circle.colour)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QPointF(side / 2.0 + quarters.x() / 4.0, side / 2.0 + quarters.y() / 4.0), radius, radius);
    painter.end();
    return stamps_.emplace(key, std::move(stamp)).first->second;
}

void DisplayListPainter::draw(const DrawCircle& circle) const {
    const double radius = circle.radius * scale_;
    if (stamping_) {
        // The stamp's corner on a whole pixel, the circle within a quarter pixel of its place.
        const double half = StampSide(radius) / 2.0;
        const QPointF centre = map(circle.centre);
        const auto x = static_cast<long>(std::lround((centre.x() - half) * 4));
        const auto y = static_cast<long>(std::lround((centre.y() - half) * 4));
        const QPoint corner(static_cast<int>(x >> 2), static_cast<int>(y >> 2));
        painter_.drawImage(corner, stampOf(circle, radius, QPoint(static_cast<int>(x & 3), static_cast<int>(y & 3))));
        return;
    }
    painter_.setPen(Pen(circle.colour, 0));
    painter_.setBrush(circle.fill == Fill::Solid ? QBrush(Colour(circle.colour)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(map(circle.centre), radius, radius);
}

void DisplayListPainter::draw(const DrawText& text) const {
    // Points as the device counts them, so the text is as tall as its points in twips there.
    const double pointSize = text.style.points * kTwipsPerInch * scale_ / painter_.device()->logicalDpiY();
    if (pointSize <= 0) return;
    const QFont font = DrawingFont(family_, pointSize, text.style.bold);
    const QFontMetricsF metrics(font, painter_.device());
    const QString utf16 = ToQString(text.text);
    const TextOffset offset = BaselineOffset(text.style, metrics.horizontalAdvance(utf16), metrics.ascent(),
                                             metrics.descent());
    painter_.setFont(font);
    painter_.setPen(Pen(text.style.colour, 0));
    painter_.drawText(map(text.at) + QPointF(offset.dx, offset.dy), utf16);
}

}  // namespace zoriduvo
