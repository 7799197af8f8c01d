#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zoriduvo {

class App;
class Sheet;

// The range dialog frmCRange (modal): cases from .. to for the analysis commands.
class RangeDialog : public QDialog {
    Q_OBJECT
public:
    RangeDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void execute();
    void removeRange();

    App& app_;
    Sheet& sheet_;
    QLineEdit* txtFrom_;
    QLineEdit* txtTo_;
    QLabel* lblCRange_;
    QLabel* lblNow_;
    QPushButton* cmdRemo_;
};

}  // namespace zoriduvo
