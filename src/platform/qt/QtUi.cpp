#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}
}  // namespace

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) continue;
        // Qt reads the patterns from the parentheses; give them when the description has none.
        filters << (parts[i].contains(u'(') ? parts[i] : parts[i] + " (" + parts[i + 1] + ")");
    }
    return filters;
}

// A message belongs to the dialog that raised it: closing it gives the focus back to that dialog,
// not to the frame.
QWidget* QtUi::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_.data();
}

Answer QtUi::message(const std::string& text, const std::string& title, MessageIcon icon, MessageButtons buttons) {
    // Texts written for the platform break lines with CR and LF together; Qt would show two breaks.
    QString shown = ToQString(text);
    shown.replace("\r\n", "\n").replace("\n\r", "\n").replace(u'\r', u'\n');
    const QString caption = ToQString(title.empty() ? std::string(kProgramTitle) : title);
    QMessageBox box(ToQt(icon), caption, shown, ToQt(buttons), owner());
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

void QtUi::beep() { QApplication::beep(); }

void QtUi::setBusy(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

std::optional<std::string> QtUi::runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner(), ToQString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!folder_.isEmpty()) dialog.setDirectory(folder_);
    if (!request.initialName.empty()) dialog.selectFile(ToQString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    folder_ = QFileInfo(chosen).absolutePath();
    return ToUtf8(chosen);
}

std::optional<std::string> QtUi::openFileName(const FileDialogRequest& request) { return runFileDialog(request, false); }
std::optional<std::string> QtUi::saveFileName(const FileDialogRequest& request) { return runFileDialog(request, true); }

}  // namespace zoriduvo
