#pragma once
#include <QDialog>

#include "edit/FindReplace.h"
#include "edit/ui/SearchOptions.h"

class QLineEdit;

namespace zoriduvo {

class App;
class Sheet;

// frmFind "検索" (modal): the value, the line and the way to search it along.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void execute();

    App& app_;
    Sheet& sheet_;
    SearchStart start_;
    QLineEdit* txtFind_;
    SearchOptions options_;
};

}  // namespace zoriduvo
