#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTreeView>
#include <algorithm>

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

namespace {

// Qt's file list writes dates and sizes in the system's language; these follow the program's
// default locale instead.
class LocaleFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == kSizeColumn && !files->isDir(source)) return QLocale().formattedDataSize(files->size(source));
        if (index.column() == kDateColumn) return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int kSizeColumn = 1;
    static constexpr int kDateColumn = 3;
};

// The desktop's own dialog is used where its platform offers one (Qt asks it by default); Qt's
// dialog, used otherwise, is widened and shows its columns as wide as what they hold.
void FitColumns(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    auto* view = dialog.findChild<QTreeView*>();
    if (!view) return;
    dialog.setProxyModel(new LocaleFileColumns(&dialog));
    dialog.resize(std::max(dialog.width(), 860), std::max(dialog.height(), 520));
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

}  // namespace

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
    FitColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    folder_ = QFileInfo(chosen).absolutePath();
    return ToUtf8(chosen);
}

std::optional<std::string> QtUi::openFileName(const FileDialogRequest& request) { return runFileDialog(request, false); }
std::optional<std::string> QtUi::saveFileName(const FileDialogRequest& request) { return runFileDialog(request, true); }

std::optional<int> QtUi::chooseItem(const std::string& title, const std::string& text,
                                    const std::vector<std::string>& items) {
    QStringList choices;
    for (const std::string& item : items) choices << ToQString(item);
    bool chosen = false;
    const QString item = QInputDialog::getItem(owner(), ToQString(title), ToQString(text), choices, 0, false, &chosen);
    if (!chosen) return std::nullopt;
    return static_cast<int>(choices.indexOf(item));
}

}  // namespace zoriduvo
