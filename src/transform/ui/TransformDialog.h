#pragma once
#include <QDialog>
#include <optional>

#include "transform/FormulaHistory.h"
#include "transform/TransformList.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zoriduvo {

class App;
class Sheet;

// The transformation dialog frmTrans (modal, "変数変換"): statements are typed, compiled into the
// list and run over the sheet by "実行", which closes the dialog.
class TransformDialog : public QDialog {
    Q_OBJECT
public:
    TransformDialog(App& app, Sheet& sheet, QWidget* parent = nullptr);

    // Cancel, Escape or closing: the grid's current cell is put back as it was at opening.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Selection {
        int start, length;  // in characters of the edit line
    };
    Selection editSelection() const;
    void setEditLine(const struct EditLine& line);
    void addStatement();
    void correctStatement();
    void removeStatement();
    void deleteSelection();
    void insertFunction();
    void insertVariable();
    void insertOperator(const QString& text);
    void execute();
    void refreshButtons();

    App& app_;
    Sheet& sheet_;
    TransformList list_;
    FormulaHistory history_;
    std::optional<Selection> savedSelection_;  // kept while the edit line has no focus
    QLineEdit* txtTForm_;
    QListWidget* lstTForm_;
    QListWidget* lstFunc_;
    QListWidget* lstVar_;
    QPushButton* cmdRep_;
    QPushButton* cmdRemo_;
    QPushButton* cmdExec_;
};

}  // namespace zoriduvo
