#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/MenuTable.h"
#include "app/ui/HelpViewer.h"
#include "sheet/Commands.h"

using namespace zoriduvo;

namespace {
QString ReadGuide() {
    QFile file(ZORIDUVO_GUIDE);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Put(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(QFile::copy(ZORIDUVO_GUIDE, path));
}
}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    // Read from the frame as built, so a command registered later shows up here as a missing section.
    void everyRegisteredMenuCommandHasASection() {
        test::Frame f;
        const QString guide = ReadGuide();
        QVERIFY(!guide.isEmpty());
        QStringList missing;
        for (const auto& entries : {FrameMenuEntries(), SheetMenuEntries(), GraphMenuEntries()})
            for (const MenuEntry& entry : entries) {
                const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
                if (entry.level > 0 && f.frame.commands().has(std::string(entry.name)) &&
                    !guide.contains("name=\"" + name + "\"") && !missing.contains(name))
                    missing << name;
            }
        QVERIFY2(missing.isEmpty(), qPrintable("no section for " + missing.join(", ")));
    }

    // A section is headed by the command's caption as a menu shows it: no "&" marker, the
    // letter in brackets. Every key of a menu command is in the keyboard table beside it.
    void guideShowsCaptionsAndKeysAsTheMenusDo() {
        const QString guide = ReadGuide();
        QVERIFY(!guide.contains("&amp;"));
        QMap<QString, QStringList> captions;
        QStringList missingKeys;
        for (const auto& entries : {FrameMenuEntries(), SheetMenuEntries(), GraphMenuEntries()})
            for (const MenuEntry& entry : entries) {
                const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
                const QString caption =
                    QString::fromUtf8(entry.caption.data(), qsizetype(entry.caption.size())).remove('&');
                captions[name] << caption;
                const QString key = QString::fromUtf8(entry.shortcut.data(), qsizetype(entry.shortcut.size()));
                // The frame's menus and the sheet's may differ by the "..." of a dialog.
                QString plain = caption;
                while (plain.endsWith('.')) plain.chop(1);
                const QString row = "<td>" + QRegularExpression::escape(key) + "</td><td>[^<]*</td><td>" +
                                    QRegularExpression::escape(plain) + "(\\.\\.\\.)?</td>";
                if (!key.isEmpty() && !guide.contains(QRegularExpression(row))) missingKeys << key + " " + caption;
            }
        QStringList wrong;
        const QRegularExpression heading("<a name=\"(mnu\\w+)\">([^<]*)</a>");
        for (auto match = heading.globalMatch(guide); match.hasNext();) {
            const auto found = match.next();
            if (!captions.value(found.captured(1)).contains(found.captured(2)))
                wrong << found.captured(1) + ": " + found.captured(2);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable("headed otherwise than the menus: " + wrong.join(", ")));
        QVERIFY2(missingKeys.isEmpty(), qPrintable("not in the keyboard table: " + missingKeys.join(", ")));
    }

    // Ctrl+F reaches the field; Enter goes from one place to the next and round to the first again.
    void searchFindsEachPlaceInTurnAndSaysWhenThereIsNone() {
        test::Frame f;
        QTemporaryDir dir;
        Put(dir.filePath("Vuror32.odi"));
        ShowHelp(f.t.ui, f.frame, dir.path(), "contents");
        auto* viewer = f.frame.findChild<HelpViewer*>();
        QVERIFY(viewer);
        auto* field = viewer->findChild<QLineEdit*>("txtFind");
        QVERIFY(field);
        QApplication::setActiveWindow(viewer);
        QTest::keyClick(&viewer->browser(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(field->hasFocus());
        const QString word = QString::fromUtf8("貼り付け");
        const int places = viewer->browser().toPlainText().count(word);
        QVERIFY(places >= 3);
        field->setText(word);
        QList<int> seen;
        for (int i = 0; i <= places; ++i) {
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(viewer->browser().textCursor().selectedText(), word);
            seen << viewer->browser().textCursor().position();
        }
        for (int i = 1; i < places; ++i) QVERIFY(seen[i] > seen[i - 1]);
        QCOMPARE(seen[places], seen[0]);
        auto* notFound = viewer->findChild<QLabel*>("lblNotFound");
        QVERIFY(notFound->text().isEmpty());
        field->setText(QString::fromUtf8("存在しない語句ＸＹＺ"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(notFound->text(), QString::fromUtf8("見つかりません"));
    }

    void guideIsLookedForBesideTheProgramThenInTheDataDirectory() {
        const struct {
            const char* name;
            bool beside, installed;
            const char* found;  // relative to the prefix; empty when none
        } cases[] = {
            {"both", true, true, "bin/Vuror32.odi"},
            {"installed only", false, true, "share/zoriduvo/Vuror32.odi"},
            {"beside only", true, false, "bin/Vuror32.odi"},
            {"none", false, false, ""},
        };
        for (const auto& c : cases) {
            QTemporaryDir prefix;
            QDir().mkpath(prefix.filePath("bin"));
            if (c.beside) Put(prefix.filePath("bin/Vuror32.odi"));
            if (c.installed) Put(prefix.filePath("share/zoriduvo/Vuror32.odi"));
            const QString expected = *c.found ? prefix.filePath(c.found) : QString();
            QVERIFY2(FindHelpFile(prefix.filePath("bin")) == expected, c.name);
        }
    }

    void viewerOpensAtTheAnchorAndOneViewerServesBoth() {
        test::Frame f;
        QTemporaryDir dir;
        Put(dir.filePath("Vuror32.odi"));
        for (const char* anchor : {"contents", "index"}) {
            ShowHelp(f.t.ui, f.frame, dir.path(), anchor);
            const auto viewers = f.frame.findChildren<HelpViewer*>();
            QCOMPARE(viewers.size(), 1);
            QCOMPARE(viewers[0]->browser().source().fragment(), QString(anchor));
            QVERIFY(viewers[0]->browser().toPlainText().contains("キーワード索引"));
        }
        QVERIFY(f.t.ui.messages.empty());
    }

    void missingGuideIsToldWithThePathsLookedAt() {
        test::Frame f;
        QTemporaryDir dir;
        ShowHelp(f.t.ui, f.frame, dir.path(), "contents");
        QCOMPARE(f.t.ui.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f.t.ui.messages[0].text).startsWith("ヘルプファイルが見つかりません。\n"));
        QVERIFY(QString::fromStdString(f.t.ui.messages[0].text).contains(dir.filePath("Vuror32.odi")));
        QVERIFY(f.frame.findChildren<HelpViewer*>().isEmpty());
    }
};

REGISTER_GUI_TEST(HelpTest);
#include "HelpTest.moc"
