#include "variables/ui/VariableDefinitionDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "sheet/App.h"
#include "variables/VariableDefinitionEditor.h"
#include "variables/ui/StatisticsView.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/ModelessDialog.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

VariableDefinitionDialog* VariableDefinitionDialog::Open(App& app, Sheet& sheet, QWidget* parent) {
    return ShowModeless([&] { return new VariableDefinitionDialog(app, sheet, parent); },
                        [&](VariableDefinitionDialog& dialog) { dialog.follow(sheet); });
}

VariableDefinitionDialog::VariableDefinitionDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), editor_(std::make_unique<VariableDefinitionEditor>(app, sheet)) {
    setObjectName("frmVarLbl");
    setWindowTitle(ToQString(kVariableDefinitionTitle));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    txtVarNo_ = Field("txtVarNo", this);
    txtVName_ = Field("txtVName", this);
    auto* frame = new QGroupBox(ToQString("変数の型"), this);
    frame->setObjectName("frameType");
    optTypeCont_ = new QRadioButton(ToQString(kContinuousType), frame);
    optTypeCont_->setObjectName("optTypeCont");
    optTypeCateg_ = new QRadioButton(ToQString(kCategoricalType), frame);
    optTypeCateg_->setObjectName("optTypeCateg");
    txtRange_[0] = Field("txtRange0", frame);
    txtRange_[1] = Field("txtRange1", frame);
    lblRange_ = new QLabel(ToQString("から"), frame);
    lblRange_->setObjectName("lblRange");
    cmdBefore_ = Button("cmdBefore", "前の変数へ", this);
    cmdNext_ = Button("cmdNext", "次の変数へ", this);
    QPushButton* cmdOk = Button("cmdOk", "OK", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    QPushButton* cmdStat = Button("cmdStat", "基礎統計量", this);

    auto* range = new QHBoxLayout;
    range->addWidget(txtRange_[0]);
    range->addWidget(lblRange_);
    range->addWidget(txtRange_[1]);
    auto* types = new QVBoxLayout(frame);
    types->addWidget(optTypeCont_);
    types->addWidget(optTypeCateg_);
    types->addLayout(range);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(ToQString("変数番号"), this), 0, 0);
    layout->addWidget(txtVarNo_, 0, 1);
    layout->addWidget(new QLabel(ToQString("変数名"), this), 1, 0);
    layout->addWidget(txtVName_, 1, 1);
    layout->addWidget(frame, 2, 0, 1, 2);
    auto* moves = new QHBoxLayout;
    moves->addWidget(cmdBefore_);
    moves->addWidget(cmdNext_);
    moves->addWidget(cmdStat);
    layout->addLayout(moves, 3, 0, 1, 2);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(cmdOk);
    closing->addWidget(cmdCancel);
    layout->addLayout(closing, 4, 0, 1, 2);
    TabOrder({txtVarNo_, txtVName_, optTypeCont_, optTypeCateg_, txtRange_[0], txtRange_[1], cmdBefore_, cmdNext_,
              cmdStat, cmdOk, cmdCancel});

    for (QLineEdit* field : {txtVarNo_, txtVName_, txtRange_[0], txtRange_[1]}) field->installEventFilter(this);
    connect(cmdOk, &QPushButton::clicked, this, &VariableDefinitionDialog::ok);
    connect(cmdCancel, &QPushButton::clicked, this, &VariableDefinitionDialog::cancel);
    connect(cmdStat, &QPushButton::clicked, this, &VariableDefinitionDialog::openStatistics);
    connect(cmdBefore_, &QPushButton::clicked, this, [this] {
        takeFields();
        if (editor_->previous()) moved(true);
    });
    connect(cmdNext_, &QPushButton::clicked, this, [this] {
        takeFields();
        if (editor_->next()) moved(true);
    });
    connect(txtVarNo_, &QLineEdit::returnPressed, this, [this] {
        takeFields();
        const bool done = editor_->commitNumber();
        showFields();
        if (done) moved(false);
    });
    connect(optTypeCont_, &QRadioButton::clicked, this, [this] {
        takeFields();
        editor_->chooseContinuous();
        showFields();
    });
    connect(optTypeCateg_, &QRadioButton::clicked, this, &VariableDefinitionDialog::chooseCategorical);

    showFields();
    app_.bus.subscribe(this);
    listening_ = true;
}

VariableDefinitionDialog::~VariableDefinitionDialog() { stopListening(); }

