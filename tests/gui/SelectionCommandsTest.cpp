#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <functional>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "UserActions.h"
#include "edit/InsertDelete.h"

using namespace zoriduvo;
using test::UserFrame;

namespace {
// The grid's current cell and selection end a gesture must leave, in grid rows and columns.
struct Corners {
    int row, col, rowSel, colSel;
};

struct Gesture {
    const char* name;
    std::function<void(UserFrame&)> act;
    Corners expected;
};

// 200 cases, 12 variables: the grid has rows 0..201 and columns 0..21.
constexpr int kLastRow = 201, kLastCol = 21, kCases = 200, kVariables = 12;

const std::vector<Gesture>& Gestures() {
    static const std::vector<Gesture> gestures{
        {"column header after scrolling down",
         [](UserFrame& f) {
             f.scrollTo(82);
             f.clickHeader(Qt::Horizontal, 2);
         },
         {2, 3, kLastRow, 3}},
        {"row header after scrolling right",
         [](UserFrame& f) {
             f.scrollTo(1, 9);
             f.clickHeader(Qt::Vertical, 5);
         },
         {6, 2, 6, kLastCol}},
        {"shift+click",
         [](UserFrame& f) {
             f.clickCell(5, 10);
             f.clickCell(6, 11, Qt::ShiftModifier);
         },
         {6, 11, 7, 12}},
        {"shift+click past the last variable",
         [](UserFrame& f) {
             f.clickCell(1, 11);
             f.clickCell(2, 13, Qt::ShiftModifier);
         },
         {2, 12, 3, 14}},
        {"drag",
         [](UserFrame& f) { f.dragCells(3, 3, 4, 5); },
         {4, 4, 5, 6}},
        {"shift+arrows",
         [](UserFrame& f) {
             f.clickCell(1, 3);
             f.key(Qt::Key_Down, Qt::ShiftModifier, 2);
             f.key(Qt::Key_Right, Qt::ShiftModifier);
         },
         {2, 4, 4, 5}},
        {"header then shift+header after scrolling",
         [](UserFrame& f) {
             f.scrollTo(50);
             f.clickHeader(Qt::Horizontal, 3);
             f.clickHeader(Qt::Horizontal, 5, Qt::ShiftModifier);
         },
         {2, 4, kLastRow, 6}},
        {"corner button",
         [](UserFrame& f) {
             f.scrollTo(90, 4);
             f.view()->findChild<QAbstractButton*>()->click();
         },
         {2, 2, kLastRow, kLastCol}},
    };
    return gestures;
}

int Value(int row, int col) { return (row - 1) * 100 + col - 1; }

// The block a command on the data acts on: the selection within the used range.
Corners DataBlock(const Corners& c) {
    return {std::max(2, std::min(c.row, c.rowSel)), std::max(2, std::min(c.col, c.colSel)),
            std::min(kCases + 1, std::max(c.row, c.rowSel)), std::min(kVariables + 1, std::max(c.col, c.colSel))};
}

bool Inside(const Corners& block, int row, int col) {
    return row >= block.row && row <= block.rowSel && col >= block.col && col <= block.colSel;
}

QString Describe(const Gesture& g, const char* what) { return QString("%1: %2").arg(g.name, what); }
}  // namespace

class SelectionCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The grid's corners, and the view showing them back: the block selected and the current
    // index where the selection began.
    void gesturesSelectWhatTheUserSees() {
        for (const Gesture& g : Gestures()) {
            UserFrame f;
            g.act(f);
            const Grid& grid = f.grid();
            const QString got = QString("%1,%2 - %3,%4").arg(grid.row()).arg(grid.col()).arg(grid.rowSel()).arg(grid.colSel());
            const Corners& e = g.expected;
            const QString want = QString("%1,%2 - %3,%4").arg(e.row).arg(e.col).arg(e.rowSel).arg(e.colSel);
            QVERIFY2(got == want, qPrintable(Describe(g, "corners ") + got + " want " + want));
            const QModelIndex current = f.view()->currentIndex();
            QVERIFY2(current.row() + 2 == e.row && current.column() + 2 == e.col, qPrintable(Describe(g, "view's index")));
            const auto selection = f.view()->selectionModel()->selection();
            QVERIFY2(!selection.isEmpty() && selection.first().bottom() + 2 == std::max(e.row, e.rowSel) &&
                         selection.first().right() + 2 == std::max(e.col, e.colSel),
                     qPrintable(Describe(g, "view's block")));
        }
    }

    void copyTakesTheSelectedBlockClampedToTheData() {
        for (const Gesture& g : Gestures()) {
            UserFrame f;
            g.act(f);
            f.key(Qt::Key_C, Qt::ControlModifier);
            const Corners block = DataBlock(g.expected);
            QStringList rows = QString::fromStdString(f.t.clipboard.content).split(QRegularExpression("\r\n|\r|\n"));
            if (!rows.isEmpty() && rows.last().isEmpty()) rows.removeLast();
            QVERIFY2(rows.size() == block.rowSel - block.row + 1, qPrintable(Describe(g, "rows copied")));
            for (int r = block.row; r <= block.rowSel; ++r) {
                QStringList values;
                for (int c = block.col; c <= block.colSel; ++c) values << QString::number(Value(r, c));
                QVERIFY2(rows.at(r - block.row) == values.join('\t'), qPrintable(Describe(g, "copied values")));
            }
        }
    }

    // Del empties exactly the block; the cells around it keep their values.
    void eraseEmptiesOnlyTheSelection() {
        for (const Gesture& g : Gestures()) {
            UserFrame f;
            g.act(f);
            f.t.ui.answers.push_back(Answer::Ok);
            f.key(Qt::Key_Delete);
            const Corners block = DataBlock(g.expected);
            for (int r = 2; r <= kCases + 1; ++r)
                for (int c = 2; c <= kVariables + 1; ++c) {
                    const std::string want = Inside(block, r, c) ? "" : std::to_string(Value(r, c));
                    if (std::string(f.grid().text(r, c)) != want)
                        QFAIL(qPrintable(Describe(g, "erased cell ") + QString("%1,%2").arg(r).arg(c)));
                }
        }
    }

    // A block pasted goes where the selection began.
    void pasteStartsWhereTheSelectionBegan() {
        for (const Gesture& g : Gestures()) {
            UserFrame f;
            g.act(f);
            f.t.clipboard.content = "X\tY\rZ\tW";
            f.key(Qt::Key_V, Qt::ControlModifier);
            const int r = g.expected.row, c = g.expected.col;
            QVERIFY2(std::string(f.grid().text(r, c)) == "X" && std::string(f.grid().text(r + 1, c + 1)) == "W",
                     qPrintable(Describe(g, "pasted at")));
        }
    }

    // Whole lines go at once with Shift+Del, and only they.
    void deleteRemovesTheSelectedLines() {
        for (const Gesture& g : Gestures()) {
            const Corners& e = g.expected;
            const bool columns = std::min(e.row, e.rowSel) == 2 && std::max(e.row, e.rowSel) == kLastRow;
            const bool rows = std::min(e.col, e.colSel) == 2 && std::max(e.col, e.colSel) == kLastCol;
            if (columns == rows) continue;  // a block asks in a dialog; everything is not deleted at once
            UserFrame f;
            g.act(f);
            f.key(Qt::Key_Delete, Qt::ShiftModifier);
            const int first = columns ? std::min(e.col, e.colSel) : std::min(e.row, e.rowSel);
            const int count = (columns ? std::abs(e.colSel - e.col) : std::abs(e.rowSel - e.row)) + 1;
            if (columns) {
                QVERIFY2(f.sheet().variableCount() == kVariables - count, qPrintable(Describe(g, "variables left")));
                QVERIFY2(std::string(f.grid().text(2, first)) == std::to_string(Value(2, first + count)),
                         qPrintable(Describe(g, "next column moved in")));
            } else {
                QVERIFY2(f.sheet().caseCount() == kCases - count, qPrintable(Describe(g, "cases left")));
                QVERIFY2(std::string(f.grid().text(first, 2)) == std::to_string(Value(first + count, 2)),
                         qPrintable(Describe(g, "next row moved in")));
            }
        }
    }

    // The range dialog starts from the selected cases when whole rows are selected, else from all.
    void rangeDialogStartsFromSelectedRows() {
        for (const Gesture& g : Gestures()) {
            const Corners& e = g.expected;
            const bool rows = std::min(e.col, e.colSel) == 2 && std::max(e.col, e.colSel) == kLastCol;
            const int from = rows ? std::min(e.row, e.rowSel) - 1 : 1;
            const int to = rows ? std::min(std::max(e.row, e.rowSel) - 1, kCases) : kCases;
            UserFrame f;
            g.act(f);
            QString shown;
            bool done = false;
            test::WhenModal([&shown](QWidget* dialog) {
                shown = test::Child<QLineEdit>(dialog, "txtFrom")->text() + "-" +
                        test::Child<QLineEdit>(dialog, "txtTo")->text();
                dialog->close();
            }, &done);
            f.frame.sheetAction("mnuDRange")->trigger();
            QVERIFY2(done, qPrintable(Describe(g, "range dialog")));
            QVERIFY2(shown == QString("%1-%2").arg(from).arg(to), qPrintable(Describe(g, "range ") + shown));
        }
    }

    // Typing after Shift+Down goes into the cell where the selection began.
    void typingAfterShiftDownGoesToTheCurrentCell() {
        UserFrame f;
        f.clickCell(1, 3);
        f.key(Qt::Key_Down, Qt::ShiftModifier);
        f.typeKeys("9");
        QVERIFY(f.window->editor()->isVisible());
        f.key(Qt::Key_Return);
        QCOMPARE(f.cell(1, 3), std::string("9"));
        QCOMPARE(f.cell(2, 3), std::to_string(Value(3, 4)));
    }

    // Ctrl+V in the editor: a block ends the edit and is pasted at the cursor; a value is typed.
    void pasteWhileEditing() {
        UserFrame f(3, 3);
        f.clickCell(1, 1);
        f.typeKeys("12");
        f.putOnClipboard("5");
        f.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(f.window->editor()->isVisible());
        QCOMPARE(f.window->editor()->text(), QString("125"));
        f.putOnClipboard("7\t8");
        f.key(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!f.window->editor()->isVisible());
        QCOMPARE(f.cell(1, 1), std::string("7"));
        QCOMPARE(f.cell(1, 2), std::string("8"));
        // The edit was a step of its own: undoing the paste shows what was typed.
        f.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.cell(1, 1), std::string("125"));
    }
};

REGISTER_GUI_TEST(SelectionCommandsTest);
#include "SelectionCommandsTest.moc"
