#include "files/ui/FixedWidthDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/imports/FixedWidth.h"
#include "files/imports/ImportMessages.h"
#include "files/imports/TextImport.h"
#include "files/ui/FileViewer.h"
#include "platform/Ui.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
QLineEdit* Indexed(const char* name, int i, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString("%1%2").arg(name).arg(i));
    return field;
}
}  // namespace

FixedWidthDialog::FixedWidthDialog(App& app, std::string path, const std::string& text, QWidget* parent)
    : QDialog(parent), app_(app), path_(std::move(path)) {
    setObjectName("frmSetFData");
    setWindowTitle("固定長データ読み込みの設定");
    setModal(true);
    txtShow_ = new QPlainTextEdit(this);
    txtShow_->setObjectName("txtShow");
    txtShow_->setReadOnly(true);
    txtShow_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtShow_->setFont(FixedPitchFont());
    QStringList preview;
    for (const std::string& line : FixedPreview(text)) preview << ToQString(line);
    txtShow_->setPlainText(preview.join('\n'));
    txtVName_ = Field("txtVName", this);
    lstVar_ = new QListWidget(this);
    lstVar_->setObjectName("lstVar");
    QPushButton* cmdDef = Button("cmdDef", ">>", this);
    cmdRep_ = Button("cmdRep", "<<", this);
    cmdErase_ = Button("cmdErase", "削除", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    const char* const modes[] = {"自動発生", "なし", "読み込み"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        optCName_[i] = new QRadioButton(ToQString(modes[i]), this);
        optCName_[i]->setObjectName(QString("optCName%1").arg(i));
        group->addButton(optCName_[i]);
    }
    optCName_[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        txtVar_[i] = Indexed("txtVar", i, this);
        txtCName_[i] = Indexed("txtCName", i, this);
    }
    cmdRep_->setEnabled(false);
    cmdErase_->setEnabled(false);
    connect(cmdDef, &QPushButton::clicked, this, &FixedWidthDialog::define);
    connect(cmdRep_, &QPushButton::clicked, this, &FixedWidthDialog::takeBack);
    connect(cmdErase_, &QPushButton::clicked, this, &FixedWidthDialog::erase);
    connect(cmdExec, &QPushButton::clicked, this, &FixedWidthDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstVar_, &QListWidget::itemSelectionChanged, this, [this] {
        const bool selected = lstVar_->currentRow() >= 0 && !lstVar_->selectedItems().isEmpty();
        cmdRep_->setEnabled(selected);
        cmdErase_->setEnabled(selected);
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label("lblFname", this, ("ﾌｧｲﾙ名 : " + path_).c_str()), 0, 0, 1, 6);
    layout->addWidget(Label("lblShow", this, "ファイルの内容"), 1, 0, 1, 6);
    layout->addWidget(txtShow_, 2, 0, 1, 6);
    layout->addWidget(Label("lblVName", this, "変数名"), 3, 0);
    layout->addWidget(txtVName_, 3, 1);
    layout->addWidget(Label("lblVar", this, "カラム"), 4, 0);
    layout->addWidget(txtVar_[0], 4, 1);
    layout->addWidget(Label("lblVarTo", this, "－"), 4, 2);
    layout->addWidget(txtVar_[1], 4, 3);
    layout->addWidget(cmdDef, 3, 4);
    layout->addWidget(cmdRep_, 4, 4);
    layout->addWidget(lstVar_, 3, 5, 3, 1);
    layout->addWidget(cmdErase_, 6, 5);
    auto* names = new QHBoxLayout;
    names->addWidget(Label("lblCName", this, "ケース名"));
    for (QRadioButton* option : optCName_) names->addWidget(option);
    names->addWidget(Label("lblCNameColumns", this, "カラム"));
    names->addWidget(txtCName_[0]);
    names->addWidget(Label("lblCNameTo", this, "－"));
    names->addWidget(txtCName_[1]);
    layout->addLayout(names, 7, 0, 1, 6);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 8, 0, 1, 6);
    resize(720, 480);
}

bool FixedWidthDialog::mend(const ColumnCheck& check, QLineEdit* first, QLineEdit* last) {
    if (check.kind == ColumnCheck::MendFirst) first->setFocus();
    if (check.kind == ColumnCheck::MendLast) {
        last->setText(first->text());
        last->setFocus();
    }
    return check.kind == ColumnCheck::Ok;
}

void FixedWidthDialog::define() {
    const auto adding = list_.add(ToUtf8(txtVName_->text()), ToUtf8(txtVar_[0]->text()), ToUtf8(txtVar_[1]->text()));
    if (adding.refusal) {
        app_.ui.show(MessageOf(*adding.refusal));
        return;
    }
    if (!mend(adding.columns, txtVar_[0], txtVar_[1])) return;
    for (QLineEdit* field : {txtVName_, txtVar_[0], txtVar_[1]}) field->clear();
    showList();
}

void FixedWidthDialog::takeBack() {
    const FixedDefinition taken = list_.takeBack(lstVar_->currentRow());
    txtVName_->setText(ToQString(taken.name));
    txtVar_[0]->setText(QString::number(taken.first));
    txtVar_[1]->setText(QString::number(taken.last));
    showList();
}

void FixedWidthDialog::erase() {
    list_.erase(lstVar_->currentRow());
    showList();
}

void FixedWidthDialog::showList() {
    lstVar_->clear();
    for (const FixedDefinition& d : list_.definitions()) lstVar_->addItem(ToQString(FixedEntryText(d)));
    cmdRep_->setEnabled(false);
    cmdErase_->setEnabled(false);
}

void FixedWidthDialog::execute() {
    if (list_.empty()) return;
    FixedLayout layout;
    layout.variables = list_.definitions();
    if (optCName_[1]->isChecked()) layout.caseNames = FixedCaseNames::None;
    if (optCName_[2]->isChecked()) {
        const ColumnCheck check = CheckColumns(ToUtf8(txtCName_[0]->text()), ToUtf8(txtCName_[1]->text()));
        if (!mend(check, txtCName_[0], txtCName_[1])) return;
        layout.caseNames = FixedCaseNames::Read;
        layout.nameFirst = check.first;
        layout.nameLast = check.last;
    }
    if (ImportFixedWidth(app_, path_, layout).outcome == ImportResult::Imported) accept();
}

bool RunFixedWidthDialog(App& app, const std::string& path, QWidget* parent) {
    std::string text;
    if (auto problem = ReadImportText(path, text)) {
        app.ui.show(ImportProblemMessage(*problem, kFixedWidthTitle));
        return false;
    }
    FixedWidthDialog dialog(app, path, text, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zoriduvo
