#pragma once
#include <QDialog>

#include "edit/InsertDelete.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zoriduvo {

class App;
class Sheet;

// frmInsert "挿入" or frmDelete "削除" (modal): rows or columns, and how many, at the cursor.
class InsertDeleteDialog : public QDialog {
    Q_OBJECT
public:
    enum class Operation { Insert, Delete };
    InsertDeleteDialog(App& app, Sheet& sheet, Operation operation, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void execute();

    App& app_;
    Sheet& sheet_;
    Operation operation_;
    QRadioButton* optRow_;
    QLineEdit* count_;
    QLabel* lblInsert_;
};

}  // namespace zoriduvo
