#pragma once
#include <QDialog>

#include "sheet/CaseRange.h"

class QLineEdit;

namespace zoriduvo {

class App;
class CategoryVariableLists;
class Sheet;

// frmCatComp (modal): merges a run of category codes of the chosen variables over the case range.
class CategoryCombinationDialog : public QDialog {
    Q_OBJECT
public:
    CategoryCombinationDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void execute();

    App& app_;
    Sheet& sheet_;
    CaseRange cases_;
    CategoryVariableLists* lists_;
    QLineEdit* txtCom_[2];
};

// frmVBind (modal): crosses two categorical variables into a new one after the last.
class VariableBindingDialog : public QDialog {
    Q_OBJECT
public:
    VariableBindingDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

private:
    void execute();

    App& app_;
    Sheet& sheet_;
    CaseRange cases_;
    CategoryVariableLists* lists_;
    QLineEdit* txtBName_;
};

}  // namespace zoriduvo
