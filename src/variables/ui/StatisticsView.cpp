#include "variables/ui/StatisticsView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "variables/StatisticsViewTexts.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

StatisticsView::StatisticsView(Sheet& sheet, QWidget* parent) : QDialog(parent), sheet_(sheet) {
    setObjectName("frmStat");
    setWindowTitle("基礎統計量");
    setModal(false);

    lblBStat_ = new QLabel(this);
    lblBStat_->setObjectName("lblBStat");
    lblBStat_->setAlignment(Qt::AlignCenter);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblBStat_, 0, 0, 1, 2);
    for (int i = 0; i < kStatisticCount; ++i) {
        layout->addWidget(new QLabel(ToQString(kStatisticsViewCaptions[i]), this), i + 1, 0);
        lblUniStat_[i] = new QLabel(this);
        lblUniStat_[i]->setObjectName(QString("lblUniStat%1").arg(i));
        lblUniStat_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblUniStat_[i]->setMinimumWidth(fontMetrics().horizontalAdvance("-0.000000000000"));
        layout->addWidget(lblUniStat_[i], i + 1, 1);
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, kStatisticCount + 1, 0, 1, 2, Qt::AlignCenter);
}

bool StatisticsView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) refresh();
    return QDialog::event(event);
}

void StatisticsView::showVariable(int variable) {
    variable_ = variable;
    refresh();
}

void StatisticsView::refresh() {
    const StatisticsViewTexts texts = StatisticsViewFor(sheet_, variable_);
    lblBStat_->setText(ToQString(texts.heading));
    for (int i = 0; i < kStatisticCount; ++i) lblUniStat_[i]->setText(ToQString(texts.values[i]));
}

void StatisticsView::closeEvent(QCloseEvent* event) {
    for (QLabel* value : lblUniStat_) value->clear();
    emit closed();
    QDialog::closeEvent(event);
}

}  // namespace zoriduvo
