#pragma once
#include <QDialog>

class QLineEdit;

namespace zoriduvo {

class App;
class Sheet;

// frmFLabel: the sheet's file label, with the date, the time or the file name inserted at the
// selection of the new label.
class FileLabelDialog : public QDialog {
    Q_OBJECT
public:
    FileLabelDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

private:
    void insert(const std::string& text);
    void execute();

    App& app_;
    Sheet& sheet_;
    QLineEdit* txtFLabelNew_;
};

}  // namespace zoriduvo
