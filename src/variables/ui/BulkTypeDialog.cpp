#include "variables/ui/BulkTypeDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "sheet/App.h"
#include "variables/BulkTyping.h"
#include "variables/VariableDefinition.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/ModelessDialog.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

BulkTypeDialog* BulkTypeDialog::Open(App& app, Sheet& sheet, QWidget* parent) {
    return ShowModeless([&] { return new BulkTypeDialog(app, sheet, parent); },
                        [&](BulkTypeDialog& dialog) { dialog.follow(sheet); });
}

BulkTypeDialog::BulkTypeDialog(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), editor_(std::make_unique<BulkTypeEditor>(app, sheet)) {
    setObjectName("frmVtype");
    setWindowTitle(ToQString(kBulkTypingTitle));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    lstVar_ = new QListWidget(this);
    lstVar_->setObjectName("lstVar");
    lstVar_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstData_ = new QListWidget(this);
    lstData_->setObjectName("lstData");
    lstData_->setSelectionMode(QAbstractItemView::NoSelection);
    QPushButton* cmdData = Button("cmdData", ">>", this);
    QPushButton* cmdReturn = Button("cmdReturn", "元に戻す", this);
    auto* frame = new QGroupBox(ToQString("変数の型"), this);
    const char* types[] = {kContinuousType, kCategoricalType};
    for (int i = 0; i < 2; ++i) {
        optVType_[i] = new QRadioButton(ToQString(types[i]), frame);
        optVType_[i]->setObjectName(QString("optVType%1").arg(i));
        txtRange_[i] = new QLineEdit(frame);
        txtRange_[i]->setObjectName(QString("txtRange%1").arg(i));
        txtRange_[i]->installEventFilter(this);
    }
    optVType_[0]->setChecked(true);
    lblRange_ = new QLabel(ToQString("から"), frame);
    lblRange_->setObjectName("lblRange");
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);

    auto* range = new QHBoxLayout;
    range->addWidget(txtRange_[0]);
    range->addWidget(lblRange_);
    range->addWidget(txtRange_[1]);
    auto* typeLayout = new QVBoxLayout(frame);
    typeLayout->addWidget(optVType_[0]);
    typeLayout->addWidget(optVType_[1]);
    typeLayout->addLayout(range);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(cmdData);
    middle->addWidget(cmdReturn);
    middle->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstVar_, 0, 0);
    layout->addLayout(middle, 0, 1);
    layout->addWidget(lstData_, 0, 2);
    layout->addWidget(frame, 1, 0, 1, 3);
    auto* buttons = ButtonRow({cmdExec, cmdCancel});
    layout->addLayout(buttons, 2, 0, 1, 3);
    TabOrder({lstVar_, cmdData, cmdReturn, lstData_, optVType_[0], optVType_[1], txtRange_[0], txtRange_[1], cmdExec,
              cmdCancel});

    connect(cmdData, &QPushButton::clicked, this, [this] {
        std::vector<int> places;
        for (QListWidgetItem* item : lstVar_->selectedItems()) places.push_back(lstVar_->row(item));
        editor_->choose(places);
        showLists();
    });
    connect(cmdReturn, &QPushButton::clicked, this, [this] {
        editor_->restore();
        showLists();
    });
    connect(optVType_[0], &QRadioButton::clicked, this, &BulkTypeDialog::showType);
    connect(optVType_[1], &QRadioButton::clicked, this, [this] {
        showType();
        txtRange_[0]->setFocus();
    });
    connect(cmdExec, &QPushButton::clicked, this, &BulkTypeDialog::execute);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);

    showLists();
    showType();
    app_.bus.subscribe(this);
    listening_ = true;
}

BulkTypeDialog::~BulkTypeDialog() { stopListening(); }

// A closed window no longer follows the sheets; its deletion may come later.
void BulkTypeDialog::stopListening() {
    if (listening_) app_.bus.unsubscribe(this);
    listening_ = false;
}

void BulkTypeDialog::showLists() {
    auto fill = [](QListWidget* list, const std::vector<std::string>& names) {
        list->clear();
        for (const auto& name : names) list->addItem(ToQString(name));
    };
    fill(lstVar_, editor_->available());
    fill(lstData_, editor_->chosen());
}

void BulkTypeDialog::showType() {
    const bool categorical = optVType_[1]->isChecked();
    lblRange_->setVisible(categorical);
    txtRange_[0]->setEnabled(categorical);
    txtRange_[1]->setEnabled(categorical);
}

void BulkTypeDialog::follow(Sheet& sheet) {
    if (!editor_->outOfDate(sheet)) return;
    editor_ = std::make_unique<BulkTypeEditor>(app_, sheet);
    showLists();
}

void BulkTypeDialog::execute() {
    editor_->categorical = optVType_[1]->isChecked();
    editor_->minimum = ToUtf8(txtRange_[0]->text());
    editor_->maximum = ToUtf8(txtRange_[1]->text());
    switch (editor_->execute()) {
    case BulkTypeEditor::Outcome::Done: close(); break;
    case BulkTypeEditor::Outcome::FocusMinimum: txtRange_[0]->setFocus(); break;
    case BulkTypeEditor::Outcome::Beeped:
        // A range field left empty is the likely cause: the cursor goes where the number is missing.
        for (QLineEdit* field : txtRange_)
            if (editor_->categorical && field->text().isEmpty()) return field->setFocus();
        break;
    default: break;
    }
}

bool BulkTypeDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && app_.activeSheet() > 0) follow(app_.sheet(app_.activeSheet()));
    return QDialog::event(event);
}

bool BulkTypeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, field, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void BulkTypeDialog::closeEvent(QCloseEvent* event) {
    stopListening();
    QDialog::closeEvent(event);
}

void BulkTypeDialog::done(int result) {
    stopListening();
    QDialog::done(result);
}

void BulkTypeDialog::modelChanged(const ModelChange& change) {
    if (change.kind == ChangeKind::SheetClosed && change.sheet == editor_->sheet().number()) close();
}

}  // namespace zoriduvo
