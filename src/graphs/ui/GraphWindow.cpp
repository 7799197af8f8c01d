#include "graphs/ui/GraphWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/print/PrintCommand.h"
#include "files/print/PrintMessages.h"
#include "graphs/GraphFiles.h"
#include "graphs/SvgWriter.h"
#include "platform/Ui.h"
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
    const double perTwip = dpi / 1440.0;
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
    const double perTwip = (logicalDpiX() > 0 ? logicalDpiX() : 96) / 1440.0;
    const auto twips = [perTwip](int pixels) { return static_cast<int>(pixels / perTwip); };
    const int left = std::min(from.x(), to.x()), top = std::min(from.y(), to.y());
    const TwipRect rect{twips(left), twips(top), twips(std::abs(to.x() - from.x())), twips(std::abs(to.y() - from.y()))};
    view_.flags = SelectPoints(view_.kind, view_.points, frame_.toData(rect), mark);
    redraw();
}

void GraphWindow::save() {
    FileDialogRequest request;
    request.title = "ファイルの保存";
    request.filter = std::string(kPictureFilter);
    request.defaultExtension = "bmp";
    request.askBeforeOverwrite = true;
    const auto path = app_.ui.saveFileName(request);
    if (!path) return;
    std::string bytes;
    if (PictureFormOf(*path) == PictureForm::Svg) {
        const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
        const double perTwip = dpi / 1440.0;
        const TwipSize size{static_cast<int>(width() / perTwip), static_cast<int>(height() / perTwip)};
        const QtTextMetrics metrics(dpi);
        bytes = SvgOf(DrawGraph(graph_, view_, size, metrics).list, metrics, ToUtf8(DrawingFontFamily()));
    } else {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image_.save(&buffer, PictureFormOf(*path) == PictureForm::Png ? "PNG" : "BMP");
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    }
    if (auto problem = SaveFileSafely(*path, bytes)) ShowFileProblem(app_.ui, *problem);
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

void GraphWindow::print() {
    // Without a printer the page goes to a PDF, as the sheet's printing offers.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (app_.ui.show(PrintMessageOf(PrintMessage::NoPrinter), MessageButtons::YesNo) == Answer::Yes) savePdf();
        return;
    }
    QPrinter printer;
    if (!paintPage(printer)) app_.ui.show(PrintMessageOf(PrintMessage::Failed));
}

void GraphWindow::savePdf() {
    const auto path = app_.ui.saveFileName(PdfFileRequest(graph_.caption.empty() ? "グラフ" : graph_.caption));
    if (!path) return;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QString());
    if (!paintPage(writer)) {
        app_.ui.show(PrintMessageOf(PrintMessage::Failed));
        return;
    }
    buffer.close();
    if (auto problem = SaveFileSafely(*path, std::string_view(data.constData(), static_cast<std::size_t>(data.size()))))
        ShowFileProblem(app_.ui, *problem);
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
