#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "DialogChild.h"
#include "files/Cp932.h"
#include "GuiTestRegistry.h"
#include "app/StartUp.h"
#include "files/ui/FixedWidthDialog.h"
#include "files/ui/ImportDialog.h"
#include "support/Fakes.h"

using namespace zoriduvo;

namespace {
using test::Child;
// A file of the bytes given in a fresh folder.
std::string Write(const QTemporaryDir& folder, const char* name, const std::string& bytes) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", name);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName().toStdString();
}
}  // namespace

class ImportDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The browse dialog opens on the header's filter for a Mirv/B pair, on the text files' otherwise.
    void browseOpensOnTheFilterOfTheChosenLayout() {
        test::TestApp t;
        ImportDialog dialog(t.app);
        const std::pair<const char*, int> layouts[] = {{"optMirv", 1}, {"optDataOnly", 2}, {"optIndexData", 2}};
        for (const auto& [option, filter] : layouts) {
            Child<QRadioButton>(&dialog, option)->setChecked(true);
            Child<QPushButton>(&dialog, "cmdRef")->click();
            QVERIFY2(t.ui.fileDialogs.back().filterIndex == filter, option);
        }
    }

    // A whitespace-separated file with a names line, through "その他（詳細設定）".
    void describedImportReadsNamesAndValues() {
        test::TestApp t;
        StartUp(t.app);
        t.app.setActiveSheet(1);
        QTemporaryDir folder;
        const std::string path = Write(folder, "data.txt", "height weight\n170 60\n158 52\n");
        ImportDialog dialog(t.app);
        dialog.show();
        Child<QLineEdit>(&dialog, "txtFileName")->setText(QString::fromStdString(path));
        QTimer::singleShot(0, [] {
            QWidget* details = QApplication::activeModalWidget();
            QVERIFY(details && details->objectName() == "frmImport2");
            Child<QLineEdit>(details, "txtCaseN")->setText("2");
            Child<QLineEdit>(details, "txtVarN")->setText("2");
            Child<QRadioButton>(details, "optVName0")->click();
            Child<QPushButton>(details, "cmdExec")->click();
        });
        Child<QPushButton>(&dialog, "cmdOther")->click();
        QVERIFY(t.ui.messages.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Sheet& sheet = t.app.sheet(1);
        QCOMPARE(QString::fromStdString(sheet.caption()), QString("data.Vo"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(1, 3).view()), QString("weight"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 2).view()), QString("158"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 1).view()), QString("C2"));
    }

    void fixedWidthDialogDefinesAndImports() {
        test::TestApp t;
        StartUp(t.app);
        t.app.setActiveSheet(1);
        QTemporaryDir folder;
        const std::string text = "佐藤170 60\n山田158 52\n";
        const std::string path = Write(folder, "fixed.txt", *Utf8ToCp932(text));
        FixedWidthDialog dialog(t.app, path, text);
        dialog.show();
        auto* preview = Child<QPlainTextEdit>(&dialog, "txtShow");
        QVERIFY(preview->toPlainText().startsWith("    5   10   15\n    v    v    v\n佐藤170 60"));
        // The ruler lines up only when a full-width character is as wide as two half-width ones.
        const QFontMetrics metrics(preview->font());
        QCOMPARE(metrics.horizontalAdvance(QString("身")), 2 * metrics.horizontalAdvance(QString("5")));
        QCOMPARE(metrics.horizontalAdvance(QString("v")), metrics.horizontalAdvance(QString(" ")));
        auto* name = Child<QLineEdit>(&dialog, "txtVName");
        auto* first = Child<QLineEdit>(&dialog, "txtVar0");
        auto* last = Child<QLineEdit>(&dialog, "txtVar1");
        auto* define = Child<QPushButton>(&dialog, "cmdDef");
        auto* list = Child<QListWidget>(&dialog, "lstVar");
        name->setText("身長");
        first->setText("7");
        last->setText("5");
        define->click();
        QCOMPARE(last->text(), QString("7"));  // reversed columns: the last field is mended
        QCOMPARE(list->count(), 0);
        first->setText("5");
        define->click();
        QCOMPARE(list->item(0)->text(), QString("身長  [ 5 - 7 ]"));
        QVERIFY(name->text().isEmpty());
        QVERIFY(!Child<QPushButton>(&dialog, "cmdRep")->isEnabled());
        Child<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Sheet& sheet = t.app.sheet(1);
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(3, 2).view()), QString("158"));
        QCOMPARE(QString::fromUtf8(sheet.grdVo.text(2, 1).view()), QString("C1"));
    }
};

REGISTER_GUI_TEST(ImportDialogsTest);
#include "ImportDialogsTest.moc"
