#pragma once
#include <QDialog>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace zoriduvo {

class App;
class Sheet;
class CaseGroupEditor;

// The case-group dialog frmCGroup (modal). The rules live in CaseGroupEditor; this window
// shows its view and passes the user's edits in.
class CaseGroupDialog : public QDialog {
    Q_OBJECT
public:
    CaseGroupDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);
    ~CaseGroupDialog() override;

    // "ケースグループ(&G)...": refuses a sheet without cases, else runs the dialog.
    static void Run(App& app, Sheet& sheet, QWidget* parent);

    CaseGroupEditor& editor() { return *editor_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showView();

    std::unique_ptr<CaseGroupEditor> editor_;
    bool showing_ = false;
    QListWidget* lstCGroup_;
    QGroupBox* frameCG_;
    QLineEdit* txtCGroupS_;
    QLineEdit* txtCGroupE_;
    QLineEdit* txtCGroupC_;
    QScrollBar* vScroll1_;
    QLabel* restCaption_;
    QLabel* lblRestS_;
    QLabel* lblRestE_;
    QLabel* lblRestC_;
    QLabel* lblCG_;
    QLabel* lblGroupN_;
    QLabel* groupWord_;
    QLabel* lblRep_;
    QPushButton* cmdCGroup_;
    QPushButton* cmdRest_;
    QPushButton* cmdJoint_;
    QPushButton* cmdRep_;
    QPushButton* cmdRemo_;
    QPushButton* cmdExec_;
};

}  // namespace zoriduvo
