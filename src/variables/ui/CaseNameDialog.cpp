#include "variables/ui/CaseNameDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QTableWidget>

#include "platform/Twips.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/ModelessDialog.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

CaseNameDialog::CaseNameDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), editor_(app, sheet), openRow_(sheet.grdVo.row()), openColumn_(sheet.grdVo.col()),
      openRowSel_(sheet.grdVo.rowSel()), openColumnSel_(sheet.grdVo.colSel()) {
    setObjectName("frmCName");
    setWindowTitle(ToQString(kCaseNameTitle) + " - " + ToQString(sheet.caption()));
    txtCNumber_ = Field("txtCNumber", this);
    txtCName_ = Field("txtCName", this);
    for (QLineEdit* box : {txtCNumber_, txtCName_}) box->installEventFilter(this);
    cmdBefore_ = Button("cmdBefore", "前のｹｰｽへ", this);
    QPushButton* cmdNext = Button("cmdNext", "次のｹｰｽへ", this);
    QPushButton* cmdReturn = Button("cmdReturn", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    grdCname_ = new QTableWidget(2, sheet.variableCount() + 1, this);
    grdCname_->setObjectName("grdCname");
    grdCname_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCname_->horizontalHeader()->hide();
    grdCname_->verticalHeader()->hide();
    grdCname_->setColumnWidth(0, 0);
    grdCname_->setItem(0, 0, new QTableWidgetItem(ToQString(kCaseNameTitle)));
    for (int v = 1; v <= sheet.variableCount(); ++v) {
        grdCname_->setColumnWidth(v, TwipsToPixels(1200, grdCname_->logicalDpiX()));
        grdCname_->setItem(0, v, new QTableWidgetItem(ToQString(sheet.grdVo.text(1, v + 1).view())));
    }
    const auto move = [this](bool moved) {
        if (moved) showCase();
    };
    connect(cmdNext, &QPushButton::clicked, this,
            [this, move] { move(editor_.next(ToUtf8(txtCName_->text()))); });
    connect(cmdBefore_, &QPushButton::clicked, this,
            [this, move] { move(editor_.previous(ToUtf8(txtCName_->text()))); });
    connect(cmdReturn, &QPushButton::clicked, this, &CaseNameDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &CaseNameDialog::cancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label("lblCNumber", this, "ｹｰｽ番号"), 0, 0);
    layout->addWidget(txtCNumber_, 0, 1);
    layout->addWidget(Label("lblCName", this, "ｹｰｽ名"), 1, 0);
    layout->addWidget(txtCName_, 1, 1);
    layout->addWidget(grdCname_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdBefore_, cmdNext, cmdReturn, cmdCancel}) buttons->addWidget(button);
    layout->addLayout(buttons, 3, 0, 1, 2);
    showCase();
    app_.bus.subscribe(this);
}

CaseNameDialog::~CaseNameDialog() { app_.bus.unsubscribe(this); }

CaseNameDialog* CaseNameDialog::Open(App& app, Sheet& sheet, QWidget* parent) {
    QPointer<CaseNameDialog>& open = ModelessInstance<CaseNameDialog>();
    if (open && &open->sheet_ != &sheet) {
        open->cancel();
        delete open.data();
    }
    return ShowModeless([&] { return new CaseNameDialog(app, sheet, parent); }, [](CaseNameDialog&) {});
}

// The dialog names the cases of one sheet; it goes when that sheet closes.
void CaseNameDialog::modelChanged(const ModelChange& change) {
    if (change.kind == ChangeKind::SheetClosed && change.sheet == sheet_.number()) close();
}

void CaseNameDialog::showCase() {
    const int c = editor_.caseNumber();
    txtCNumber_->setText(QString::number(c));
    txtCName_->setText(ToQString(editor_.name()));
    cmdBefore_->setEnabled(editor_.canGoBack());
    for (int v = 1; v <= sheet_.variableCount() && v < grdCname_->columnCount(); ++v)
        grdCname_->setItem(1, v, new QTableWidgetItem(ToQString(sheet_.grdVo.text(c + 1, v + 1).view())));
    txtCName_->setFocus();
    txtCName_->selectAll();
}

// Enter in the number field commits the number; Up and Down in either field move as the buttons.
bool CaseNameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const std::string name = ToUtf8(txtCName_->text());
    if (watched == txtCNumber_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (editor_.jump(ToUtf8(txtCNumber_->text()), name)) showCase();
        else txtCNumber_->setText(QString::number(editor_.caseNumber()));
        return true;
    }
    if (key == Qt::Key_Up && editor_.canGoBack()) {
        if (editor_.previous(name)) showCase();
        return true;
    }
    if (key == Qt::Key_Down && !editor_.atLastRow()) {
        if (editor_.next(name)) showCase();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CaseNameDialog::execute() {
    if (!editor_.store(ToUtf8(txtCName_->text()))) return;
    editor_.finish();
    accept();
}

void CaseNameDialog::cancel() {
    sheet_.grdVo.setCurrent(openRow_, openColumn_);
    sheet_.grdVo.setSelectionEnd(openRowSel_, openColumnSel_);
    editor_.finish();
    reject();
}

}  // namespace zoriduvo
