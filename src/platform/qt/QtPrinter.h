#pragma once
#include <QString>
#include <memory>

#include "platform/Printer.h"
#include "platform/qt/QtTextMetrics.h"

class QPainter;
class QPrinter;

namespace zoriduvo {

// A print job on a QPrinter: a real printer the caller has chosen and set up, or a PDF file.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QPrinter& printer, QString family = DrawingFontFamily());
    explicit QtPrinter(const QString& pdfPath, QString family = DrawingFontFamily());
    ~QtPrinter() override;

    PrintStart begin(const std::string& title) override;
    PrintOutcome printPage(const DisplayList& page) override;
    PrintOutcome end() override;

    // Measures for laying out pages for this printer.
    QtTextMetrics metrics() const;
    // The paper and its printable area as the printer is set up now, before or during a job.
    PageGeometry geometry() const;

private:
    // Ok until the device fails or the job is aborted.
    PrintOutcome outcome() const;
    // What a failed call means: a job the user or the system aborted is cancelled.
    PrintOutcome failure() const;

    std::unique_ptr<QPrinter> ownedPrinter_;
    QPrinter& printer_;
    QString family_;
    std::unique_ptr<QPainter> painter_;
    bool onFirstPage_ = true;
};

}  // namespace zoriduvo
