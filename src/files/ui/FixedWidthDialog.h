#pragma once
#include <QDialog>
#include <string>

#include "files/imports/FixedDefinitionList.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zoriduvo {

class App;

// The fixed-width dialog frmSetFData (modal): the file under a column ruler, the definition list
// and the case names. The rules are FixedDefinitionList's; this renders and forwards.
class FixedWidthDialog : public QDialog {
    Q_OBJECT
public:
    FixedWidthDialog(App& app, std::string path, const std::string& text, QWidget* parent = nullptr);

private:
    void define();
    void takeBack();
    void erase();
    void execute();
    void showList();
    // The focus and text a column check asks for; true when the columns are fine.
    bool mend(const ColumnCheck& check, QLineEdit* first, QLineEdit* last);

    App& app_;
    std::string path_;
    FixedDefinitionList list_;
    QPlainTextEdit* txtShow_;
    QLineEdit* txtVName_;
    QLineEdit* txtVar_[2];
    QListWidget* lstVar_;
    QPushButton* cmdRep_;
    QPushButton* cmdErase_;
    QRadioButton* optCName_[3];
    QLineEdit* txtCName_[2];
};

// Opens the dialog on the file at path (told when it cannot be read); true once it imported.
bool RunFixedWidthDialog(App& app, const std::string& path, QWidget* parent);

}  // namespace zoriduvo
