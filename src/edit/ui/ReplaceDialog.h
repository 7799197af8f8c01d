#pragma once
#include <QDialog>

#include "edit/FindReplace.h"
#include "edit/ui/SearchOptions.h"

class QLineEdit;

namespace zoriduvo {

class App;

// frmRepla "置換" (not modal): the value, its replacement, the line and the way. It works on the
// sheet that was active when it was last activated, from the cell that was current then.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(App& app, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void capture();
    void replace(bool all);

    App& app_;
    int sheetNumber_ = 0;
    SearchStart start_;
    bool running_ = false;  // the questions take the activation away and give it back
    QLineEdit* value_;
    QLineEdit* replacement_;
    SearchOptions options_;
};

}  // namespace zoriduvo
