#pragma once
#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zoriduvo {

class App;
class Sheet;
struct ExportForm;

// The export dialog frmExport (modal): one option button per form, the path and its browse dialog.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

private:
    const ExportForm& chosen() const;
    void showNote();
    void browse();
    void execute();

    App& app_;
    Sheet& sheet_;
    std::vector<std::pair<QRadioButton*, const ExportForm*>> options_;
    QLineEdit* txtFileName_;
    QLabel* lblNote_;
};

}  // namespace zoriduvo
