// Files dropped on the frame open as Open opens them, one after another.
#pragma once
#include <QObject>

class QWidget;

namespace zoriduvo {

class App;

class FileDrop : public QObject {
public:
    FileDrop(App& app, QWidget& frame);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    App& app_;
};

}  // namespace zoriduvo
