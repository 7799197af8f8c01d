#include "app/ui/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppMessages.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
constexpr const char* kHelpFileName = "Vuror32.odi";
}  // namespace

QStringList HelpFileCandidates(const QString& programDir) {
    const QDir dir(programDir);
    // The data directory is found from the program, so an unpacked or moved tree finds its own guide.
    return {dir.filePath(kHelpFileName),
            QDir::cleanPath(dir.filePath(QStringLiteral(ZORIDUVO_DATA_FROM_PROGRAM "/") + kHelpFileName))};
}

QString FindHelpFile(const QString& programDir) {
    for (const QString& candidate : HelpFileCandidates(programDir))
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("helpViewer");
    setWindowTitle("ヘルプ");
    setModal(false);
    resize(720, 640);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpViewer::showAt(const QString& path, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(anchor);
    browser_->setSource(url, QTextDocument::HtmlResource);
    browser_->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
}

void ShowHelp(Ui& ui, QWidget& frame, const QString& programDir, const QString& anchor) {
    const QString path = FindHelpFile(programDir);
    if (path.isEmpty() || !QFileInfo(path).isReadable()) {
        const bool missing = path.isEmpty();
        Message message = MessageOf(missing ? AppMessageCode::HelpFileMissing : AppMessageCode::HelpFileUnopenable);
        message.text += ToUtf8(missing ? HelpFileCandidates(programDir).join('\n') : path);
        ui.show(message);
        return;
    }
    auto* viewer = frame.findChild<HelpViewer*>("helpViewer", Qt::FindDirectChildrenOnly);
    if (!viewer) viewer = new HelpViewer(&frame);
    viewer->showAt(path, anchor);
}

}  // namespace zoriduvo