// A closed window no longer follows the sheets; its deletion may come later.
void VariableDefinitionDialog::stopListening() {
    if (listening_) app_.bus.unsubscribe(this);
    listening_ = false;
}

void VariableDefinitionDialog::takeFields() {
    auto& f = editor_->fields();
    f.number = ToUtf8(txtVarNo_->text());
    f.name = ToUtf8(txtVName_->text());
    f.categorical = optTypeCateg_->isChecked();
    f.minimum = ToUtf8(txtRange_[0]->text());
    f.maximum = ToUtf8(txtRange_[1]->text());
}

void VariableDefinitionDialog::showFields() {
    const auto& f = editor_->fields();
    txtVarNo_->setText(ToQString(f.number));
    txtVName_->setText(ToQString(f.name));
    (f.categorical ? optTypeCateg_ : optTypeCont_)->setChecked(true);
    txtRange_[0]->setText(ToQString(f.minimum));
    txtRange_[1]->setText(ToQString(f.maximum));
    for (QWidget* w : {static_cast<QWidget*>(txtRange_[0]), static_cast<QWidget*>(txtRange_[1]),
                       static_cast<QWidget*>(lblRange_)})
        w->setEnabled(f.rangeEnabled);
    cmdBefore_->setEnabled(f.beforeEnabled);
    cmdNext_->setEnabled(f.nextEnabled);
}

// The edited variable changed: the statistics view follows it.
void VariableDefinitionDialog::moved(bool focusName) {
    showFields();
    if (statistics_ && statistics_->isVisible()) statistics_->showVariable(editor_->variable());
    if (focusName) txtVName_->setFocus();
    activateWindow();
}

void VariableDefinitionDialog::ok() {
    takeFields();
    if (editor_->ok()) close();
}

void VariableDefinitionDialog::cancel() {
    editor_->cancel();
    close();
}

void VariableDefinitionDialog::chooseCategorical() {
    takeFields();
    editor_->chooseCategorical();
    showFields();
    txtRange_[0]->setFocus();
}

void VariableDefinitionDialog::openStatistics() {
    editor_->openStatistics();
    if (!statistics_) {
        statistics_ = new StatisticsView(editor_->sheet(), this);
        statistics_->setAttribute(Qt::WA_DeleteOnClose);
        connect(statistics_, &StatisticsView::closed, this, [this] { editor_->statisticsClosed(); });
    }
    statistics_->setVariable(editor_->variable());
    statistics_->show();
    statistics_->refresh();
    // Beside the dialog, not over it.
    statistics_->move(frameGeometry().topRight() + QPoint(8, 0));
    activateWindow();
}

// Back on the dialog: it follows the cursor when the user moved it in the sheet meanwhile.
void VariableDefinitionDialog::follow(Sheet& sheet) {
    if (editor_->closed()) return;
    // The statistics view belongs to the sheet it was opened on.
    if (&sheet != &editor_->sheet() && statistics_) statistics_->close();
    takeFields();
    editor_->activate(sheet);
    showFields();
}

bool VariableDefinitionDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const int active = app_.activeSheet();
        follow(active > 0 ? app_.sheet(active) : editor_->sheet());
    }
    return QDialog::event(event);
}

bool VariableDefinitionDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
        if ((field == txtRange_[0] || field == txtRange_[1]) && !optTypeCateg_->isChecked()) chooseCategorical();
        break;
    case QEvent::FocusOut:
        if (field == txtVName_ && !editor_->closed()) {
            takeFields();
            editor_->nameLeftFocus();
        }
        break;
    case QEvent::KeyPress: {
        if (field != txtVarNo_ && field != txtVName_) break;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down) break;
        takeFields();
        if (key == Qt::Key_Up ? editor_->keyUp() : editor_->keyDown()) moved(false);
        field->setFocus();
        return true;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

// Closing the window in any way other than OK drops what was not stored, as Cancel does.
void VariableDefinitionDialog::finish() {
    if (!editor_->closed()) editor_->cancel();
    if (statistics_) statistics_->close();
    stopListening();
}

void VariableDefinitionDialog::closeEvent(QCloseEvent* event) {
    finish();
    QDialog::closeEvent(event);
}

void VariableDefinitionDialog::done(int result) {
    finish();
    QDialog::done(result);
}

void VariableDefinitionDialog::modelChanged(const ModelChange& change) {
    if (change.kind != ChangeKind::SheetClosed || change.sheet != editor_->sheet().number()) return;
    editor_->abandon();
    close();
}

}  // namespace zoriduvo
