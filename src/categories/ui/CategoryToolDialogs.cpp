#include "categories/ui/CategoryToolDialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTimer>

#include "categories/CategoryCombination.h"
#include "categories/CategoryMessages.h"
#include "categories/VariableBinding.h"
#include "categories/ui/CategoryVariableLists.h"
#include "platform/Ui.h"
#include "platform/qt/DialogWidgets.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
QHBoxLayout* ExecCancel(QDialog* dialog, QPushButton*& exec) {
    exec = Button("cmdExec", "実行", dialog);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", dialog);
    QObject::connect(cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = ButtonRow({exec, cmdCancel});
    return buttons;
}
}  // namespace

CategoryCombinationDialog::CategoryCombinationDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), cases_(ReadCaseRange(sheet)) {
    setObjectName("frmCatComp");
    setWindowTitle(ToQString(kCategoryCombinationTitle));
    setModal(true);
    lists_ = new CategoryVariableLists("lstChange", 1 << 30, this);
    lists_->load(app, sheet, cases_);
    for (int i = 0; i < 2; ++i) {
        txtCom_[i] = Field(i == 0 ? "txtCom0" : "txtCom1", this);
        txtCom_[i]->installEventFilter(this);
    }
    connect(txtCom_[0], &QLineEdit::textEdited, txtCom_[1], &QLineEdit::setText);
    QPushButton* cmdExec = nullptr;
    QHBoxLayout* buttons = ExecCancel(this, cmdExec);
    connect(cmdExec, &QPushButton::clicked, this, &CategoryCombinationDialog::execute);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lists_, 0, 0, 1, 3);
    layout->addWidget(Label("lblCom", this, "結合カテゴリ"), 1, 0);
    layout->addWidget(txtCom_[0], 1, 1);
    layout->addWidget(txtCom_[1], 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 3);
}

// A code field selects its whole text when it gets the focus, so that typing replaces it.
bool CategoryCombinationDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void CategoryCombinationDialog::execute() {
    const std::string low = ToUtf8(txtCom_[0]->text()), high = ToUtf8(txtCom_[1]->text());
    if (low.empty() || high.empty()) return;
    const auto codes = ReadCodeRange(low, high);
    if (!codes) {
        app_.ui.show(MessageOf(CategoryMessage::CodesWanted));
        return;
    }
    if (const auto refusal = CombineCategories(sheet_, *codes, lists_->chosen(), cases_)) {
        app_.ui.show(MessageOf(*refusal));
        return;
    }
    accept();
}

VariableBindingDialog::VariableBindingDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), cases_(ReadCaseRange(sheet)) {
    setObjectName("frmVBind");
    setWindowTitle(ToQString(kVariableBindingTitle));
    setModal(true);
    lists_ = new CategoryVariableLists("lstBList", 2, this);
    lists_->load(app, sheet, cases_);
    txtBName_ = Field("txtBName", this);
    connect(lists_, &CategoryVariableLists::chosenChanged, this, [this] {
        QListWidget* chosen = lists_->chosenList();
        if (chosen->count() == 2 && txtBName_->text().isEmpty())
            txtBName_->setText(ToQString(
                ProposedBindingName(ToUtf8(chosen->item(0)->text()), ToUtf8(chosen->item(1)->text()))));
    });
    QPushButton* cmdExec = nullptr;
    QHBoxLayout* buttons = ExecCancel(this, cmdExec);
    connect(cmdExec, &QPushButton::clicked, this, &VariableBindingDialog::execute);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label("lblBList", this, "結合する変数(２つ)"), 0, 2);
    layout->addWidget(lists_, 1, 0, 1, 3);
    layout->addWidget(Label("lblBName", this, "新規変数名"), 2, 0);
    layout->addWidget(txtBName_, 2, 1, 1, 2);
    layout->addLayout(buttons, 3, 0, 1, 3);
}

void VariableBindingDialog::execute() {
    const std::vector<int> chosen = lists_->chosen();
    if (txtBName_->text().isEmpty() || chosen.size() != 2) return;
    if (BindVariables(app_, sheet_, chosen[0], chosen[1], ToUtf8(txtBName_->text()), cases_)) accept();
}

}  // namespace zoriduvo
