#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "sheet/ui/SheetWindow.h"
#include "support/Fakes.h"

using namespace zoriduvo;

namespace {
struct TypingFrame {
    test::TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
    SheetWindow* window = nullptr;
    TypingFrame() {
        frame.resize(900, 700);
        frame.show();
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame)) qWarning("frame not active");
        StartUp(t.app);
        window = qobject_cast<SheetWindow*>(frame.sheetWindow(1)->widget());
        window->grid()->setFocus();
    }
    Sheet& sheet() { return t.app.sheet(1); }
    QTableView* view() { return window->grid(); }
    void type(const QString& keys, Qt::KeyboardModifiers enter = Qt::NoModifier) {
        for (QChar ch : keys) {
            QWidget* target = window->editor()->isVisible() ? static_cast<QWidget*>(window->editor()) : view();
            QTest::keyClick(target, ch.toLatin1());
        }
        QTest::keyClick(window->editor()->isVisible() ? static_cast<QWidget*>(window->editor()) : view(),
                        Qt::Key_Return, enter);
    }
    void at(int row, int col) { sheet().grdVo.setCurrent(row, col); }
};
}  // namespace

class TypingTest : public QObject {
    Q_OBJECT
private slots:
    void firstValueNumbersAndUnlocks() {
        TypingFrame f;
        QTest::keyClick(f.view(), Qt::Key_5);
        QVERIFY(f.window->editor()->isVisible());
        QCOMPARE(f.window->editor()->text(), QString("5"));
        QTest::keyClick(f.window->editor(), Qt::Key_Return);
        QVERIFY(!f.window->editor()->isVisible());
        QCOMPARE(QString::fromStdString(std::string(f.sheet().grdVo.text(2, 2))), QString("5"));
        QCOMPARE(f.view()->model()->index(0, 0).data().toString(), QString("5"));
        QCOMPARE(f.view()->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("V1"));
        QCOMPARE(f.view()->model()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QString("C1"));
        QCOMPARE(f.view()->currentIndex(), f.view()->model()->index(1, 0));
        QCOMPARE(f.sheet().endCell(0), std::string("2"));
        QVERIFY(f.frame.toolbarAction("valignLeft")->isEnabled());
        QVERIFY(f.frame.sheetAction("mnuFClose")->isEnabled());
    }

    void keypadAndSignKeysOpenTheEditor() {
        TypingFrame f;
        QTest::keyClick(f.view(), Qt::Key_7, Qt::KeypadModifier);
        QCOMPARE(f.window->editor()->text(), QString("7"));
        QTest::keyClick(f.window->editor(), Qt::Key_Escape);
        QTest::keyClick(f.view(), Qt::Key_Minus);
        QCOMPARE(f.window->editor()->text(), QString("-"));
        QTest::keyClick(f.window->editor(), Qt::Key_Escape);
        QTest::keyClick(f.view(), Qt::Key_A);
        QVERIFY(!f.window->editor()->isVisible());
    }

    void typedFormsAsTheUserSeesThem() {
        TypingFrame f;
        f.type("123456789012");
        f.type(".00123");
        QCOMPARE(f.view()->model()->index(0, 0).data().toString(), QString("1.23457E+11"));
        QCOMPARE(f.view()->model()->index(1, 0).data().toString(), QString("0.00123"));
    }

    void growthAtRow85AndColumn17() {
        TypingFrame f;
        f.at(85, 2);
        f.type("1");
        QCOMPARE(f.view()->model()->rowCount(), 105);
        f.at(2, 17);
        f.type("1");
        QCOMPARE(f.view()->model()->columnCount(), 21);
        QCOMPARE(f.sheet().grdVoLabel.cols(), 22);
    }

    void escapeKeepsTheOldValue() {
        TypingFrame f;
        f.type("4");
        f.at(2, 2);
        QTest::keyClick(f.view(), Qt::Key_9);
        QTest::keyClick(f.window->editor(), Qt::Key_Escape);
        QVERIFY(!f.window->editor()->isVisible());
        QCOMPARE(std::string(f.sheet().grdVo.text(2, 2)), std::string("4"));
        QVERIFY(f.view()->hasFocus());
    }

    void clickElsewhereCommitsIntoTheOriginCell() {
        TypingFrame f;
        QTest::keyClick(f.view(), Qt::Key_3);
        QTest::keyClick(f.window->editor(), Qt::Key_1);
        const QRect target = f.view()->visualRect(f.view()->model()->index(3, 3));
        QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, target.center());
        QVERIFY(!f.window->editor()->isVisible());
        QCOMPARE(std::string(f.sheet().grdVo.text(2, 2)), std::string("31"));
        QCOMPARE(std::string(f.sheet().grdVo.text(5, 5)), std::string(""));
        QCOMPARE(f.sheet().grdVo.row(), 5);
        QCOMPARE(f.sheet().grdVo.col(), 5);
        QVERIFY(f.sheet().modified());
    }

    void movingKeysCommitIntoTheOriginCell() {
        const struct {
            const char* name;
            Qt::Key key;
        } cases[] = {{"down", Qt::Key_Down}, {"up", Qt::Key_Up}, {"tab", Qt::Key_Tab},
                     {"backtab", Qt::Key_Backtab}, {"page down", Qt::Key_PageDown}};
        for (const auto& c : cases) {
            TypingFrame f;
            f.at(4, 3);
            QTest::keyClick(f.view(), Qt::Key_9);
            QTest::keyClick(f.window->editor(), c.key);
            QVERIFY2(!f.window->editor()->isVisible(), c.name);
            QCOMPARE(std::string(f.sheet().grdVo.text(4, 3)), std::string("9"));
            const int row = f.sheet().grdVo.row(), col = f.sheet().grdVo.col();
            QVERIFY2(row != 4 || col != 3, c.name);
            // Enter now belongs to the grid: it moves on and writes nothing.
            QTest::keyClick(f.view(), Qt::Key_Return);
            QCOMPARE(std::string(f.sheet().grdVo.text(row, col)), std::string(""));
        }
    }

    void f2OnAnEmptyCellShowsZero() {
        TypingFrame f;
        QTest::keyClick(f.view(), Qt::Key_F2);
        QCOMPARE(f.window->editor()->text(), QString("0"));
    }

    void shiftEnterAndEndMoveAsDescribed() {
        TypingFrame f;
        f.at(51, 11);
        f.type("1");
        f.at(3, 10);
        f.type("2", Qt::ShiftModifier);
        QCOMPARE(f.sheet().grdVo.col(), 10);
        QCOMPARE(f.sheet().grdVo.row(), 2);
        QTest::keyClick(f.view(), Qt::Key_End);
        QCOMPARE(f.view()->currentIndex(), f.view()->model()->index(49, 9));
        QCOMPARE(f.sheet().grdVo.topRow(), 46);
        QCOMPARE(f.sheet().grdVo.leftCol(), 8);
        QTest::keyClick(f.view(), Qt::Key_Home);
        QCOMPARE(f.view()->currentIndex(), f.view()->model()->index(0, 0));
    }

    void typingAtTheBottomOfAFullSheetTouchesOneCell() {
        TypingFrame f;
        f.sheet().grdVo.setRows(32790);
        f.at(32768, 2);
        int changed = 0, resets = 0;
        connect(f.view()->model(), &QAbstractItemModel::dataChanged, [&] { ++changed; });
        connect(f.view()->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
        f.type("8");
        QCOMPARE(changed, 1);
        QCOMPARE(resets, 0);
        QCOMPARE(f.sheet().caseCount(), 32767);
    }
};

REGISTER_GUI_TEST(TypingTest);
#include "TypingTest.moc"
