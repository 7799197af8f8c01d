#pragma once
#include <QAbstractScrollArea>
#include <QDialog>
#include <QImage>
#include <deque>
#include <utility>

#include "files/print/PrintLayout.h"
#include "platform/Printer.h"

class QLabel;

namespace zoriduvo {

class App;
class Sheet;

// The pages one under another, each drawn from the layout only when it comes into view and kept
// for a few screens: a sheet of thousands of pages shows its first at once and holds little.
class PrintPagesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    PrintPagesView(const Sheet& sheet, const TextMetrics& metrics, PageGeometry page, QWidget* parent = nullptr);

    int pageCount() const { return layout_.pageCount(); }
    // The page at the top of the view, 0 for the first.
    int currentPage() const;
    void showPage(int index);
    // How many times a page was drawn from the layout, and which pages are kept drawn.
    int pagesDrawn() const { return drawn_; }
    std::vector<int> pagesKept() const;

signals:
    void currentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int stride() const;  // pixels from one page's top to the next
    QSize paperPixels() const;
    const QImage& imageOf(int index);
    void updateScrollBars();

    PrintLayout layout_;
    PageGeometry page_;
    double pixelsPerTwip_ = 0;
    std::deque<std::pair<int, QImage>> kept_;  // the latest drawn first
    int drawn_ = 0;
};

// frmPrintPreview: the pages, where they stand, and printing or saving them from there.
class PrintPreview : public QDialog {
    Q_OBJECT
public:
    PrintPreview(App& app, Sheet& sheet, QWidget* parent = nullptr);
    PrintPagesView* pages() const { return pages_; }

private:
    PrintPagesView* pages_ = nullptr;
    QLabel* lblPage_ = nullptr;
};

}  // namespace zoriduvo
