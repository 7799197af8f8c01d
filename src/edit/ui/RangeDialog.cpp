#include "edit/ui/RangeDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "edit/RangeSelection.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {
QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(ToQString(text), parent); }
}  // namespace

RangeDialog::RangeDialog(App& app, Sheet& sheet, QWidget* parent) : QDialog(parent), app_(app), sheet_(sheet) {
    setObjectName("frmCRange");
    setWindowTitle("範囲指定");
    setModal(true);

    txtFrom_ = new QLineEdit(this);
    txtFrom_->setObjectName("txtFrom");
    txtTo_ = new QLineEdit(this);
    txtTo_->setObjectName("txtTo");
    for (QLineEdit* box : {txtFrom_, txtTo_}) box->installEventFilter(this);
    lblCRange_ = new QLabel(this);
    lblCRange_->setObjectName("lblCRange");
    lblNow_ = new QLabel(this);
    lblNow_->setObjectName("lblNow");
    cmdRemo_ = Button("cmdRemo", "現在の設定を解除", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &RangeDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdRemo_, &QPushButton::clicked, this, &RangeDialog::removeRange);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Caption("ケース数 :", this), 0, 0);
    layout->addWidget(lblCRange_, 0, 1);
    layout->addWidget(txtFrom_, 1, 0);
    layout->addWidget(Caption("から", this), 1, 1);
    layout->addWidget(txtTo_, 1, 2);
    layout->addWidget(Caption("まで", this), 1, 3);
    layout->addWidget(Caption("現在：範囲指定", this), 2, 0);
    layout->addWidget(lblNow_, 2, 1, 1, 2);
    layout->addWidget(cmdRemo_, 2, 3);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 3, 0, 1, 4);
    fill();
}

void RangeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fill();
    CentreOnScreen(*this);
}

void RangeDialog::fill() {
    const RangeSelection rules(sheet_);
    lblCRange_->setText(QString::number(rules.caseCount()));
    lblNow_->setText(ToQString(rules.stateText()));
    cmdRemo_->setVisible(rules.rangeSet());
    txtFrom_->setText(QString::number(rules.from()));
    txtTo_->setText(QString::number(rules.to()));
}

// A box selects its whole text when it gets the focus, so that typing replaces it.
bool RangeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void RangeDialog::execute() {
    RangeSelection rules(sheet_);
    const auto outcome = rules.execute(app_, sheet_, ToUtf8(txtFrom_->text()), ToUtf8(txtTo_->text()));
    if (outcome == RangeSelection::Outcome::Refused) {
        txtFrom_->setText(QString::number(rules.from()));
        txtTo_->setText(QString::number(rules.to()));
        return;
    }
    accept();
}

void RangeDialog::removeRange() {
    RangeSelection::Remove(sheet_);
    accept();
}

}  // namespace zoriduvo
