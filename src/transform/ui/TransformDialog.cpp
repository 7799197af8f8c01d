#include "transform/ui/TransformDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "transform/EditLine.h"
#include "transform/OperationCodes.h"
#include "transform/RunTransformation.h"
#include "transform/StatementForm.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {

QPushButton* TransformButton(const QString& name, const QString& text, QWidget* parent, bool takesFocus = true) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    PressedByEnterWhenFocused(button);
    // Buttons that edit the line leave the focus, and with it the selection, where it is.
    if (!takesFocus) button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QListWidget* List(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

// Character offsets of the edit line against byte offsets of its UTF-8 text.
std::size_t BytesBefore(const QString& text, int characters) {
    return ToUtf8(text.left(characters)).size();
}
int CharactersBefore(const std::string& text, std::size_t bytes) {
    return static_cast<int>(ToQString(std::string_view(text).substr(0, bytes)).size());
}

const char* const kOperatorTexts[] = {"\"", ">", "<", ")", "(", "=", "/", "*", "-", "+"};

}  // namespace

TransformDialog::TransformDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), list_(ReadTransformSetup(sheet)), history_(app) {
    setObjectName("frmTrans");
    setWindowTitle("変数変換");
    setModal(true);

    txtTForm_ = new QLineEdit(this);
    txtTForm_->setObjectName("txtTForm");
    txtTForm_->installEventFilter(this);
    lstTForm_ = List("lstTForm", this);
    lstFunc_ = List("lstFunc", this);
    for (std::string_view t : kFunctionTemplates) lstFunc_->addItem(ToQString(t));
    lstVar_ = List("lstVar", this);
    for (const std::string& name : list_.variableList()) lstVar_->addItem(ToQString(name));

    QPushButton* cmdTrans = TransformButton("cmdTrans", "追加", this);
    cmdRep_ = TransformButton("cmdRep", "変換式の修正", this);
    cmdRemo_ = TransformButton("cmdRemo", "ﾘｽﾄから削除", this);
    QPushButton* cmdDel = TransformButton("cmdDel", "DEL", this, false);
    QPushButton* cmdFunc = TransformButton("cmdFunc", "関数の挿入", this, false);
    QPushButton* cmdVar = TransformButton("cmdVar", "変数の挿入", this, false);
    cmdExec_ = TransformButton("cmdExec", "実行", this);
    QPushButton* cmdCancel = TransformButton("cmdCancel", "ｷｬﾝｾﾙ", this);
    connect(txtTForm_, &QLineEdit::returnPressed, this, &TransformDialog::addStatement);
    connect(cmdTrans, &QPushButton::clicked, this, &TransformDialog::addStatement);
    connect(cmdRep_, &QPushButton::clicked, this, &TransformDialog::correctStatement);
    connect(cmdRemo_, &QPushButton::clicked, this, &TransformDialog::removeStatement);
    connect(cmdDel, &QPushButton::clicked, this, &TransformDialog::deleteSelection);
    connect(cmdFunc, &QPushButton::clicked, this, &TransformDialog::insertFunction);
    connect(lstFunc_, &QListWidget::itemDoubleClicked, this, &TransformDialog::insertFunction);
    connect(cmdVar, &QPushButton::clicked, this, &TransformDialog::insertVariable);
    connect(lstVar_, &QListWidget::itemDoubleClicked, this, &TransformDialog::insertVariable);
    connect(cmdExec_, &QPushButton::clicked, this, &TransformDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &TransformDialog::reject);

    auto* operators = new QHBoxLayout;
    for (int i = 0; i < 10; ++i) {
        const QString text = ToQString(kOperatorTexts[i]);
        QPushButton* button = TransformButton(QString("cmdOpel%1").arg(i), text, this, false);
        connect(button, &QPushButton::clicked, this, [this, text] { insertOperator(text); });
        operators->addWidget(button);
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("変換式", this), 0, 0);
    layout->addWidget(txtTForm_, 0, 1, 1, 3);
    layout->addWidget(cmdDel, 0, 4);
    layout->addLayout(operators, 1, 1, 1, 3);
    layout->addWidget(cmdTrans, 1, 4);
    layout->addWidget(lstTForm_, 2, 0, 1, 4);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdRep_);
    listButtons->addWidget(cmdRemo_);
    listButtons->addStretch();
    layout->addLayout(listButtons, 2, 4);
    layout->addWidget(new QLabel("関数", this), 3, 0);
    layout->addWidget(lstFunc_, 4, 0, 1, 2);
    layout->addWidget(cmdFunc, 5, 0, 1, 2);
    layout->addWidget(new QLabel("変数", this), 3, 2);
    layout->addWidget(lstVar_, 4, 2, 1, 2);
    layout->addWidget(cmdVar, 5, 2, 1, 2);
    auto* run = new QVBoxLayout;
    run->addStretch();
    run->addWidget(cmdExec_);
    run->addWidget(cmdCancel);
    layout->addLayout(run, 4, 4, 2, 1);
    TabOrder({txtTForm_, cmdTrans, lstTForm_, cmdRep_, cmdRemo_, lstFunc_, lstVar_, cmdExec_, cmdCancel});
    refreshButtons();
}

void TransformDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    txtTForm_->setFocus();
}

bool TransformDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtTForm_) {
        if (event->type() == QEvent::FocusOut) {
            savedSelection_ = editSelection();
        } else if (event->type() == QEvent::FocusIn) {
            savedSelection_.reset();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                txtTForm_->setText(ToQString(key == Qt::Key_Up ? history_.up() : history_.down()));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

TransformDialog::Selection TransformDialog::editSelection() const {
    if (savedSelection_ && !txtTForm_->hasFocus()) return *savedSelection_;
    if (txtTForm_->hasSelectedText()) return {txtTForm_->selectionStart(), txtTForm_->selectionLength()};
    return {txtTForm_->cursorPosition(), 0};
}

void TransformDialog::setEditLine(const EditLine& line) {
    txtTForm_->setText(ToQString(line.text));
    txtTForm_->setFocus();
    txtTForm_->setCursorPosition(CharactersBefore(line.text, line.caret));
    savedSelection_.reset();
}

void TransformDialog::refreshButtons() {
    const bool any = list_.size() > 0;
    cmdRep_->setVisible(any);
    cmdRemo_->setVisible(any);
    cmdExec_->setEnabled(any);
}

void TransformDialog::addStatement() {
    const std::string text = ToUtf8(txtTForm_->text());
    if (auto error = list_.add(text)) {
        ShowTransformError(app_.ui, *error);
        if (error->code == TransformErrorCode::TooManyStatements) txtTForm_->clear();
        txtTForm_->setFocus();
        return;
    }
    const StatementRecord& added = list_.records().back();
    history_.store(added.text);
    lstTForm_->addItem(ToQString(added.text));
    lstVar_->clear();
    for (const std::string& name : list_.variableList()) lstVar_->addItem(ToQString(name));
    txtTForm_->clear();
    txtTForm_->setFocus();
    refreshButtons();
}

void TransformDialog::correctStatement() {
    const int row = lstTForm_->currentRow();
    if (row < 0) return;
    const std::string text = list_.takeForCorrection(row);
    delete lstTForm_->takeItem(row);
    txtTForm_->setText(ToQString(text));
    txtTForm_->setFocus();
    refreshButtons();
}

void TransformDialog::removeStatement() {
    const int row = lstTForm_->currentRow();
    if (row < 0) return;
    list_.remove(row);
    delete lstTForm_->takeItem(row);
    refreshButtons();
}

void TransformDialog::deleteSelection() {
    const QString text = txtTForm_->text();
    const Selection s = editSelection();
    const std::size_t start = BytesBefore(text, s.start);
    setEditLine(DeleteSelection(ToUtf8(text), start, BytesBefore(text, s.start + s.length) - start));
}

void TransformDialog::insertFunction() {
    const QListWidgetItem* item = lstFunc_->currentItem();
    if (!item) return;
    const QString text = txtTForm_->text();
    const Selection s = editSelection();
    const std::size_t start = BytesBefore(text, s.start);
    setEditLine(InsertFunctionTemplate(ToUtf8(text), start, BytesBefore(text, s.start + s.length) - start,
                                       ToUtf8(item->text())));
}

void TransformDialog::insertVariable() {
    const QListWidgetItem* item = lstVar_->currentItem();
    if (!item) return;
    const QString text = txtTForm_->text();
    const Selection s = editSelection();
    const std::size_t start = BytesBefore(text, s.start);
    setEditLine(InsertVariableName(ToUtf8(text), start, BytesBefore(text, s.start + s.length) - start,
                                   ToUtf8(item->text())));
}

void TransformDialog::insertOperator(const QString& operatorText) {
    const QString text = txtTForm_->text();
    const Selection s = editSelection();
    const std::size_t start = BytesBefore(text, s.start);
    setEditLine(InsertOperatorText(ToUtf8(text), start, BytesBefore(text, s.start + s.length) - start,
                                   ToUtf8(operatorText)));
}

void TransformDialog::execute() {
    if (ExecuteTransformation(app_, sheet_, list_)) accept();
}

void TransformDialog::reject() {
    sheet_.grdVo.setCurrent(list_.setup().cursorRow, list_.setup().cursorCol);
    QDialog::reject();
}

}  // namespace zoriduvo
