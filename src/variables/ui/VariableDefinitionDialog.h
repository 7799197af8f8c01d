#pragma once
#include <QDialog>
#include <QPointer>
#include <memory>

#include "sheet/ModelChange.h"
#include "variables/ui/StatisticsView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zoriduvo {

class App;
class Sheet;
class StatisticsView;
class VariableDefinitionEditor;

// The variable definition dialog frmVarLbl (not modal): one variable at a time, on the active
// sheet. The rules live in VariableDefinitionEditor; this window shows its fields.
class VariableDefinitionDialog : public QDialog, public ModelObserver {
    Q_OBJECT
public:
    VariableDefinitionDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);
    ~VariableDefinitionDialog() override;

    // The one dialog, opened on the sheet's current column or brought to the front.
    static VariableDefinitionDialog* Open(App& app, Sheet& sheet, QWidget* parent);

    VariableDefinitionEditor& editor() { return *editor_; }
    StatisticsView* statisticsView() const { return statistics_; }
    void modelChanged(const ModelChange& change) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void follow(Sheet& sheet);
    void takeFields();
    void showFields();
    void moved(bool focusName);
    void ok();
    void cancel();
    void openStatistics();
    void chooseCategorical();

    void stopListening();
    void finish();

    App& app_;
    bool listening_ = false;
    std::unique_ptr<VariableDefinitionEditor> editor_;
    QPointer<StatisticsView> statistics_;
    QLineEdit* txtVarNo_;
    QLineEdit* txtVName_;
    QRadioButton* optTypeCont_;
    QRadioButton* optTypeCateg_;
    QLineEdit* txtRange_[2];
    QLabel* lblRange_;
    QPushButton* cmdBefore_;
    QPushButton* cmdNext_;
};

}  // namespace zoriduvo
