#pragma once
#include <QDialog>
#include <QPointer>
#include <memory>

#include "sheet/ModelChange.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace zoriduvo {

class App;
class Sheet;
class BulkTypeEditor;

// The bulk type dialog frmVtype (not modal): chosen variable names get one type and range.
// The rules live in BulkTypeEditor; this window shows its lists.
class BulkTypeDialog : public QDialog, public ModelObserver {
    Q_OBJECT
public:
    BulkTypeDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);
    ~BulkTypeDialog() override;

    // The one dialog, opened on the sheet or brought to the front.
    static BulkTypeDialog* Open(App& app, Sheet& sheet, QWidget* parent);

    BulkTypeEditor& editor() { return *editor_; }
    void modelChanged(const ModelChange& change) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void follow(Sheet& sheet);
    void showLists();
    void showType();
    void execute();

    void stopListening();

    App& app_;
    bool listening_ = false;
    std::unique_ptr<BulkTypeEditor> editor_;
    QListWidget* lstVar_;
    QListWidget* lstData_;
    QRadioButton* optVType_[2];
    QLineEdit* txtRange_[2];
    QLabel* lblRange_;
};

}  // namespace zoriduvo
