#pragma once
#include <QDialog>

#include "variables/CaseNames.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zoriduvo {

class App;
class Sheet;

// frmCName (modeless): names the cases of a sheet one after another, with a preview of the
// edited case's row.
class CaseNameDialog : public QDialog {
    Q_OBJECT
public:
    CaseNameDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCase();
    void execute();
    void cancel();

    Sheet& sheet_;
    CaseNameEditor editor_;
    int openRow_, openColumn_, openRowSel_, openColumnSel_;
    QLineEdit* txtCNumber_;
    QLineEdit* txtCName_;
    QPushButton* cmdBefore_;
    QTableWidget* grdCname_;
};

}  // namespace zoriduvo
