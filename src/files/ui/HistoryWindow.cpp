#include "files/ui/HistoryWindow.h"

#include <QBrush>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/HistoryScript.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/HistoryView.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

HistoryWindow::HistoryWindow(App& app, Sheet& sheet, QWidget* parent)
    : QDialog(parent), app_(app), sheet_(sheet), steps_(new QTreeWidget(this)) {
    setWindowTitle(ToQString(std::string(kHistoryTitle) + " - " + sheet.caption()));
    steps_->setObjectName("lstHistory");
    steps_->setRootIsDecorated(false);
    steps_->setColumnCount(4);
    steps_->setHeaderLabels({"番号", "時刻", "手順", "コマンド"});
    const HistoryView view = ViewOfHistory(sheet);
    QTreeWidgetItem* current = nullptr;
    for (const HistoryRow& row : view.rows) {
        auto* item = new QTreeWidgetItem(steps_, {ToQString((row.current ? "▶ " : "") + row.number), ToQString(row.time),
                                                  ToQString(row.name), ToQString(row.command)});
        if (row.undone)
            for (int c = 0; c < 4; ++c) item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
        if (row.current) current = item;
    }
    for (int c = 0; c < 3; ++c) steps_->resizeColumnToContents(c);
    if (current) steps_->setCurrentItem(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    save_ = buttons->addButton("スクリプトとして保存...", QDialogButtonBox::ActionRole);
    save_->setObjectName("cmdSaveScript");
    save_->setEnabled(view.canSaveScript);
    connect(save_, &QPushButton::clicked, this, &HistoryWindow::saveScript);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(steps_);
    layout->addWidget(buttons);
    resize(760, 420);
}

void HistoryWindow::saveScript() {
    FileDialogRequest request;
    request.title = "スクリプトとして保存";
    request.filter = "シェルスクリプト(*.sh)|*.sh|";
    request.defaultExtension = "sh";
    request.askBeforeOverwrite = true;
    request.initialName = sheet_.caption() + ".sh";
    const auto path = app_.ui.saveFileName(request);
    if (path) SaveHistoryScript(app_, sheet_, *path);
}

void HistoryWindow::Run(App& app, Sheet& sheet, QWidget* parent) {
    HistoryWindow window(app, sheet, parent);
    window.exec();
}

}  // namespace zoriduvo
