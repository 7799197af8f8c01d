// frmExport as a user works it: Mirv/B chosen at the start, the browse dialog with the chosen
// form's filter, a refused path keeps the dialog open, a run writes the file and closes it.
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiTestRegistry.h"
#include "files/ui/ExportDialog.h"
#include "sheet/SheetRecords.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

using namespace zoriduvo;

namespace {
template <typename T>
T* Control(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}
}  // namespace

class ExportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void browseRefuseAndWrite() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("data.txt").toStdString();
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"1", "2"}, {"3", ""}});
        ExportDialog dialog(t.app, sheet);
        dialog.show();
        QVERIFY(Control<QRadioButton>(&dialog, "optMirv")->isChecked());
        Control<QRadioButton>(&dialog, "optLisp")->click();
        t.ui.fileNames = {path};
        Control<QPushButton>(&dialog, "cmdRef")->click();
        QCOMPARE(t.ui.fileDialogs.at(0).filterIndex, 3);
        QCOMPARE(t.ui.fileDialogs.at(0).title, std::string("Export"));
        Control<QPushButton>(&dialog, "cmdExec")->click();
        QCOMPARE(QString::fromStdString(t.ui.messages.at(0).text), QString("拡張子が違います(*.LSP)。"));
        QVERIFY(dialog.isVisible());

        Control<QRadioButton>(&dialog, "optDataOnly")->click();
        Control<QPushButton>(&dialog, "cmdExec")->click();
        QVERIFY(!dialog.isVisible());
        QFile written(folder.filePath("data.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("1,2\r\n3, \r\n"));
    }

    // A blank code the Mirv/B import would read as a value is told while the pair is chosen.
    void noteOfTheBlankCodeFollowsTheChosenForm() {
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"1", ""}});
        sheet.information().blankCode = "-999";
        ExportDialog dialog(t.app, sheet);
        dialog.show();
        auto* note = Control<QLabel>(&dialog, "lblNote");
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains("「-999」"));
        Control<QRadioButton>(&dialog, "optCSV")->click();
        QVERIFY(!note->isVisible());
        Control<QRadioButton>(&dialog, "optMirv")->click();
        QVERIFY(note->isVisible());
    }

    // The forms of the programs users analyse in follow the nine, and one of them writes its file.
    void exchangeFormsFollowTheNineAndWrite() {
        QTemporaryDir folder;
        test::TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"1", "2"}, {"3", ""}});
        ExportDialog dialog(t.app, sheet);
        dialog.show();
        QStringList order;
        for (QRadioButton* option : dialog.findChildren<QRadioButton*>()) order << option->objectName();
        QCOMPARE(order.mid(9), QStringList({"optSav", "optDta", "optXpt", "optXlsx", "optDataCsv", "optDataCsvCp932"}));
        Control<QRadioButton>(&dialog, "optSav")->click();
        t.ui.fileNames = {folder.filePath("data.sav").toStdString()};
        Control<QPushButton>(&dialog, "cmdRef")->click();
        QCOMPARE(t.ui.fileDialogs.at(0).filterIndex, 8);
        Control<QPushButton>(&dialog, "cmdExec")->click();
        QVERIFY(!dialog.isVisible());
        QFile written(folder.filePath("data.sav"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(4) == QByteArray("$FL2"));
    }
};

REGISTER_GUI_TEST(ExportDialogTest);
#include "ExportDialogTest.moc"
