#pragma once
#include <QDialog>

class QLineEdit;

namespace zoriduvo {

class App;

// frmRand "乱数の初期化" (modal): the seed of the program's random generator, 0 for the clock.
class RandomSeedDialog : public QDialog {
    Q_OBJECT
public:
    explicit RandomSeedDialog(App& app, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    App& app_;
    QLineEdit* txtRand_;
};

}  // namespace zoriduvo
