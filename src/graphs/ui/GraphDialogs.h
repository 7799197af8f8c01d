#pragma once
#include <QDialog>
#include <functional>

#include "graphs/GraphData.h"
#include "graphs/ScatterTitles.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zoriduvo {

class App;
class Sheet;

// What a plot dialog does with the graph it made: a new graph window shows it.
using ShowGraph = std::function<void(Graph)>;

// frmGPlot: X and Y variables and the three titles.
class ScatterDialog : public QDialog {
    Q_OBJECT
public:
    ScatterDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent = nullptr);

private:
    void fill();
    void choose(bool x);
    void execute();

    App& app_;
    Sheet& sheet_;
    ShowGraph show_;
    ScatterTitles titles_;
    QListWidget* lstVar_;
    QLabel *lblXData_, *lblYData_;
    QLineEdit *txtTitle_, *txtXTitle_, *txtYTitle_;
    QPushButton *cmdXData_, *cmdYData_;
};

// frmGBox: the variables in order and the kind of box.
class BoxDialog : public QDialog {
    Q_OBJECT
public:
    BoxDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent = nullptr);

private:
    void fill();
    void execute();

    App& app_;
    Sheet& sheet_;
    ShowGraph show_;
    QListWidget *lstVar_, *lstData_;
    QButtonGroup* optBox_;
};

// frmGIndex: one variable.
class IndexDialog : public QDialog {
    Q_OBJECT
public:
    IndexDialog(App& app, Sheet& sheet, ShowGraph show, QWidget* parent = nullptr);

private:
    void fill();
    void execute();

    App& app_;
    Sheet& sheet_;
    ShowGraph show_;
    QListWidget* lstVar_;
    QLabel* lblXData_;
    QPushButton* cmdXData_;
};

}  // namespace zoriduvo
