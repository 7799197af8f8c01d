#include "app/ui/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
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

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent), find_(new QLineEdit(this)), notFound_(new QLabel(this)), browser_(new QTextBrowser(this)) {
    setObjectName("helpViewer");
    setWindowTitle("ヘルプ");
    setModal(false);
    resize(720, 640);
    browser_->setOpenExternalLinks(true);
    find_->setObjectName("txtFind");
    find_->setPlaceholderText("検索 (Ctrl+F)");
    find_->setClearButtonEnabled(true);
    notFound_->setObjectName("lblNotFound");
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 6, 6, 0);
    bar->addWidget(find_, 1);
    bar->addWidget(notFound_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    connect(find_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(find_, &QLineEdit::textEdited, this, [this] { notFound_->clear(); });
    auto* focusFind = new QShortcut(QKeySequence::Find, this);
    connect(focusFind, &QShortcut::activated, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    auto* next = new QShortcut(QKeySequence::FindNext, this);
    connect(next, &QShortcut::activated, this, [this] { findNext(); });
    auto* previous = new QShortcut(QKeySequence::FindPrevious, this);
    connect(previous, &QShortcut::activated, this, [this] { findNext(true); });
}

bool HelpViewer::findNext(bool backward) {
    const QString text = find_->text();
    notFound_->clear();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) return true;
    // Once more from the other end of the guide.
    QTextCursor cursor = browser_->textCursor();
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(cursor);
    if (browser_->find(text, flags)) return true;
    notFound_->setText("見つかりません");
    return false;
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
        Message message = MessageOf(missing ? AppMessage::HelpFileMissing : AppMessage::HelpFileUnopenable);
        message.text += ToUtf8(missing ? HelpFileCandidates(programDir).join('\n') : path);
        ui.show(message);
        return;
    }
    auto* viewer = frame.findChild<HelpViewer*>("helpViewer", Qt::FindDirectChildrenOnly);
    if (!viewer) viewer = new HelpViewer(&frame);
    viewer->showAt(path, anchor);
}

}  // namespace zoriduvo
