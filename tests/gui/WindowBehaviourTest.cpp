#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "DialogChild.h"
#include "GuiTestRegistry.h"
#include "UserActions.h"
#include "app/ui/HelpKey.h"
#include "app/ui/HelpViewer.h"
#include "edit/ui/ReplaceDialog.h"
#include "platform/qt/ModelessDialog.h"

using namespace zoriduvo;
using test::Child;
using test::UserFrame;

namespace {
QString FocusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// The focused box's name, and whether its whole text is selected, as the user sees it.
QString FocusState() {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const bool selected = box && box->selectedText() == box->text();
    return FocusedName() + (selected ? " selected" : "");
}
}  // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT
private slots:
    // Each dialog opens with the keys in its first box, text selected; closing it gives the keys
    // back to the sheet.
    void dialogsOpenOnTheirFirstBoxAndGiveTheFocusBack() {
        const struct {
            const char* action;
            QString focus;
        } cases[] = {
            {"mnuEFind", "txtFind selected"},     {"mnuEJump", "txtRow selected"},
            {"mnuEInsert", "txtInsert selected"}, {"mnuEDelete", "txtDelete selected"},
            {"mnuDToBlank", "txtMiss selected"},  {"mnuDRange", "txtFrom selected"},
            {"mnuORnd", "txtRand selected"},
        };
        for (const auto& c : cases) {
            UserFrame f(5, 3);
            f.clickCell(2, 2);
            QString focus;
            bool done = false;
            test::WhenModal([&focus](QWidget* dialog) {
                QTest::qWait(20);
                focus = FocusState();
                Child<QPushButton>(dialog, "cmdCancel")->click();
            }, &done);
            f.frame.sheetAction(c.action)->trigger();
            QVERIFY2(done, c.action);
            QVERIFY2(focus == c.focus, qPrintable(QString(c.action) + ": " + focus));
            QTRY_VERIFY2(QApplication::focusWidget() == f.view(), c.action);
        }
    }

    // The search runs down the current column from the current cell.
    void findTypeEnterFindsTheTypedValue() {
        UserFrame f(20, 5);
        f.clickCell(1, 3);
        test::WhenModal([&f](QWidget*) {
            QTest::qWait(20);
            f.typeKeys("1203");
            f.key(Qt::Key_Return);
        });
        f.key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(f.grid().row(), 13);
        QCOMPARE(f.grid().col(), 4);
    }

    // "0" typed into the insert dialog's count is the count asked for: refused, nothing inserted.
    void insertCountTypedIsTheCountUsed() {
        UserFrame f(5, 3);
        f.clickCell(2, 2);
        bool stayed = false;
        test::WhenModal([&f, &stayed](QWidget* dialog) {
            QTest::qWait(20);
            f.typeKeys("0");
            f.key(Qt::Key_Return);
            stayed = dialog->isVisible();
            Child<QPushButton>(dialog, "cmdCancel")->click();
        });
        f.frame.sheetAction("mnuEInsert")->trigger();
        QVERIFY(stayed);
        QCOMPARE(f.t.ui.messages.size(), std::size_t(1));
        QCOMPARE(f.sheet().caseCount(), 5);
        QCOMPARE(f.cell(2, 2), std::string("202"));
    }

    void modelessDialogGivesTheFocusBackWhenClosed() {
        UserFrame f(5, 3);
        f.frame.sheetAction("mnuEReplace")->trigger();
        QPointer<ReplaceDialog> dialog = ModelessInstance<ReplaceDialog>();
        QVERIFY(dialog);
        QTRY_COMPARE(FocusState(), QString("txtRep0 selected"));
        dialog->close();
        QTRY_VERIFY(QApplication::focusWidget() == f.view());
    }

    // The caption and the Window menu mark a sheet with unsaved changes.
    void modifiedSheetIsMarkedInItsCaption() {
        UserFrame f(3, 3);
        QMdiSubWindow* window = f.frame.sheetWindow(1);
        f.sheet().setModified(false);
        QVERIFY(!window->isWindowModified());
        f.clickCell(1, 1);
        f.typeKeys("5");
        f.key(Qt::Key_Return);
        QVERIFY(window->isWindowModified());
        QMenu* menu = f.frame.sheetAction("mnuWindow")->menu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList entries;
        for (QAction* action : menu->actions()) entries << action->text();
        QVERIFY2(entries.contains("&1 " + QString::fromStdString(f.sheet().caption()) + "*"), qPrintable(entries.join('|')));
    }

    // A width the user dragged stays through later commands and their undo.
    void draggedColumnWidthStays() {
        UserFrame f(5, 3);
        QHeaderView* header = f.view()->horizontalHeader();
        const int before = header->sectionSize(0);
        f.dragHeaderEdge(1, 40);
        const int dragged = header->sectionSize(0);
        QVERIFY(dragged > before + 20);
        f.frame.sheetAction("mnuVStat")->trigger();
        f.clickCell(2, 2);
        f.t.ui.answers.push_back(Answer::Ok);
        f.key(Qt::Key_Delete);
        QCOMPARE(header->sectionSize(0), dragged);
        f.key(Qt::Key_Z, Qt::ControlModifier);
        f.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(header->sectionSize(0), dragged);
    }

    // A new graph window opens inside the visible part of the frame.
    void graphWindowOpensInView() {
        UserFrame f(10, 3);
        f.frame.sheetWindow(1)->move(200, 150);
        bool done = false;
        test::WhenModal([](QWidget* dialog) {
            Child<QListWidget>(dialog, "lstVar")->selectAll();
            Child<QPushButton>(dialog, "cmdData")->click();
            Child<QPushButton>(dialog, "cmdExec")->click();
        }, &done);
        f.frame.sheetAction("mnuGBox")->trigger();
        QVERIFY(done);
        QMdiSubWindow* graph = f.frame.mdiArea()->activeSubWindow();
        QVERIFY(graph && graph != f.frame.sheetWindow(1));
        const QRect area = f.frame.mdiArea()->viewport()->rect();
        QVERIFY2(area.contains(graph->geometry()), qPrintable(QString("%1,%2 %3x%4").arg(graph->x()).arg(graph->y())
                                                                  .arg(graph->width()).arg(graph->height())));
    }

    // F1 names the section of the active dialog or window.
    void helpKeyOpensTheSectionOfWhatIsActive() {
        UserFrame f(3, 3);
        QCOMPARE(HelpAnchorFor(&f.frame, *f.frame.mdiArea()), QString("sheet"));
        QString anchor;
        test::WhenModal([&anchor](QWidget* dialog) {
            QTest::qWait(20);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_F1);
            auto* viewer = dialog->findChild<HelpViewer*>("helpViewer");
            if (viewer) anchor = viewer->browser().source().fragment();
            Child<QPushButton>(dialog, "cmdCancel")->click();
        });
        f.frame.sheetAction("mnuEJump")->trigger();
        QCOMPARE(anchor, QString("mnuEJump"));
        QTRY_VERIFY(QApplication::focusWidget() == f.view());
        f.key(Qt::Key_F1);
        auto* viewer = f.frame.findChild<HelpViewer*>("helpViewer", Qt::FindDirectChildrenOnly);
        QVERIFY(viewer);
        QCOMPARE(viewer->browser().source().fragment(), QString("sheet"));
    }
};

REGISTER_GUI_TEST(WindowBehaviourTest);
#include "WindowBehaviourTest.moc"
