#include "categories/ui/CaseGroupDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "categories/CaseGroupEditor.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

namespace {

// Rewrites a field only when its text differs, so that typing in it keeps the cursor.
void SetText(QLineEdit* field, const std::string& text) {
    if (field->text() != ToQString(text)) field->setText(ToQString(text));
}
}  // namespace

void CaseGroupDialog::Run(App& app, Sheet& sheet, QWidget* parent) {
    if (!CaseGroupEditor::CanOpen(app, sheet)) return;
    CaseGroupDialog dialog(app, sheet, parent);
    dialog.exec();
}

CaseGroupDialog::CaseGroupDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), editor_(std::make_unique<CaseGroupEditor>(app, sheet)) {
    setObjectName("frmCGroup");
    setWindowTitle(ToQString(kCaseGroupTitle));
    setModal(true);

    lstCGroup_ = new QListWidget(this);
    lstCGroup_->setObjectName("lstCGroup");
    frameCG_ = new QGroupBox(ToQString("ケースグループの設定"), this);
    frameCG_->setObjectName("frameCG");
    txtCGroupS_ = new QLineEdit(frameCG_);
    txtCGroupS_->setObjectName("txtCGroupS");
    txtCGroupS_->setReadOnly(true);
    txtCGroupE_ = new QLineEdit(frameCG_);
    txtCGroupE_->setObjectName("txtCGroupE");
    txtCGroupC_ = new QLineEdit(frameCG_);
    txtCGroupC_->setObjectName("txtCGroupC");
    vScroll1_ = new QScrollBar(Qt::Vertical, frameCG_);
    vScroll1_->setObjectName("VScroll1");
    vScroll1_->setSingleStep(1);
    vScroll1_->setPageStep(1);
    restCaption_ = Label("lblRest", frameCG_, "残り");
    lblRestS_ = Label("lblRestS", frameCG_);
    lblRestE_ = Label("lblRestE", frameCG_);
    lblRestC_ = Label("lblRestC", frameCG_);
    cmdCGroup_ = Button("cmdCGroup", "追加", frameCG_);
    cmdRest_ = Button("cmdRest", "残り全て", frameCG_);
    lblCG_ = Label("lblCG", this);
    lblGroupN_ = Label("lblGroupN", this);
    groupWord_ = Label("lblGroupWord", this, "グループ");
    lblRep_ = Label("lblRep", this, "グループ修正");
    cmdRep_ = Button("cmdRep", "修正", this);
    cmdJoint_ = Button("cmdJoint", "上のｸﾞﾙｰﾌﾟと結合", this);
    cmdRemo_ = Button("cmdRemo", "現在の設定を解除", this);
    cmdExec_ = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);

    auto* fields = new QGridLayout(frameCG_);
    fields->addWidget(Label("lblStart", frameCG_, "開始"), 0, 0);
    fields->addWidget(Label("lblEnd", frameCG_, "終了"), 0, 1);
    fields->addWidget(Label("lblCount", frameCG_, "ケース数"), 0, 3);
    fields->addWidget(txtCGroupS_, 1, 0);
    fields->addWidget(txtCGroupE_, 1, 1);
    fields->addWidget(vScroll1_, 1, 2);
    fields->addWidget(txtCGroupC_, 1, 3);
    fields->addWidget(restCaption_, 2, 0, 1, 4);
    fields->addWidget(lblRestS_, 3, 0);
    fields->addWidget(lblRestE_, 3, 1);
    fields->addWidget(lblRestC_, 3, 3);
    auto* frameButtons = new QHBoxLayout;
    frameButtons->addWidget(cmdCGroup_);
    frameButtons->addWidget(cmdRest_);
    fields->addLayout(frameButtons, 4, 0, 1, 4);

    auto* summary = new QHBoxLayout;
    summary->addWidget(lblCG_);
    summary->addWidget(lblGroupN_);
    summary->addWidget(groupWord_);
    summary->addStretch();
    auto* correction = new QVBoxLayout;
    correction->addWidget(lblRep_);
    correction->addWidget(cmdRep_);
    correction->addWidget(cmdJoint_);
    correction->addWidget(cmdRemo_);
    correction->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addLayout(summary, 0, 0, 1, 2);
    layout->addWidget(lstCGroup_, 1, 0);
    layout->addLayout(correction, 1, 1);
    layout->addWidget(frameCG_, 2, 0, 1, 2);
    auto* buttons = ButtonRow({cmdExec_, cmdCancel});
    layout->addLayout(buttons, 3, 0, 1, 2);

    // Only the user's own edits react; what the dialog writes itself does not.
    connect(txtCGroupE_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_->endEdited(ToUtf8(text));
        showView();
    });
    connect(txtCGroupC_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_->countEdited(ToUtf8(text));
        showView();
    });
    connect(vScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        if (showing_) return;
        editor_->spun(value);
        showView();
    });
    // A line is chosen by selecting it; the list making its first line current on getting the focus
    // chooses nothing.
    connect(lstCGroup_, &QListWidget::itemSelectionChanged, this, [this] {
        if (showing_ || lstCGroup_->selectedItems().isEmpty()) return;
        editor_->selectLine(lstCGroup_->row(lstCGroup_->selectedItems().first()) + 1);
        showView();
    });
    connect(cmdCGroup_, &QPushButton::clicked, this, [this] {
        const bool complete = editor_->add() && editor_->mode() == CaseGroupEditor::Mode::Complete;
        showView();
        if (complete) cmdExec_->setFocus();
    });
    connect(cmdRest_, &QPushButton::clicked, this, [this] {
        editor_->rest();
        showView();
    });
    connect(cmdRep_, &QPushButton::clicked, this, [this] {
        editor_->correct();
        showView();
    });
    connect(cmdJoint_, &QPushButton::clicked, this, [this] {
        editor_->join();
        showView();
    });
    connect(cmdExec_, &QPushButton::clicked, this, [this] {
        if (editor_->apply()) accept();
    });
    connect(cmdRemo_, &QPushButton::clicked, this, [this] {
        if (editor_->remove()) accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* field : {txtCGroupS_, txtCGroupE_, txtCGroupC_}) field->installEventFilter(this);
    TabOrder({lstCGroup_, cmdRep_, cmdJoint_, cmdRemo_, txtCGroupS_, txtCGroupE_, txtCGroupC_, cmdCGroup_, cmdRest_,
              cmdExec_, cmdCancel});
    // What comes and goes keeps its place, so that the rest of the dialog does not move.
    for (QWidget* w : std::initializer_list<QWidget*>{restCaption_, lblRestS_, lblRestE_, lblRestC_, lblCG_, lblGroupN_,
                                                      groupWord_, lblRep_, cmdRep_, cmdRemo_, frameCG_, cmdCGroup_}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    showView();
    (editor_->view().defining ? static_cast<QWidget*>(txtCGroupC_) : lstCGroup_)->setFocus();
}

CaseGroupDialog::~CaseGroupDialog() = default;

void CaseGroupDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

bool CaseGroupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, field, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void CaseGroupDialog::showView() {
    const CaseGroupEditor::View& v = editor_->view();
    showing_ = true;
    QStringList lines;
    for (const auto& line : v.lines) lines << ToQString(line);
    QStringList shown;
    for (int i = 0; i < lstCGroup_->count(); ++i) shown << lstCGroup_->item(i)->text();
    if (shown != lines) {
        lstCGroup_->clear();
        lstCGroup_->addItems(lines);
    }
    lstCGroup_->setCurrentRow(v.selected - 1);
    SetText(txtCGroupS_, v.start);
    SetText(txtCGroupE_, v.end);
    SetText(txtCGroupC_, v.count);
    vScroll1_->setRange(v.spinMinimum, v.spinMaximum);
    vScroll1_->setValue(v.spinValue);
    for (QLabel* label : {restCaption_, lblRestS_, lblRestE_, lblRestC_}) label->setVisible(v.restShown);
    lblRestS_->setText(ToQString(v.restStart));
    lblRestE_->setText(ToQString(v.restEnd));
    lblRestC_->setText(ToQString(v.restCount));
    for (QLabel* label : {lblCG_, lblGroupN_, groupWord_}) label->setVisible(v.summaryShown);
    lblCG_->setText(ToQString(v.summaryPrefix));
    lblGroupN_->setText(QString::number(v.summaryNumber));
    frameCG_->setVisible(v.defining);
    cmdCGroup_->setVisible(v.defining);
    lblRep_->setVisible(v.correctionHeading);
    cmdRep_->setVisible(v.correctShown);
    cmdRep_->setEnabled(v.correctEnabled);
    cmdJoint_->setEnabled(v.joinEnabled);
    cmdExec_->setEnabled(v.applyEnabled);
    cmdRemo_->setVisible(v.removeShown);
    showing_ = false;
}

}  // namespace zoriduvo
