#include <QAction>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/ui/FileDrop.h"
#include "app/ui/RecoveryKeeper.h"
#include "files/Recovery.h"
#include "platform/qt/QtText.h"
#include "sheet/CellEditing.h"
#include "sheet/SheetRegistry.h"

using namespace zoriduvo;

class UndoRecoveryDropTest : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+Z names the step and takes it back; Ctrl+Y puts it again.
    void undoAndRedoFromTheEditMenu() {
        test::Frame f;
        Sheet& sheet = f.t.app.sheet(f.t.app.activeSheet());
        sheet.grdVo.setCurrent(2, 2);
        CommitEditorWithEnter(f.t.app, sheet, "5");
        MoveAfterKey(f.t.app, sheet, CursorKey::Enter);
        QAction* undo = f.frame.findChild<QAction*>("mnuEUndo");
        QAction* redo = f.frame.findChild<QAction*>("mnuERedo");
        QVERIFY(undo && redo);
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QString("元に戻す: 入力(&U)"));
        QVERIFY(!redo->isEnabled());
        undo->trigger();
        QCOMPARE(ToQString(sheet.grdVo.text(2, 2).view()), QString());
        QVERIFY(!sheet.modified());
        QVERIFY(redo->isEnabled());
        redo->trigger();
        QCOMPARE(ToQString(sheet.grdVo.text(2, 2).view()), QString("5"));
    }

    void droppedFilesOpenAsOpenOpensThem() {
        test::Frame f;
        QTemporaryDir folder;
        const QString path = folder.filePath("dropped.csv");
        std::ofstream(ToUtf8(path)) << "a,b\n1,2\n3,4\n";
        auto* filter = new FileDrop(f.t.app, f.frame);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(filter->eventFilter(&f.frame, &drop));
        const Sheet& sheet = f.t.app.sheet(f.t.app.openSheets().back());
        QCOMPARE(sheet.caseCount(), 2);
        QCOMPARE(ToQString(sheet.grdVo.text(1, 3).view()), QString("b"));
    }

    // What a dead run left is offered at start; restored sheets come back modified and their files
    // move into this run, which a normal end removes.
    void sheetsLeftByADeadRunAreOffered() {
        QTemporaryDir root;
        std::string deadFolder;
        {
            test::TestApp earlier;
            Sheet& typed = earlier.app.sheet(NewSheet(earlier.app));
            typed.grdVo.setText(2, 2, "8");
            typed.setEndCell(0, "2");
            typed.setEndCell(1, "2");
            typed.setModified(true);
            RecoveryRun dead(ToUtf8(root.path()));
            deadFolder = dead.folder();
            QVERIFY(!WriteRecoverySnapshot(TakeRecoverySnapshot(earlier.app, dead.folder())));
        }
        test::Frame f;
        f.t.ui.answers.push_back(Answer::Yes);
        RecoveryKeeper keeper(f.t.app, f.frame.commands(), ToUtf8(root.path()));
        keeper.offerLeftSheets();
        const Sheet& restored = f.t.app.sheet(f.t.app.openSheets().back());
        QCOMPARE(ToQString(restored.grdVo.text(2, 2).view()), QString("8"));
        QVERIFY(restored.modified());
        QVERIFY(!QDir(ToQString(deadFolder)).exists());
        QVERIFY(QFile::exists(ToQString(keeper.runFolder() + "/" + std::to_string(restored.number()) + ".rec")));
        keeper.finish();
        QVERIFY(!QDir(ToQString(keeper.runFolder())).exists());
    }

    // A copy that cannot be written is said in the status bar.
    void aFailedWriteIsToldInTheStatusBar() {
        QTemporaryDir place;
        QFile blocker(place.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        test::Frame f;
        Sheet& typed = f.t.app.sheet(1);
        typed.grdVo.setText(2, 2, "8");
        typed.setEndCell(0, "2");
        typed.setEndCell(1, "2");
        typed.setModified(true);
        RecoveryKeeper keeper(f.t.app, f.frame.commands(), ToUtf8(place.filePath("file/recovery")));
        keeper.tellFailuresIn(f.frame.statusBar());
        keeper.keep();
        QTRY_COMPARE(f.frame.statusBar()->currentMessage(), QString("自動保存できませんでした"));
        keeper.finish();
    }
};

REGISTER_GUI_TEST(UndoRecoveryDropTest);
#include "UndoRecoveryDropTest.moc"
