#pragma once
#include <QDialog>
#include <array>

class QLabel;

namespace zoriduvo {

class Sheet;

// The per-variable statistics view frmStat, opened beside the variable dialog without blocking.
// It shows the variable kept in its tag over all cases, computed afresh whenever it is shown or
// activated; the variable dialog passes a new number through showVariable.
class StatisticsView : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsView(Sheet& sheet, QWidget* parent = nullptr);

    int variable() const { return variable_; }
    void setVariable(int variable) { variable_ = variable; }
    void showVariable(int variable);
    // The figures of the tag's variable as the sheet holds them now.
    void refresh();

signals:
    // OK or closing: the variable dialog takes its tag back.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Sheet& sheet_;
    int variable_ = 1;
    QLabel* lblBStat_;
    std::array<QLabel*, 5> lblUniStat_{};
};

}  // namespace zoriduvo
