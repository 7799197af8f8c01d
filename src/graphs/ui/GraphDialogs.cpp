#include "graphs/ui/GraphDialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

namespace {

QListWidget* List(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

// Every variable by name, unnamed ones with their default names.
void FillNames(App& app, Sheet& sheet, QListWidget* list) {
    LoadVariableList(app, sheet);
    list->clear();
    for (int v = 1; v <= app.lists.variableCount; ++v) list->addItem(ToQString(app.lists.names[v]));
}

// The sheet's caption as the graph's caption follows it.
std::string Caption(const char* head, const Sheet& sheet) { return head + sheet.caption(); }

QHBoxLayout* Buttons(QDialog* dialog, QPushButton* exec) {
    QPushButton* cancel = Button("cmdCancel", "ｷｬﾝｾﾙ", dialog);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(exec);
    row->addWidget(cancel);
    return row;
}

}  // namespace

ScatterDialog::ScatterDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), show_(std::move(show)) {
    setObjectName("frmGPlot");
    setWindowTitle("散布図");
    setModal(true);
    lstVar_ = List("lstVar", this);
    cmdXData_ = Button("cmdXData", ">>", this);
    cmdYData_ = Button("cmdYData", ">>", this);
    lblXData_ = Label("lblXData", this);
    lblYData_ = Label("lblYData", this);
    txtTitle_ = Field("txtTitle", this);
    txtXTitle_ = Field("txtXTitle", this);
    txtYTitle_ = Field("txtYTitle", this);
    QPushButton* cmdReturn = Button("cmdReturn", "戻す", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    connect(cmdXData_, &QPushButton::clicked, this, [this] { choose(true); });
    connect(cmdYData_, &QPushButton::clicked, this, [this] { choose(false); });
    connect(txtTitle_, &QLineEdit::textEdited, this, [this] { titles_.edited = true; });
    connect(cmdReturn, &QPushButton::clicked, this, [this] {
        if (lblXData_->text().isEmpty() && lblYData_->text().isEmpty()) return;
        titles_.undo();
        fill();
    });
    connect(cmdExec, &QPushButton::clicked, this, &ScatterDialog::execute);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstVar_, 0, 0, 4, 1);
    layout->addWidget(cmdXData_, 0, 1);
    layout->addWidget(new QLabel("Ｘ軸", this), 0, 2);
    layout->addWidget(lblXData_, 0, 3);
    layout->addWidget(cmdYData_, 1, 1);
    layout->addWidget(new QLabel("Ｙ軸", this), 1, 2);
    layout->addWidget(lblYData_, 1, 3);
    layout->addWidget(new QLabel("Title:", this), 4, 0);
    layout->addWidget(txtTitle_, 4, 1, 1, 3);
    layout->addWidget(new QLabel("XTitle:", this), 5, 0);
    layout->addWidget(txtXTitle_, 5, 1, 1, 3);
    layout->addWidget(new QLabel("YTitle:", this), 6, 0);
    layout->addWidget(txtYTitle_, 6, 1, 1, 3);
    layout->addWidget(cmdReturn, 7, 0);
    layout->addLayout(Buttons(this, cmdExec), 7, 1, 1, 3);
    fill();
}

void ScatterDialog::fill() {
    FillNames(app_, sheet_, lstVar_);
    lblXData_->clear();
    lblYData_->clear();
    cmdXData_->setEnabled(true);
    cmdYData_->setEnabled(true);
    txtTitle_->setText(ToQString(titles_.title));
    txtXTitle_->setText(ToQString(titles_.xTitle));
    txtYTitle_->setText(ToQString(titles_.yTitle));
}

void ScatterDialog::choose(bool x) {
    QListWidgetItem* item = lstVar_->currentItem();
    if (!item) return;
    const std::string name = ToUtf8(item->text());
    // The fields as typed are what the rule reads.
    titles_.title = ToUtf8(txtTitle_->text());
    titles_.xTitle = ToUtf8(txtXTitle_->text());
    titles_.yTitle = ToUtf8(txtYTitle_->text());
    if (x) titles_.chooseX(name);
    else titles_.chooseY(name);
    (x ? lblXData_ : lblYData_)->setText(item->text());
    (x ? cmdXData_ : cmdYData_)->setEnabled(false);
    delete item;
    txtTitle_->setText(ToQString(titles_.title));
    txtXTitle_->setText(ToQString(titles_.xTitle));
    txtYTitle_->setText(ToQString(titles_.yTitle));
}

void ScatterDialog::execute() {
    if (lblXData_->text().isEmpty() || lblYData_->text().isEmpty()) return;
    const int x = LastVariableNamed(sheet_, ToUtf8(lblXData_->text()));
    const int y = LastVariableNamed(sheet_, ToUtf8(lblYData_->text()));
    if (x == 0 || y == 0) return;
    Graph graph;
    graph.data = ScatterTable(sheet_, x, y, ReadCaseRange(sheet_));
    graph.titles = {ToUtf8(txtTitle_->text()), ToUtf8(txtXTitle_->text()), ToUtf8(txtYTitle_->text())};
    graph.caption = Caption("散布図 : ", sheet_);
    graph.caseCount = sheet_.caseCount();
    accept();
    show_(std::move(graph));
}

