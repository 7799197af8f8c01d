#include "files/ui/ImportDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/imports/ImportCommand.h"
#include "files/imports/ImportMessages.h"
#include "files/ui/FileViewer.h"
#include "files/ui/FixedWidthDialog.h"
#include "files/ui/ImportDetailDialog.h"
#include "platform/Ui.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
constexpr const char* kFilter =
    "Mirv/B ﾌｧｲﾙ(*.hdr)|*.hdr|ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt|CSV ﾌｧｲﾙ(*.csv)|*.csv|ﾃﾞｰﾀ ﾌｧｲﾙ(*.dat)|*.dat|"
    "すべてのﾌｧｲﾙ(*.*)|*.*|";
}  // namespace

ImportDialog::ImportDialog(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("frmImport1");
    setWindowTitle("Import");
    setModal(true);
    txtFileName_ = Field("txtFileName", this);
    for (int i = 0; i < 2; ++i) {
        txtData_[i] = new QLineEdit(this);
        txtData_[i]->setObjectName(QString("txtData%1").arg(i));
    }
    optDataOnly_ = Option("optDataOnly", "データのみ", this);
    optIndexData_ = Option("optIndexData", "ケース数、変量数付きデータ", this);
    optMirv_ = Option("optMirv", "Mirv/B データ", this);
    // No layout is chosen when the dialog opens; Run then asks for one.
    auto* layouts = new QButtonGroup(this);
    for (QRadioButton* option : {optDataOnly_, optIndexData_, optMirv_}) layouts->addButton(option);
    QPushButton* cmdRef = Button("cmdRef", "参照", this);
    QPushButton* cmdOther = Button("cmdOther", "その他（詳細設定）", this);
    QPushButton* cmdFixData = Button("cmdFixData", "固定長データの設定", this);
    QPushButton* cmdLook = Button("cmdLook", "ﾌｧｲﾙの中身を見る", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cndCancel = Button("cndCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdRef, &QPushButton::clicked, this, &ImportDialog::browse);
    connect(cmdOther, &QPushButton::clicked, this, &ImportDialog::openDetails);
    connect(cmdFixData, &QPushButton::clicked, this, &ImportDialog::openFixedWidth);
    connect(cmdLook, &QPushButton::clicked, this, &ImportDialog::look);
    connect(cmdExec, &QPushButton::clicked, this, &ImportDialog::execute);
    connect(cndCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label("lblFileName", this, "ﾌｧｲﾙ名"), 0, 0);
    layout->addWidget(txtFileName_, 0, 1, 1, 3);
    layout->addWidget(cmdRef, 0, 4);
    layout->addWidget(optDataOnly_, 1, 0);
    layout->addWidget(Label("lblCases", this, "ケース数"), 1, 1);
    layout->addWidget(txtData_[0], 1, 2);
    layout->addWidget(Label("lblVariables", this, "変量数"), 1, 3);
    layout->addWidget(txtData_[1], 1, 4);
    layout->addWidget(optIndexData_, 2, 0, 1, 2);
    layout->addWidget(optMirv_, 3, 0, 1, 2);
    layout->addWidget(cmdOther, 4, 0, 1, 2);
    layout->addWidget(cmdFixData, 4, 2, 1, 2);
    layout->addWidget(cmdLook, 5, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec, cndCancel});
    layout->addLayout(buttons, 6, 0, 1, 5);
}

void ImportDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

std::string ImportDialog::path() const { return ToUtf8(txtFileName_->text()); }

void ImportDialog::browse() {
    FileDialogRequest request;
    request.title = kImportTitle;
    request.filter = kFilter;
    // The header's filter for a Mirv/B pair, the text files' for every other layout.
    request.filterIndex = optMirv_->isChecked() ? 1 : 2;
    if (const auto chosen = app_.ui.openFileName(request)) txtFileName_->setText(ToQString(*chosen));
}

void ImportDialog::execute() {
    ImportLayout layout = ImportLayout::None;
    if (optDataOnly_->isChecked()) layout = ImportLayout::ValuesOnly;
    else if (optIndexData_->isChecked()) layout = ImportLayout::WithCounts;
    else if (optMirv_->isChecked()) layout = ImportLayout::Mirv;
    const ImportResult result =
        RunImport(app_, path(), layout, ToUtf8(txtData_[0]->text()), ToUtf8(txtData_[1]->text()));
    if (result.outcome != ImportResult::Imported) return;
    // Yes asks for the label generation, which the frame opens on the new sheet once this closes.
    labelsWanted_ = layout != ImportLayout::Mirv &&
                    app_.ui.show(MessageOf(ImportMessage::LabelQuestion), MessageButtons::YesNo) == Answer::Yes;
    accept();
}

void ImportDialog::openDetails() {
    if (!CheckImportPath(app_, path())) return;
    ImportDetailDialog details(app_, path(), this);
    if (details.exec() == QDialog::Accepted) accept();
}

void ImportDialog::openFixedWidth() {
    if (!CheckImportPath(app_, path())) return;
    if (RunFixedWidthDialog(app_, path(), this)) accept();
}

void ImportDialog::look() {
    if (CheckImportPath(app_, path())) ShowFileViewer(app_, path(), this);
}

}  // namespace zoriduvo
