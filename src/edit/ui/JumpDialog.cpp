#include "edit/ui/JumpDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "edit/FindReplace.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/SelectOnFocus.h"

namespace zoriduvo {

JumpDialog::JumpDialog(Sheet& sheet, QWidget* parent) : QDialog(parent), sheet_(sheet) {
    setObjectName("frmJump");
    setWindowTitle("ジャンプ");
    setModal(true);
    toCell_ = Option("opt3DJumpC", "指定したセルへ", this);
    first_ = Option("opt3DJump0", "先頭のセルへ", this);
    QRadioButton* last = Option("opt3DJump1", "最後のセルへ", this);
    txtRow_ = Field("txtRow", this);
    txtCol_ = Field("txtCol", this);
    for (QLineEdit* box : {txtRow_, txtCol_}) SelectOnFocus::Install(box);
    connect(toCell_, &QRadioButton::toggled, this, [this](bool on) {
        txtRow_->setEnabled(on);
        txtCol_->setEnabled(on);
    });
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &JumpDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(toCell_, 0, 0, 1, 2);
    layout->addWidget(new QLabel("行番号", this), 1, 0);
    layout->addWidget(txtRow_, 1, 1);
    layout->addWidget(new QLabel("列番号", this), 2, 0);
    layout->addWidget(txtCol_, 2, 1);
    layout->addWidget(first_, 3, 0, 1, 2);
    layout->addWidget(last, 4, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 5, 0, 1, 2);
}

void JumpDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    toCell_->setChecked(true);
    CentreOnScreen(*this);
}

void JumpDialog::execute() {
    const JumpKind kind = toCell_->isChecked()  ? JumpKind::ToCell
                          : first_->isChecked() ? JumpKind::First
                                                : JumpKind::Last;
    const auto target = JumpTarget(sheet_, kind, ToUtf8(txtRow_->text()), ToUtf8(txtCol_->text()));
    if (!target) return;
    accept();
    JumpTo(sheet_, *target);
}

}  // namespace zoriduvo
