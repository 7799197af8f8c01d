#include "files/ui/ImportDetailDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/imports/ImportCommand.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {

// One option array: buttons named name0, name1, ... in a titled box, the default one chosen.
template <std::size_t N>
QGroupBox* Options(const char* title, const char* name, const char* const (&captions)[N], int chosen,
                   QRadioButton* (&buttons)[N], QWidget* parent) {
    auto* box = new QGroupBox(ToQString(title), parent);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(ToQString(captions[i]), box);
        buttons[i]->setObjectName(QString("%1%2").arg(name).arg(i));
        group->addButton(buttons[i]);
        row->addWidget(buttons[i]);
    }
    buttons[chosen]->setChecked(true);
    return box;
}

NameSource SourceOf(QRadioButton* const (&options)[3]) {
    if (options[0]->isChecked()) return NameSource::File;
    return options[1]->isChecked() ? NameSource::None : NameSource::Generated;
}

constexpr const char* kPresent[] = {"あり", "なし"};
constexpr const char* kNames[] = {"あり", "なし", "なし (自動発生)"};

}  // namespace

ImportDetailDialog::ImportDetailDialog(App& app, std::string path, QWidget* parent)
    : QDialog(parent), app_(app), path_(std::move(path)) {
    setObjectName("frmImport2");
    setWindowTitle("ファイル形式の設定(Import)");
    setModal(true);
    txtRecord_ = Field("txtRecord", this);
    txtRecord_->setText("0");
    txtCaseN_ = Field("txtCaseN", this);
    txtVarN_ = Field("txtVarN", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* command1 = Button("Command1", "戻る", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &ImportDetailDialog::execute);
    connect(command1, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel closes the import dialog too: it is done with as an accepted one is.
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        if (auto* owner = qobject_cast<QDialog*>(parentWidget())) owner->reject();
        reject();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label("lblRecord", this, "読み飛ばすレコード数"), 0, 0);
    layout->addWidget(txtRecord_, 0, 1);
    layout->addWidget(Options("ケースグループ", "optCGroup", kPresent, 1, optCGroup_, this), 1, 0, 1, 2);
    layout->addWidget(Options("ケース数、変量数", "optCaseN", kPresent, 1, optCaseN_, this), 2, 0, 1, 2);
    layout->addWidget(Label("lblCaseN", this, "ケース数"), 3, 0);
    layout->addWidget(txtCaseN_, 3, 1);
    layout->addWidget(Label("lblVarN", this, "変量数"), 4, 0);
    layout->addWidget(txtVarN_, 4, 1);
    layout->addWidget(Options("変数名", "optVName", kNames, 2, optVName_, this), 5, 0, 1, 2);
    layout->addWidget(Options("変数の型", "optVType", kPresent, 1, optVType_, this), 6, 0, 1, 2);
    layout->addWidget(Options("ケース名", "optCName", kNames, 2, optCName_, this), 7, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec, command1, cmdCancel});
    layout->addLayout(buttons, 8, 0, 1, 2);
}

void ImportDetailDialog::execute() {
    DescribedFields fields;
    fields.skip = ToUtf8(txtRecord_->text());
    fields.groups = optCGroup_[0]->isChecked();
    fields.countsInFile = optCaseN_[0]->isChecked();
    fields.cases = ToUtf8(txtCaseN_->text());
    fields.variables = ToUtf8(txtVarN_->text());
    fields.names = SourceOf(optVName_);
    fields.types = optVType_[0]->isChecked();
    fields.caseNames = SourceOf(optCName_);
    if (RunDescribedImport(app_, path_, fields).outcome == ImportResult::Imported) accept();
}

}  // namespace zoriduvo
