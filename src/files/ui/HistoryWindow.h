#pragma once
#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace zoriduvo {

class App;
class Sheet;

// "操作の記録": the active sheet's steps with their times and command lines, the current place
// in the undo history marked and the undone steps greyed; "スクリプトとして保存..." writes the
// steps that stand as a shell script. The rows come from ViewOfHistory, the script from the core.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(App& app, Sheet& sheet, QWidget* parent = nullptr);

    static void Run(App& app, Sheet& sheet, QWidget* parent);
    QTreeWidget& steps() { return *steps_; }
    // "スクリプトとして保存...": asks for the script's name, then writes it.
    void saveScript();

private:
    App& app_;
    Sheet& sheet_;
    QTreeWidget* steps_;
    QPushButton* save_;
};

}  // namespace zoriduvo
