#pragma once
#include <QDialog>

namespace zoriduvo {

class Ui;

// The version box frmAbout.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(Ui& ui, QWidget* parent = nullptr);

private:
    void startSystemInformation();
    Ui& ui_;
};

}  // namespace zoriduvo
