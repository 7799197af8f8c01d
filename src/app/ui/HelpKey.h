#pragma once
#include <QObject>
#include <QString>

class QMdiArea;
class QWidget;

namespace zoriduvo {

class App;

// The guide's section for a window of the program: a dialog's command, the sheet, a graph.
QString HelpAnchorFor(const QWidget* window, const QMdiArea& windows);

// F1 anywhere in the program opens the guide at the section of the active dialog or window.
class HelpKey : public QObject {
public:
    HelpKey(App& app, QWidget& frame, QMdiArea& windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    App& app_;
    QWidget& frame_;
    QMdiArea& windows_;
};

}  // namespace zoriduvo
