#include "variables/ui/FileLabelDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "platform/Clock.h"
#include "platform/FileDates.h"
#include "platform/qt/DialogWidgets.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "variables/FileLabel.h"

namespace zoriduvo {

FileLabelDialog::FileLabelDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet) {
    setObjectName("frmFLabel");
    setWindowTitle(ToQString(kFileLabelTitle));
    setModal(true);
    QLineEdit* txtFLabelOld = Field("txtFLabelOld", this);
    txtFLabelOld->setReadOnly(true);
    txtFLabelOld->setText(ToQString(sheet.information().fileLabel));
    txtFLabelNew_ = Field("txtFLabelNew", this);
    QPushButton* cmdDate = Button("cmdDate", "Date", this);
    QPushButton* cmdTime = Button("cmdTime", "Time", this);
    QPushButton* cmdFName = Button("cmdFName", "ﾌｧｲﾙ名", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    // The writer's date "mm-dd-yyyy hh:nn:ss" holds both texts the buttons insert.
    connect(cmdDate, &QPushButton::clicked, this, [this] { insert(WriterDate(app_.clock.now()).substr(0, 10)); });
    connect(cmdTime, &QPushButton::clicked, this, [this] { insert(WriterDate(app_.clock.now()).substr(11)); });
    connect(cmdFName, &QPushButton::clicked, this, [this] { insert(sheet_.caption()); });
    connect(cmdExec, &QPushButton::clicked, this, &FileLabelDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(txtFLabelOld, 0, 0, 1, 3);
    layout->addWidget(txtFLabelNew_, 1, 0, 1, 3);
    layout->addWidget(cmdDate, 2, 0);
    layout->addWidget(cmdTime, 2, 1);
    layout->addWidget(cmdFName, 2, 2);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 3, 0, 1, 3);
}

void FileLabelDialog::insert(const std::string& text) {
    // The field counts in UTF-16 units, the rule in bytes of UTF-8.
    QLineEdit* field = txtFLabelNew_;
    const QString current = field->text();
    const int start = field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
    const int length = field->hasSelectedText() ? static_cast<int>(field->selectedText().size()) : 0;
    const std::size_t left = ToUtf8(current.left(start)).size();
    const FieldEdit edit = InsertAtSelection(ToUtf8(current), left, ToUtf8(current.mid(start, length)).size(), text);
    txtFLabelNew_->setText(ToQString(edit.text));
    txtFLabelNew_->setCursorPosition(ToQString(edit.text.substr(0, edit.caret)).size());
    txtFLabelNew_->setFocus();
}

void FileLabelDialog::execute() {
    if (SetFileLabel(app_, sheet_, ToUtf8(txtFLabelNew_->text()))) accept();
}

}  // namespace zoriduvo
