#include "platform/qt/QtPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <utility>

#include "platform/Twips.h"
#include "platform/qt/DisplayListPainter.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer, QString family) : printer_(printer), family_(std::move(family)) {}

QtPrinter::QtPrinter(const QString& pdfPath, QString family)
    : ownedPrinter_(PdfPrinter(pdfPath)), printer_(*ownedPrinter_), family_(std::move(family)) {}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

QtTextMetrics QtPrinter::metrics() const { return QtTextMetrics(printer_.resolution(), family_); }

PrintStart QtPrinter::begin(const std::string& title) {
    printer_.setDocName(ToQString(title));
    painter_ = std::make_unique<QPainter>();
    onFirstPage_ = true;
    if (!painter_->begin(&printer_)) return {failure(), {}};
    return {PrintOutcome::Ok, geometry()};
}

PageGeometry QtPrinter::geometry() const {
    const QRectF paper = printer_.paperRect(QPrinter::Point);
    const QRectF printable = printer_.pageRect(QPrinter::Point);
    return {{PointsToTwips(paper.width()), PointsToTwips(paper.height())},
            {PointsToTwips(printable.left() - paper.left()), PointsToTwips(printable.top() - paper.top()), PointsToTwips(printable.width()),
             PointsToTwips(printable.height())}};
}

PrintOutcome QtPrinter::printPage(const DisplayList& page) {
    if (!painter_ || !painter_->isActive()) return PrintOutcome::Failed;
    if (!onFirstPage_ && !printer_.newPage()) return failure();
    onFirstPage_ = false;
    // The painter's origin is the printable area's corner, as the page's is.
    DisplayListPainter(*painter_, DotsPerTwip(printer_.resolution()), {}, family_).paint(page);
    return outcome();
}

PrintOutcome QtPrinter::end() {
    if (!painter_ || !painter_->isActive()) return PrintOutcome::Failed;
    return painter_->end() ? outcome() : failure();
}

PrintOutcome QtPrinter::outcome() const {
    const auto now = printer_.printerState();
    return now == QPrinter::Aborted || now == QPrinter::Error ? failure() : PrintOutcome::Ok;
}

PrintOutcome QtPrinter::failure() const {
    return printer_.printerState() == QPrinter::Aborted ? PrintOutcome::Cancelled : PrintOutcome::Failed;
}

}  // namespace zoriduvo