BoxDialog::BoxDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), show_(std::move(show)) {
    setObjectName("frmGBox");
    setWindowTitle("ﾎﾞｯｸｽﾌﾟﾛｯﾄ");
    setModal(true);
    lstVar_ = List("lstVar", this);
    lstVar_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstData_ = List("lstData", this);
    QPushButton* cmdData = Button("cmdData", ">>", this);
    QPushButton* cmdReturn = Button("cmdReturn", "<<", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    optBox_ = new QButtonGroup(this);
    auto* mean = new QRadioButton("平均と標準偏差", this);
    auto* median = new QRadioButton("メディアンと四分位", this);
    mean->setObjectName("optBox0");
    median->setObjectName("optBox1");
    optBox_->addButton(mean, 0);
    optBox_->addButton(median, 1);
    mean->setChecked(true);
    const auto move = [this](const QList<QListWidgetItem*>& items) {
        for (int row = 0; row < lstVar_->count();) {
            QListWidgetItem* item = lstVar_->item(row);
            if (items.contains(item)) lstData_->addItem(lstVar_->takeItem(row));
            else ++row;
        }
    };
    connect(cmdData, &QPushButton::clicked, this, [this, move] { move(lstVar_->selectedItems()); });
    connect(lstVar_, &QListWidget::itemDoubleClicked, this, [move](QListWidgetItem* item) { move({item}); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] {
        if (lstData_->count() > 0) fill();
    });
    connect(cmdExec, &QPushButton::clicked, this, &BoxDialog::execute);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstVar_, 0, 0, 2, 1);
    layout->addWidget(cmdData, 0, 1);
    layout->addWidget(cmdReturn, 1, 1);
    layout->addWidget(lstData_, 0, 2, 2, 1);
    layout->addWidget(mean, 2, 0);
    layout->addWidget(median, 2, 2);
    layout->addLayout(Buttons(this, cmdExec), 3, 0, 1, 3);
    fill();
}

void BoxDialog::fill() {
    FillNames(app_, sheet_, lstVar_);
    lstData_->clear();
}

void BoxDialog::execute() {
    if (lstData_->count() == 0) return;
    std::vector<int> variables;
    for (int row = 0; row < lstData_->count(); ++row) {
        const int v = LastVariableNamed(sheet_, ToUtf8(lstData_->item(row)->text()));
        if (v > 0) variables.push_back(v);
    }
    Graph graph;
    const BoxKind kind = optBox_->checkedId() == 0 ? BoxKind::MeanDeviation : BoxKind::MedianQuartiles;
    graph.data = BoxTable(sheet_, variables, ReadCaseRange(sheet_), kind);
    graph.caption = Caption("Box Plot : ", sheet_);
    graph.caseCount = sheet_.caseCount();
    accept();
    show_(std::move(graph));
}

IndexDialog::IndexDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), show_(std::move(show)) {
    setObjectName("frmGIndex");
    setWindowTitle("インデックスプロット");
    setModal(true);
    lstVar_ = List("lstVar", this);
    cmdXData_ = Button("cmdXData", ">>", this);
    lblXData_ = Label("lblXData", this);
    QPushButton* cmdReturn = Button("cmdReturn", "戻す", this);
    QPushButton* cmdExec = Button("cmdExec", "実行", this);
    connect(cmdXData_, &QPushButton::clicked, this, [this] {
        QListWidgetItem* item = lstVar_->currentItem();
        if (!item) return;
        lblXData_->setText(item->text());
        delete item;
        cmdXData_->setEnabled(false);
    });
    connect(cmdReturn, &QPushButton::clicked, this, &IndexDialog::fill);
    connect(cmdExec, &QPushButton::clicked, this, &IndexDialog::execute);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstVar_, 0, 0, 2, 1);
    layout->addWidget(cmdXData_, 0, 1);
    layout->addWidget(lblXData_, 0, 2);
    layout->addWidget(cmdReturn, 1, 1);
    layout->addLayout(Buttons(this, cmdExec), 2, 0, 1, 3);
    fill();
}

void IndexDialog::fill() {
    FillNames(app_, sheet_, lstVar_);
    lblXData_->clear();
    cmdXData_->setEnabled(true);
}

void IndexDialog::execute() {
    const int v = lblXData_->text().isEmpty() ? 0 : LastVariableNamed(sheet_, ToUtf8(lblXData_->text()));
    if (v == 0) return;
    Graph graph = IndexGraph(sheet_, v, ReadCaseRange(sheet_));
    graph.caption = Caption("インデックスプロット: ", sheet_);
    accept();
    show_(std::move(graph));
}

}  // namespace zoriduvo
