#pragma once
#include <QDialog>
#include <string>

class QLineEdit;
class QRadioButton;

namespace zoriduvo {

class App;

// The detailed layout dialog frmImport2 (modal): lines to skip, counts, names, types and case
// names. Accepted once the file is imported; "戻る" rejects it and the import dialog stays.
class ImportDetailDialog : public QDialog {
    Q_OBJECT
public:
    ImportDetailDialog(App& app, std::string path, QWidget* parent = nullptr);

private:
    void execute();

    App& app_;
    std::string path_;
    QLineEdit* txtRecord_;
    QLineEdit* txtCaseN_;
    QLineEdit* txtVarN_;
    QRadioButton* optCGroup_[2];
    QRadioButton* optCaseN_[2];
    QRadioButton* optVName_[3];
    QRadioButton* optVType_[2];
    QRadioButton* optCName_[3];
};

}  // namespace zoriduvo
