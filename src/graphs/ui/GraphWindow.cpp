#include "graphs/ui/GraphWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>

#include "graphs/GraphFiles.h"
#include "graphs/SvgWriter.h"
#include "platform/Twips.h"
#include "platform/qt/DisplayListPainter.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtTextMetrics.h"
#include "sheet/App.h"

namespace zoriduvo {

GraphWindow::GraphWindow(App& app, int slot, Graph graph, QWidget* parent)
    : QWidget(parent), app_(app), slot_(slot), graph_(std::move(graph)) {
    setObjectName("frmGraph");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(ToQString(graph_.caption.empty() ? std::string("グラフ") : graph_.caption));
    view_ = ReadGraphView(graph_);
}

void GraphWindow::activate() {
    view_ = ReadGraphView(graph_);
    ready_ = true;
    redraw();
}

void GraphWindow::redraw() {
    if (!ready_ || width() <= 0 || height() <= 0) return;
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const double perTwip = DotsPerTwip(dpi);
    const TwipSize size{static_cast<int>(width() / perTwip), static_cast<int>(height() / perTwip)};
    const PlotPicture picture = DrawGraph(graph_, view_, size, QtTextMetrics(static_cast<int>(dpi)));
    frame_ = picture.frame;
    image_ = QImage(QWidget::size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    DisplayListPainter(painter, perTwip).paint(picture.list);
    update();
}

void GraphWindow::toggleCaseNames() { menu_.toggleCaseNames(); }
void GraphWindow::toggleValues() { menu_.toggleValues(); }

void GraphWindow::toggleAllNames() {
    menu_.toggleAllNames(view_.flags);
    redraw();
}

void GraphWindow::select(QPoint from, QPoint to) {
    if (from == to || view_.kind == PlotKind::Box) return;
    const PointLabel mark = menu_.dragMark();
    if (mark == PointLabel::None) return;
    menu_.dragged();
    const double perTwip = DotsPerTwip(logicalDpiX() > 0 ? logicalDpiX() : 96);
    const auto twips = [perTwip](int pixels) { return static_cast<int>(pixels / perTwip); };
    const int left = std::min(from.x(), to.x()), top = std::min(from.y(), to.y());
    const TwipRect rect{twips(left), twips(top), twips(std::abs(to.x() - from.x())), twips(std::abs(to.y() - from.y()))};
    view_.flags = SelectPoints(view_.kind, view_.points, frame_.toData(rect), mark);
    redraw();
}

std::string GraphWindow::caption() const { return graph_.caption.empty() ? "グラフ" : graph_.caption; }

std::string GraphWindow::pictureFile(PictureForm form) const {
    if (form == PictureForm::Svg) {
        const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
        const double perTwip = DotsPerTwip(dpi);
        const TwipSize size{static_cast<int>(width() / perTwip), static_cast<int>(height() / perTwip)};
        const QtTextMetrics metrics(dpi);
        return SvgOf(DrawGraph(graph_, view_, size, metrics).list, metrics, ToUtf8(DrawingFontFamily()));
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, form == PictureForm::Png ? "PNG" : "BMP");
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

// The image at its own size, its corner a twentieth of the larger page side in; false when the
// device would not start.
bool GraphWindow::paintPage(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const int resolution = device.logicalDpiX();
    const QRect page = device.pageLayout().paintRectPixels(resolution);
    const int offset = std::max(page.width(), page.height()) / 20;
    const double scale = static_cast<double>(resolution) / (logicalDpiX() > 0 ? logicalDpiX() : 96);
    painter.drawImage(QRectF(offset, offset, image_.width() * scale, image_.height() * scale), image_);
    return painter.end();
}

void GraphWindow::copy() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(image_);
}

void GraphWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, image_);
    if (dragging_) {
        painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
        painter.drawRect(selection_);
    }
}

void GraphWindow::resizeEvent(QResizeEvent*) {
    if (!isMinimized() && height() > 0) redraw();
}

void GraphWindow::mousePressEvent(QMouseEvent* event) {
    if (view_.kind == PlotKind::Box || event->button() != Qt::LeftButton) return;
    anchor_ = event->position().toPoint();
    selection_ = QRect(anchor_, QSize(1, 1));
    dragging_ = true;
    update();
}

void GraphWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    selection_ = QRect(anchor_, event->position().toPoint()).normalized();
    update();
}

void GraphWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return;
    dragging_ = false;
    select(anchor_, event->position().toPoint());
    update();
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (onClosed) onClosed(slot_);
    event->accept();
}

}  // namespace zoriduvo
