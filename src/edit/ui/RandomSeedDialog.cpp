#include "edit/ui/RandomSeedDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "edit/MissingValues.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/SelectOnFocus.h"

namespace zoriduvo {

RandomSeedDialog::RandomSeedDialog(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("frmRand");
    setWindowTitle("乱数の初期化");
    setModal(true);
    txtRand_ = Field("txtRand", this);
    SelectOnFocus::Install(txtRand_);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, [this] {
        SeedRandom(app_, ToUtf8(txtRand_->text()));
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel("シード値", this));
    line->addWidget(txtRand_);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addLayout(buttons);
}

void RandomSeedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtRand_->setFocus();
    CentreOnScreen(*this);
}

}  // namespace zoriduvo
