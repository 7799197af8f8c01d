#pragma once
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace zoriduvo {

class App;
class Sheet;

// frmJump "ジャンプ" (modal): to a case and variable, to the first cell or to the last used one.
class JumpDialog : public QDialog {
    Q_OBJECT
public:
    JumpDialog(Sheet& sheet, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void execute();

    Sheet& sheet_;
    QRadioButton* toCell_;
    QRadioButton* first_;
    QLineEdit* txtRow_;
    QLineEdit* txtCol_;
};

}  // namespace zoriduvo
