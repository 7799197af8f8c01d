#pragma once
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "platform/DisplayList.h"
#include "platform/qt/QtTextMetrics.h"

#include <map>
#include <tuple>

class QPainter;

namespace zoriduvo {

// Paints display lists on any QPainter (a widget, a QImage, a QPrinter): one renderer for the
// screen, images, the clipboard and paper. The painter's own state is left as it was.
class DisplayListPainter {
public:
    // Twip (0, 0) lands on origin; one twip is devicePerTwip device units.
    DisplayListPainter(QPainter& painter, double devicePerTwip, QPointF origin = {},
                       QString family = DrawingFontFamily());
    // A whole area of this size fitted into target at its top-left corner, keeping its proportions.
    DisplayListPainter(QPainter& painter, TwipSize area, const QRectF& target, QString family = DrawingFontFamily());

    void paint(const DisplayList& list) const;

private:
    QPointF map(TwipPoint point) const;
    void draw(const DrawLine& line) const;
    void draw(const DrawBox& box) const;
    void draw(const DrawCircle& circle) const;
    void draw(const DrawText& text) const;
    const QImage& stampOf(const DrawCircle& circle, double radius, QPoint quarters) const;

    QPainter& painter_;
    double scale_;
    QPointF origin_;
    QString family_;
    // On a pixel device, a circle of each kind is drawn once for each quarter-pixel offset and
    // copied to every point that has it: a scatter plot of the biggest sheet has 32767 of them.
    bool stamping_;
    mutable std::map<std::tuple<double, bool, std::uint32_t, int, int>, QImage> stamps_;
};

}  // namespace zoriduvo
