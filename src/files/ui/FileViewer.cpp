#include "files/ui/FileViewer.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "files/imports/ImportMessages.h"
#include "files/imports/TextImport.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "text/PathText.h"

namespace zoriduvo {

QFont FixedPitchFont() {
    QFont font("IPAGothic");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QDialog* ShowFileViewer(App& app, const std::string& path, QWidget* parent) {
    std::string text;
    if (auto problem = ReadImportText(path, text)) {
        app.ui.show(ImportProblemMessage(*problem));
        return nullptr;
    }
    auto* viewer = new QDialog(parent);
    viewer->setObjectName("frmFileView");
    viewer->setWindowTitle(ToQString(FileNameOf(path)));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    auto* content = new QPlainTextEdit(viewer);
    content->setObjectName("txtContent");
    content->setReadOnly(true);
    content->setLineWrapMode(QPlainTextEdit::NoWrap);
    content->setFont(FixedPitchFont());
    content->setPlainText(ToQString(text));
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(content);
    viewer->resize(640, 480);
    viewer->show();
    return viewer;
}

}  // namespace zoriduvo
