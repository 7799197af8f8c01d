#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "FrameFixture.h"
#include "GuiTestRegistry.h"
#include "app/MenuTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/HelpViewer.h"

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
