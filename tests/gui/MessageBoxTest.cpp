#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QTreeView>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "GuiTestRegistry.h"
#include "categories/ui/CaseGroupDialog.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtUi.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/ui/VariableDefinitionDialog.h"

using namespace zoriduvo;

namespace {
// An App whose messages are real message boxes.
struct QtApp : test::AppOn<QtUi> {
    QWidget frame;
    QtApp() { ui.setParentWidget(&frame); }
};

struct SeenBox {
    QString title, text;
    QPointer<QWidget> parent;
};

// Runs the step, answering the message box it opens with Enter; returns what the box showed.
SeenBox AnswerBox(const std::function<void()>& step) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->parentWidget()};
        box->button(box->standardButtons() & QMessageBox::Cancel ? QMessageBox::Cancel : QMessageBox::Ok)->click();
    });
    step();
    return seen;
}

void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    // qWaitForWindowActive would count a dialog whose parent is active.
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; })) qWarning("window not active");
}
}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void theBoxBelongsToTheDialogAndGivesTheFocusBack() {
        QtApp q;
        Activate(&q.frame);
        Sheet& sheet = q.app.sheet(NewSheet(q.app));
        test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
        sheet.grdVo.setCurrent(2, 2);
        const struct {
            const char* name;
            std::function<QDialog*()> open;
            const char* field;
            const char* typed;
            const char* button;
        } cases[] = {
            {"modeless definition", [&] { return new VariableDefinitionDialog(q.app, sheet, &q.frame); }, "txtVName",
             "a,b", "cmdNext"},
            {"modal case groups", [&] { return new CaseGroupDialog(q.app, sheet, &q.frame); }, "txtCGroupC", "abc",
             "cmdCGroup"},
        };
        for (const auto& c : cases) {
            QPointer<QDialog> dialog = c.open();
            Activate(dialog);
            auto* field = dialog->findChild<QLineEdit*>(c.field);
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, c.typed);
            auto* button = dialog->findChild<QPushButton*>(c.button);
            const SeenBox seen = AnswerBox([button] { button->click(); });
            // The window manager activates the box's parent when it closes, and the parent its focus widget.
            QVERIFY2(seen.parent == dialog.data(), c.name);
            QVERIFY2(dialog->focusWidget() == field, c.name);
            delete dialog.data();
        }
    }

    void theBoxShowsOneLineBreakAndTheProgramTitle() {
        QtApp q;
        const struct {
            const char* name;
            std::string text, title;
            QString shownText, shownTitle;
        } cases[] = {
            {"LF CR", "'a'は保存されていません。\n\r保存しますか？", "ファイルを閉じる",
             "'a'は保存されていません。\n保存しますか？", "ファイルを閉じる"},
            {"CR LF", "a\r\nb", "t", "a\nb", "t"},
            {"no title", "x", "", "x", "Da ziv Oru32"},
        };
        for (const auto& c : cases) {
            const SeenBox seen = AnswerBox([&] { q.ui.message(c.text, c.title, MessageIcon::Question, MessageButtons::Ok); });
            QCOMPARE(seen.text, c.shownText);
            QCOMPARE(seen.title, c.shownTitle);
        }
    }

    void qtButtonsSpeakJapanese() {
        const auto texts = QtJapaneseTexts();
        QVERIFY(texts);
        QCoreApplication::installTranslator(texts.get());
        QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        const QString yes = box.button(QMessageBox::Yes)->text();
        QCoreApplication::removeTranslator(texts.get());
        QVERIFY2(yes.contains(QString::fromUtf8("はい")), qPrintable(yes));
    }

    void fileDialogsOpenInTheUsersFolder() {
        QtUi ui;
        QTemporaryDir folder;
        ui.setFolder(folder.path());
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        QVERIFY(!ui.openFileName({"開く", "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|", "vo", false, ""}));
        QCOMPARE(shown, QDir(folder.path()).absolutePath());
    }

    // Qt's own dialog (no desktop dialog on the offscreen platform): Japanese headings and dates,
    // and every column at least as wide as what it shows.
    void fileDialogSpeaksJapaneseAndFitsItsColumns() {
        const auto texts = QtJapaneseTexts();
        QVERIFY(texts);
        QCoreApplication::installTranslator(texts.get());
        const QLocale before;
        UseJapaneseLocale();
        QtUi ui;
        QTemporaryDir folder;
        QFile file(folder.filePath("とても長い名前のデータファイル.vo"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.close();
        QVERIFY(QDir(folder.path()).mkdir("フォルダ"));
        ui.setFolder(folder.path());
        QStringList headings, dates;
        bool fits = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* view = dialog->findChild<QTreeView*>();
            // The model fills from a worker thread.
            const bool listed = QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) == 2; }, 5000);
            if (!listed) {
                dialog->reject();
                return;
            }
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                headings << model->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < 2; ++row) {
                const QModelIndex index = model->index(row, 3, view->rootIndex());
                dates << model->data(index).toString();
            }
            fits = true;
            for (int column = 1; column < model->columnCount(); ++column)
                fits = fits && view->header()->sectionSize(column) >=
                                 static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(column);
            dialog->reject();
        });
        QVERIFY(!ui.openFileName({"開く", "すべてのﾌｧｲﾙ(*.*)|*|", "vo", false, ""}));
        QLocale::setDefault(before);
        QCoreApplication::removeTranslator(texts.get());
        QCOMPARE(headings.size(), 4);
        QVERIFY2(headings[0] == QString::fromUtf8("名前"), qPrintable(headings.join(',')));
        QCOMPARE(dates.size(), 2);
        const QString year = QString::number(QDate::currentDate().year());
        for (const QString& date : dates)
            QVERIFY2(date.startsWith(year + "/"), qPrintable(date));
        QVERIFY(fits);
    }
};

REGISTER_GUI_TEST(MessageBoxTest);
#include "MessageBoxTest.moc"
