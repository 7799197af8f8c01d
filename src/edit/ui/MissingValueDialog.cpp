#include "edit/ui/MissingValueDialog.h"

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

namespace {
struct Form {
    const char* name;
    const char* caption;
    const char* before;
    const char* after;
};
constexpr Form kForms[] = {
    {"frmMissFrom", "指定の値を空白へ", "", "を欠損値に変換"},
    {"frmMissTo", "空白を指定の値に", "空白を値", "に変換"},
    {"frmMissCode", "空白の出力コード", "空白を", "として出力"},
};
}  // namespace

MissingValueDialog::MissingValueDialog(App& app, Sheet& sheet, Kind kind, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), kind_(kind) {
    const Form& form = kForms[static_cast<int>(kind)];
    setObjectName(form.name);
    setWindowTitle(ToQString(form.caption));
    setModal(true);
    txtMiss_ = Field("txtMiss", this);
    SelectOnFocus::Install(txtMiss_);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    cmdExec->setDefault(true);
    connect(cmdExec, &QPushButton::clicked, this, &MissingValueDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* line = new QHBoxLayout;
    if (*form.before) line->addWidget(new QLabel(ToQString(form.before), this));
    line->addWidget(txtMiss_);
    line->addWidget(new QLabel(ToQString(form.after), this));
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addLayout(buttons);
}

void MissingValueDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void MissingValueDialog::execute() {
    const std::string text = ToUtf8(txtMiss_->text());
    if (kind_ == Kind::BlankCode) {
        if (SetBlankCode(app_, sheet_, text)) accept();
        return;
    }
    const auto conversion = kind_ == Kind::ToBlank ? MissingConversion::ValueToBlank : MissingConversion::BlankToValue;
    if (ConvertMissing(app_, sheet_, conversion, text, MissingTargetVariables(sheet_)))
        accept();
    else
        txtMiss_->clear();
}

}  // namespace zoriduvo
