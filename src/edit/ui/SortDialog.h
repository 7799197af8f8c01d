#pragma once
#include <QDialog>

#include "sheet/SavedSelection.h"

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace zoriduvo {

class App;

// The sort dialog frmGSort (not modal): key variable, order and, on a grouped sheet, whether to
// sort within each group. It works on the sheet it was opened for and deletes itself on closing.
class SortDialog : public QDialog {
    Q_OBJECT
public:
    SortDialog(App& app, int sheetNumber, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void sort();
    void cancel();
    bool sheetOpen() const;

    App& app_;
    int sheetNumber_;
    SavedSelection selection_;
    QComboBox* cmbSort_;
    QRadioButton* ascending_;
    QRadioButton* descending_;
    QGroupBox* frameSort_;
    QRadioButton* allCases_;
    QRadioButton* withinGroups_;
};

}  // namespace zoriduvo
