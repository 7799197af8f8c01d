#include "edit/ui/ReplaceDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/DialogWidgets.h"
#include "platform/qt/SelectOnFocus.h"
#include "sheet/App.h"

namespace zoriduvo {

ReplaceDialog::ReplaceDialog(App& app, QWidget* parent) : QDialog(parent), app_(app), options_(this) {
    setObjectName("frmRepla");
    setWindowTitle("置換");
    setModal(false);
    value_ = Field("txtRep0", this);
    replacement_ = Field("txtRep1", this);
    for (QLineEdit* box : {value_, replacement_}) SelectOnFocus::Install(box);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdAll = Button("cmdAll", "一括置換", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    connect(cmdExec, &QPushButton::clicked, this, [this] { replace(false); });
    connect(cmdAll, &QPushButton::clicked, this, [this] { replace(true); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("検索数値", this), 0, 0);
    layout->addWidget(value_, 0, 1);
    layout->addWidget(new QLabel("置換数値", this), 1, 0);
    layout->addWidget(replacement_, 1, 1);
    layout->addWidget(options_.frame, 2, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec, cmdAll, cmdCancel});
    layout->addLayout(buttons, 3, 0, 1, 2);
}

bool ReplaceDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !running_) capture();
    return QDialog::event(event);
}

void ReplaceDialog::capture() {
    sheetNumber_ = app_.activeSheet();
    if (sheetNumber_ == 0) return;
    start_ = CaptureSearchStart(app_.sheet(sheetNumber_));
    options_.setLine(start_.line);
}

void ReplaceDialog::replace(bool all) {
    if (sheetNumber_ == 0 || app_.sheet(sheetNumber_).state().free) {
        close();
        return;
    }
    Sheet& sheet = app_.sheet(sheetNumber_);
    const Search search = options_.search(value_->text());
    const std::string replacement = ToUtf8(replacement_->text());
    running_ = true;
    if (all)
        ReplaceAll(app_, sheet, start_, search, replacement);
    else
        ReplaceOneByOne(app_, sheet, start_, search, replacement);
    running_ = false;
    close();
}

}  // namespace zoriduvo
