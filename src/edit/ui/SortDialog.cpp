#include "edit/ui/SortDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "edit/Sorting.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

SortDialog::SortDialog(App& app, int sheetNumber, QWidget* parent)
    : QDialog(parent), app_(app), sheetNumber_(sheetNumber) {
    setObjectName("frmGSort");
    setWindowTitle("Form1");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    cmbSort_ = new QComboBox(this);
    cmbSort_->setObjectName("cmbSort");
    auto* keyLabel = new QLabel("キー変数", this);
    keyLabel->setBuddy(cmbSort_);

    ascending_ = Option("optSort0", "昇順にソート", this);
    descending_ = Option("optSort1", "降順にソート", this);

    frameSort_ = new QGroupBox("ケースグループ", this);
    frameSort_->setObjectName("frameSort");
    allCases_ = Option("optCGroup0", "全ケースのソート", frameSort_);
    withinGroups_ = Option("optCGroup1", "グループ毎にソート", frameSort_);
    auto* groupLayout = new QVBoxLayout(frameSort_);
    groupLayout->addWidget(allCases_);
    groupLayout->addWidget(withinGroups_);

    auto* execute = new QPushButton("実行", this);
    execute->setObjectName("cmdDoSort");
    auto* cancelButton = new QPushButton("ｷｬﾝｾﾙ", this);
    cancelButton->setObjectName("cmdCancel");
    connect(execute, &QPushButton::clicked, this, &SortDialog::sort);
    connect(cancelButton, &QPushButton::clicked, this, &SortDialog::cancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(keyLabel, 0, 0);
    layout->addWidget(cmbSort_, 0, 1);
    layout->addWidget(ascending_, 1, 0, 1, 2);
    layout->addWidget(descending_, 2, 0, 1, 2);
    layout->addWidget(frameSort_, 3, 0, 1, 2);
    auto* buttons = ButtonRow({execute, cancelButton});
    layout->addLayout(buttons, 4, 0, 1, 2);
    execute->setDefault(true);

    ascending_->setChecked(true);
    allCases_->setChecked(true);
}

bool SortDialog::sheetOpen() const {
    return sheetNumber_ >= 1 && sheetNumber_ <= app_.upperBound() && !app_.sheet(sheetNumber_).state().free;
}

void SortDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fill();
    CentreOnScreen(*this);
}

void SortDialog::fill() {
    if (!sheetOpen()) return;
    const SortDialogStart start = OpenSortDialog(app_.sheet(sheetNumber_));
    selection_ = start.selection;
    cmbSort_->clear();
    for (const std::string& name : start.names) cmbSort_->addItem(ToQString(name));
    cmbSort_->setCurrentIndex(start.names.empty() ? -1 : start.chosen);
    frameSort_->setVisible(start.grouped);
}

void SortDialog::sort() {
    if (sheetOpen() && cmbSort_->currentIndex() >= 0) {
        Sheet& sheet = app_.sheet(sheetNumber_);
        selection_.restore(sheet.grdVo);
        const bool withinGroups = !frameSort_->isHidden() && withinGroups_->isChecked();
        SortCases(app_, sheet, cmbSort_->currentIndex() + 1, descending_->isChecked(), withinGroups);
    }
    close();
}

void SortDialog::cancel() {
    if (sheetOpen()) selection_.restore(app_.sheet(sheetNumber_).grdVo);
    close();
}

}  // namespace zoriduvo
