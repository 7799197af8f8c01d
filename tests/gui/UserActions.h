// What a user does with the mouse and the keyboard on the real frame and sheet window: clicks on
// cells and headers, Shift+clicks, drags, scrolling, keys, and answers to modal dialogs.
#pragma once
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "sheet/ui/SheetWindow.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo::test {

// The frame shown and active, sheet 1 as typed in: case c, variable v holds c * 100 + v.
struct UserFrame {
    TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
    SheetWindow* window = nullptr;

    explicit UserFrame(int cases = 200, int variables = 12) {
        frame.resize(900, 700);
        frame.show();
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame)) qWarning("frame not active");
        StartUp(t.app);
        std::vector<std::vector<std::string>> values(cases, std::vector<std::string>(variables));
        for (int c = 0; c < cases; ++c)
            for (int v = 0; v < variables; ++v) values[c][v] = std::to_string((c + 1) * 100 + v + 1);
        FillSheet(sheet(), values);
        window = qobject_cast<SheetWindow*>(frame.sheetWindow(1)->widget());
        view()->setFocus();
        QCoreApplication::processEvents();
    }
    Sheet& sheet() { return t.app.sheet(1); }
    Grid& grid() { return sheet().grdVo; }
    QTableView* view() { return window->grid(); }
    std::string cell(int caseNumber, int variable) { return std::string(grid().text(caseNumber + 1, variable + 1)); }

    // Scrolls with the scroll bars so that the case is the top row and the variable the left column.
    void scrollTo(int caseNumber, int variable = 1) {
        view()->verticalScrollBar()->setValue(caseNumber - 1);
        view()->horizontalScrollBar()->setValue(variable - 1);
        QCoreApplication::processEvents();
    }
    QPoint cellPoint(int caseNumber, int variable) {
        const QModelIndex index = view()->model()->index(caseNumber - 1, variable - 1);
        view()->scrollTo(index);
        return view()->visualRect(index).center();
    }
    void clickCell(int caseNumber, int variable, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, keys, cellPoint(caseNumber, variable));
    }
    void dragCells(int fromCase, int fromVariable, int toCase, int toVariable) {
        const QPoint from = cellPoint(fromCase, fromVariable), to = cellPoint(toCase, toVariable);
        QWidget* port = view()->viewport();
        QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, port->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, to);
    }
    // Drags the right edge of a variable's header section by dx pixels, as a user widens a column.
    void dragHeaderEdge(int variable, int dx) {
        QHeaderView* header = view()->horizontalHeader();
        const int edge = header->sectionViewportPosition(variable - 1) + header->sectionSize(variable - 1) - 1;
        const QPoint from(edge, header->height() / 2), to(edge + dx, header->height() / 2);
        QWidget* port = header->viewport();
        QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, port->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, to);
    }
    // A click on the middle of a header section as it shows now.
    void clickHeader(Qt::Orientation orientation, int number, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QHeaderView* header = orientation == Qt::Horizontal ? view()->horizontalHeader() : view()->verticalHeader();
        const int middle = header->sectionViewportPosition(number - 1) + header->sectionSize(number - 1) / 2;
        const QPoint at = orientation == Qt::Horizontal ? QPoint(middle, header->height() / 2)
                                                        : QPoint(header->width() / 2, middle);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, keys, at);
    }
    void key(int key, Qt::KeyboardModifiers keys = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(focused(), Qt::Key(key), keys);
    }
    void typeKeys(const QString& text) {
        for (QChar ch : text) QTest::keyClick(focused(), ch.toLatin1());
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    // The text on the clipboard, for the program's commands and for Qt's own text boxes alike.
    void putOnClipboard(const std::string& text) {
        t.clipboard.content = text;
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
};

// Runs act on the next modal dialog once it is up; a dialog that does not come within five seconds
// is given up, and the test that waits for done fails.
inline void WhenModal(std::function<void(QWidget*)> act, bool* done = nullptr) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, done, ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (++ticks > 500) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
        if (done) *done = true;
    });
    timer->start();
}

}  // namespace zoriduvo::test
