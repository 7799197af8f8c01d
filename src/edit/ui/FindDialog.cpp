#include "edit/ui/FindDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/SelectOnFocus.h"

namespace zoriduvo {

FindDialog::FindDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), options_(this) {
    setObjectName("frmFind");
    setWindowTitle("検索");
    setModal(true);
    txtFind_ = Field("txtFind", this);
    SelectOnFocus::Install(txtFind_);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &FindDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("検索数値", this), 0, 0);
    layout->addWidget(txtFind_, 0, 1);
    layout->addWidget(options_.frame, 1, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 2, 0, 1, 2);
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    start_ = CaptureSearchStart(sheet_);
    options_.setLine(start_.line);
    CentreOnScreen(*this);
}

void FindDialog::execute() {
    hide();
    FindValue(app_, sheet_, start_, options_.search(txtFind_->text()));
    accept();
}

}  // namespace zoriduvo
