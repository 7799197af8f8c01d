#include "edit/ui/InsertDeleteDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SelectOnFocus.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

InsertDeleteDialog::InsertDeleteDialog(App& app, Sheet& sheet, Operation operation, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), operation_(operation) {
    const bool insert = operation == Operation::Insert;
    setObjectName(insert ? "frmInsert" : "frmDelete");
    setWindowTitle(insert ? "挿入" : "削除");
    setModal(true);
    optRow_ = Option("optRow", insert ? "行の挿入" : "行の削除", this);
    QRadioButton* optCol = Option("optCol", insert ? "列の挿入" : "列の削除", this);
    optRow_->setChecked(true);
    count_ = Field(insert ? "txtInsert" : "txtDelete", this);
    count_->setText("1");
    SelectOnFocus::Install(count_);
    lblInsert_ = Label("lblInsert", this, "行");
    connect(optRow_, &QRadioButton::toggled, this,
            [this](bool rows) { lblInsert_->setText(ToQString(rows ? "行" : "列")); });
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &InsertDeleteDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(optRow_, 0, 0);
    layout->addWidget(optCol, 1, 0);
    layout->addWidget(count_, 0, 1);
    layout->addWidget(lblInsert_, 0, 2);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 2, 0, 1, 3);
}

void InsertDeleteDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void InsertDeleteDialog::execute() {
    const LineKind kind = optRow_->isChecked() ? LineKind::Rows : LineKind::Columns;
    const int count = CountOfText(ToUtf8(count_->text()));
    const bool done = operation_ == Operation::Insert ? InsertAtCursor(app_, sheet_, kind, count)
                                                      : DeleteAtCursor(app_, sheet_, kind, count);
    if (done) accept();
}

}  // namespace zoriduvo
