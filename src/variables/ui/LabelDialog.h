#pragma once
#include <QDialog>

class QRadioButton;

namespace zoriduvo {

class Sheet;

// frmLabelG (generate) and frmLabelE (erase): variable names, case names or both, in bulk.
class LabelDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Generate, Erase };
    LabelDialog(Sheet& sheet, Mode mode, QWidget* parent = nullptr);

private:
    void execute();

    Sheet& sheet_;
    Mode mode_;
    QRadioButton* optLabel_[3];
};

}  // namespace zoriduvo
