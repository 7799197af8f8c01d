#include "variables/ui/InformationDialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/Twips.h"
#include "platform/qt/DialogWidgets.h"
#include "sheet/CaseGroups.h"
#include "variables/InformationViews.h"
#include "variables/VariableInformation.h"

namespace zoriduvo {

namespace {
QDialog* NewView(const char* name, const char* title, QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(name);
    dialog->setWindowTitle(ToQString(title));
    dialog->setModal(true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    new QVBoxLayout(dialog);
    return dialog;
}

void AddOkButton(QDialog* dialog) {
    QPushButton* cmdOK = Button("cmdOK", "OK", dialog);
    QObject::connect(cmdOK, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* buttons = ButtonRow({cmdOK});
    static_cast<QVBoxLayout*>(dialog->layout())->addLayout(buttons);
}

QTableWidget* NewGrid(const char* name, int rows, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& text) {
    grid->setItem(row, column, new QTableWidgetItem(ToQString(text)));
}
}  // namespace

QDialog* NewFileInfoDialog(const Sheet& sheet, QWidget* parent) {
    QDialog* dialog = NewView("frmFileInfo", "ファイル & シート 情報", parent);
    QString info, range, groups;
    for (const auto& [caption, value] : FileInformation(sheet)) {
        if (caption.rfind("ｸﾞﾙｰﾌﾟ番号", 0) == 0) continue;  // in the grid below
        if (caption == "範囲指定") range = ToQString(value);
        else if (caption == "グループ") groups = ToQString(value);
        else info += ToQString(caption + "：" + value + "\n");
    }
    QLabel* lblFInfo = Label("lblFInfo", dialog);
    lblFInfo->setText(info.trimmed());
    dialog->layout()->addWidget(lblFInfo);
    QLabel* lblNG = Label("lblNG", dialog);
    lblNG->setText(ToQString("グループ ") + groups);
    lblNG->setVisible(!groups.isEmpty());
    dialog->layout()->addWidget(lblNG);
    const std::vector<int> sizes = CaseGroupSizes(sheet);
    if (sizes.size() > 1) {
        QTableWidget* grid = NewGrid("grdCGroup", 2, static_cast<int>(sizes.size()) + 1, dialog);
        SetCell(grid, 0, 0, "ｸﾞﾙｰﾌﾟ番号");
        for (std::size_t g = 0; g < sizes.size(); ++g) {
            const int column = static_cast<int>(g) + 1;
            SetCell(grid, 0, column, std::to_string(g + 1));
            SetCell(grid, 1, column, std::to_string(sizes[g]));
            grid->setColumnWidth(column, TwipsToPixels(1500, grid->logicalDpiX()));
        }
        dialog->layout()->addWidget(grid);
    }
    dialog->layout()->addWidget(Label("lblFileI", dialog, "範囲指定"));
    dialog->layout()->addWidget(new QLabel(range, dialog));
    AddOkButton(dialog);
    return dialog;
}

QDialog* NewVariableInfoDialog(const Sheet& sheet, QWidget* parent) {
    QDialog* dialog = NewView("frmVarInfo", "変数情報", parent);
    const auto columns = VariableInformation(sheet);
    QTableWidget* grid = NewGrid("grdVType", 5, static_cast<int>(columns.size()) + 1, dialog);
    for (int row = 0; row < 5; ++row) SetCell(grid, row, 0, kVariableInformationHeadings[row]);
    for (std::size_t v = 0; v < columns.size(); ++v)
        for (int row = 0; row < 5; ++row) SetCell(grid, row, static_cast<int>(v) + 1, columns[v][row]);
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, TwipsToPixels(1200, grid->logicalDpiX()));
    dialog->layout()->addWidget(grid);
    AddOkButton(dialog);
    return dialog;
}

}  // namespace zoriduvo
