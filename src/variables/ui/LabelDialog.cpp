#include "variables/ui/LabelDialog.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "variables/Labels.h"

namespace zoriduvo {

LabelDialog::LabelDialog(Sheet& sheet, Mode mode, QWidget* parent) : QDialog(parent), sheet_(sheet), mode_(mode) {
    setObjectName(mode == Mode::Generate ? "frmLabelG" : "frmLabelE");
    setWindowTitle(ToQString(mode == Mode::Generate ? "ラベルの自動生成" : "ラベルの削除"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const char* captions[] = {"変数とケース両方", "変数だけ", "ケースだけ"};
    for (int i = 0; i < 3; ++i) {
        optLabel_[i] = new QRadioButton(ToQString(captions[i]), this);
        optLabel_[i]->setObjectName(QString("optLabel%1").arg(i));
        layout->addWidget(optLabel_[i]);
    }
    optLabel_[0]->setChecked(true);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    connect(cmdExec, &QPushButton::clicked, this, &LabelDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons);
}

void LabelDialog::execute() {
    LabelTarget target = LabelTarget::Both;
    if (optLabel_[1]->isChecked()) target = LabelTarget::Variables;
    if (optLabel_[2]->isChecked()) target = LabelTarget::Cases;
    if (mode_ == Mode::Generate) GenerateLabels(sheet_, target);
    else EraseLabels(sheet_, target);
    accept();
}

}  // namespace zoriduvo
