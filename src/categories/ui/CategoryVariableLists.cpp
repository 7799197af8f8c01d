#include "categories/ui/CategoryVariableLists.h"

#include <QGridLayout>
#include <QListWidget>

#include "categories/CategoryCombination.h"
#include "categories/CategoryMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "platform/qt/DialogWidgets.h"
#include "sheet/CaseRange.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

CategoryVariableLists::CategoryVariableLists(const char* chosenName, int limit, QWidget* parent)
    : QWidget(parent), limit_(limit) {
    lstVar_ = new QListWidget(this);
    lstVar_->setObjectName("lstVar");
    lstVar_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    chosen_ = new QListWidget(this);
    chosen_->setObjectName(chosenName);
    QPushButton* cmdSelect = Button("cmdSelect", ">>", this);
    cmdReturn_ = Button("cmdReturn", "戻す", this);
    lblNow_ = Label("lblNow1", this);
    connect(cmdSelect, &QPushButton::clicked, this, &CategoryVariableLists::choose);
    connect(cmdReturn_, &QPushButton::clicked, this, [this] {
        refill();
        emit chosenChanged();
    });
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lstVar_, 0, 0, 3, 1);
    layout->addWidget(cmdSelect, 0, 1);
    layout->addWidget(cmdReturn_, 1, 1);
    layout->addWidget(chosen_, 0, 2, 3, 1);
    layout->addWidget(Label("lblNow0", this, "範囲指定 :"), 3, 0);
    layout->addWidget(lblNow_, 3, 1, 1, 2);
}

void CategoryVariableLists::load(App& app, Sheet& sheet, const CaseRange& cases) {
    app_ = &app;
    LoadVariableList(app, sheet);
    available_.clear();
    for (const int v : CategoricalVariables(sheet)) available_.emplace_back(v, ToQString(sheet.grdVo.text(1, v + 1).view()));
    refill();
    // A row selection limits the tool as a stored range does: both show the cases acted on.
    const bool limited = cases.source != CaseRangeSource::AllCases || sheet.state().rangeSelection;
    lblNow_->setText(ToQString(RangeStateText(limited, cases.first, cases.last)));
}

std::vector<int> CategoryVariableLists::chosen() const {
    std::vector<int> variables;
    for (int i = 0; i < chosen_->count(); ++i) variables.push_back(chosen_->item(i)->data(Qt::UserRole).toInt());
    return variables;
}

void CategoryVariableLists::refill() {
    lstVar_->clear();
    chosen_->clear();
    for (const auto& [v, name] : available_) {
        auto* item = new QListWidgetItem(name, lstVar_);
        item->setData(Qt::UserRole, v);
    }
}

void CategoryVariableLists::choose() {
    if (chosen_->count() + static_cast<int>(lstVar_->selectedItems().size()) > limit_) {
        if (app_) app_->ui.show(MessageOf(CategoryMessage::TwoVariablesOnly));
        return;
    }
    for (int i = 0; i < lstVar_->count();) {
        if (!lstVar_->item(i)->isSelected()) {
            ++i;
            continue;
        }
        chosen_->addItem(lstVar_->takeItem(i));
    }
    emit chosenChanged();
}

}  // namespace zoriduvo
