#include "files/ui/PrintPreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "files/ui/PrintCommands.h"
#include "platform/qt/DisplayListPainter.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtText.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
constexpr int kGap = 16;  // pixels around and between the pages
constexpr int kKept = 8;  // pages kept drawn: a few screens of scrolling back and forth

QString PageText(int index, int count) { return QString("ページ %1 / %2").arg(index + 1).arg(count); }
}  // namespace

PrintPagesView::PrintPagesView(const Sheet& sheet, const TextMetrics& metrics, PageGeometry page, QWidget* parent)
    : QAbstractScrollArea(parent), layout_(sheet, metrics, {page.printable.width, page.printable.height}), page_(page) {
    setObjectName("pagesView");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
}

QSize PrintPagesView::paperPixels() const {
    return {std::max(1, static_cast<int>(page_.paper.width * pixelsPerTwip_)),
            std::max(1, static_cast<int>(page_.paper.height * pixelsPerTwip_))};
}

int PrintPagesView::stride() const { return paperPixels().height() + kGap; }

int PrintPagesView::currentPage() const {
    return std::clamp(verticalScrollBar()->value() / stride(), 0, std::max(pageCount() - 1, 0));
}

void PrintPagesView::showPage(int index) { verticalScrollBar()->setValue(index * stride()); }

std::vector<int> PrintPagesView::pagesKept() const {
    std::vector<int> pages;
    for (const auto& [index, image] : kept_) pages.push_back(index);
    return pages;
}

const QImage& PrintPagesView::imageOf(int index) {
    const auto found =
        std::find_if(kept_.begin(), kept_.end(), [index](const auto& kept) { return kept.first == index; });
    if (found != kept_.end()) {
        std::rotate(kept_.begin(), found, found + 1);
        return kept_.front().second;
    }
    QImage image(paperPixels(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const QPointF corner(page_.printable.left * pixelsPerTwip_, page_.printable.top * pixelsPerTwip_);
        DisplayListPainter(painter, pixelsPerTwip_, corner).paint(layout_.page(index));
    }
    ++drawn_;
    kept_.emplace_front(index, std::move(image));
    if (static_cast<int>(kept_.size()) > kKept) kept_.pop_back();
    return kept_.front().second;
}

void PrintPagesView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Mid));
    if (pixelsPerTwip_ <= 0) return;
    const int top = verticalScrollBar()->value();
    const int height = viewport()->height();
    const int left = std::max(kGap, (viewport()->width() - paperPixels().width()) / 2);
    for (int index = std::max(0, (top - kGap) / stride()); index < pageCount(); ++index) {
        const int y = kGap + index * stride() - top;
        if (y >= height) break;
        painter.drawImage(left, y, imageOf(index));
    }
}

void PrintPagesView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int page = currentPage();
    // The paper's width fills the view; drawn pages of another scale are of no use.
    const double fitted =
        std::max(viewport()->width() - 2 * kGap, 50) / static_cast<double>(std::max(page_.paper.width, 1));
    if (fitted != pixelsPerTwip_) {
        pixelsPerTwip_ = fitted;
        kept_.clear();
    }
    updateScrollBars();
    showPage(page);
}

void PrintPagesView::scrollContentsBy(int, int) {
    viewport()->update();
    emit currentPageChanged(currentPage());
}

void PrintPagesView::updateScrollBars() {
    QScrollBar* bar = verticalScrollBar();
    // Ints hold the whole height: the largest sheet prints some tens of thousands of pages.
    const long long total = static_cast<long long>(pageCount()) * stride() + kGap;
    bar->setRange(0, static_cast<int>(std::clamp<long long>(total - viewport()->height(), 0, INT_MAX)));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(std::max(stride() / 20, 1));
}

PrintPreview::PrintPreview(App& app, Sheet& sheet, QWidget* parent) : QDialog(parent) {
    setObjectName("frmPrintPreview");
    setWindowTitle("印刷プレビュー");
    QPrinter device(QPrinter::HighResolution);
    const QtPrinter printer(device);
    pages_ = new PrintPagesView(sheet, printer.metrics(), printer.geometry(), this);
    lblPage_ = new QLabel(PageText(0, pages_->pageCount()), this);
    lblPage_->setObjectName("lblPage");
    auto* cmdPrint = new QPushButton("印刷(&P)...", this);
    cmdPrint->setObjectName("cmdPrint");
    auto* cmdPdf = new QPushButton("PDF に保存", this);
    cmdPdf->setObjectName("cmdPdf");
    auto* cmdClose = new QPushButton("閉じる", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdPrint, &QPushButton::clicked, this, [this, &app, &sheet] { PrintCommand(app, sheet, this); });
    connect(cmdPdf, &QPushButton::clicked, this, [this, &app, &sheet] { SavePdfCommand(app, sheet, this); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(pages_, &PrintPagesView::currentPageChanged, this,
            [this](int index) { lblPage_->setText(PageText(index, pages_->pageCount())); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPdf);
    buttons->addStretch();
    buttons->addWidget(lblPage_);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_);
    resize(720, 900);
}

}  // namespace zoriduvo
