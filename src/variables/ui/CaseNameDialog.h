#pragma once
#include <QDialog>

#include "sheet/ModelChange.h"
#include "variables/CaseNames.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zoriduvo {

class App;
class Sheet;

// frmCName (modeless): names the cases of a sheet one after another, with a preview of the
// edited case's row. Its caption names the sheet.
class CaseNameDialog : public QDialog, public ModelObserver {
    Q_OBJECT
public:
    CaseNameDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);
    ~CaseNameDialog() override;

    // The one dialog, on the given sheet: open on another sheet, it is cancelled there first.
    static CaseNameDialog* Open(App& app, Sheet& sheet, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void modelChanged(const ModelChange& change) override;

private:
    void showCase();
    void execute();
    void cancel();

    App& app_;
    Sheet& sheet_;
    CaseNameEditor editor_;
    int openRow_, openColumn_, openRowSel_, openColumnSel_;
    QLineEdit* txtCNumber_;
    QLineEdit* txtCName_;
    QPushButton* cmdBefore_;
    QTableWidget* grdCname_;
};

}  // namespace zoriduvo
