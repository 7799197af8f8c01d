#include "files/ui/ExportDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/exports/ExportCommand.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

ExportDialog::ExportDialog(App& app, Sheet& sheet, QWidget* parent) : QDialog(parent), app_(app), sheet_(sheet) {
    setObjectName("frmExport");
    setWindowTitle(ToQString(TextOf(ExportText::Title)));
    setModal(true);

    auto* forms = new QVBoxLayout;
    for (const ExportForm& form : ExportForms()) {
        if (form.control.empty()) continue;  // version 3 is Save's
        auto* option = new QRadioButton(ToQString(form.caption), this);
        option->setObjectName(ToQString(form.control));
        option->setChecked(form.name == "mirv");
        options_.emplace_back(option, &form);
        forms->addWidget(option);
        connect(option, &QRadioButton::toggled, this, &ExportDialog::showNote);
    }
    lblNote_ = new QLabel(this);
    lblNote_->setObjectName("lblNote");
    lblNote_->setWordWrap(true);
    forms->addWidget(lblNote_);
    showNote();
    txtFileName_ = Field("txtFileName", this);
    QPushButton* cmdRef = Button("cmdRef", "参照", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cndCancel = Button("cndCancel", "ｷｬﾝｾﾙ", this);
    connect(cmdRef, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(cmdExec, &QPushButton::clicked, this, &ExportDialog::execute);
    connect(cndCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addLayout(forms, 0, 0, 1, 3);
    layout->addWidget(new QLabel(ToQString("ﾌｧｲﾙ名"), this), 1, 0);
    layout->addWidget(txtFileName_, 1, 1);
    layout->addWidget(cmdRef, 1, 2);
    auto* buttons = ButtonRow({cmdExec, cndCancel});
    layout->addLayout(buttons, 2, 0, 1, 3);
    CentreOnScreen(*this);
}

const ExportForm& ExportDialog::chosen() const {
    for (const auto& [option, form] : options_)
        if (option->isChecked()) return *form;
    return *options_.front().second;
}

void ExportDialog::showNote() {
    const std::string note = ExportNote(chosen(), sheet_);
    lblNote_->setText(ToQString(note));
    lblNote_->setVisible(!note.empty());
}

void ExportDialog::browse() {
    if (const auto path = app_.ui.saveFileName(ExportBrowseRequest(chosen()))) txtFileName_->setText(ToQString(*path));
}

void ExportDialog::execute() {
    const ExportOutcome outcome = ExportCommand(app_, sheet_, chosen(), ToUtf8(txtFileName_->text()));
    if (outcome != ExportOutcome::NoPath && outcome != ExportOutcome::PathRefused) accept();
}

}  // namespace zoriduvo
