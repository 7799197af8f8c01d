#pragma once
#include <QDialog>

class QLineEdit;

namespace zoriduvo {

class App;
class Sheet;

// The three dialogs of "欠損値の処理(&M)" (modal), one text box each: frmMissFrom (a value to
// blanks), frmMissTo (blanks to a value), frmMissCode (the blank output code).
class MissingValueDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { ToBlank, FromBlank, BlankCode };
    MissingValueDialog(App& app, Sheet& sheet, Kind kind, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void execute();

    App& app_;
    Sheet& sheet_;
    Kind kind_;
    QLineEdit* txtMiss_;
};

}  // namespace zoriduvo
