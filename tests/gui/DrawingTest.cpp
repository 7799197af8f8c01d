#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <string>

#include "GuiTestRegistry.h"
#include "platform/qt/DisplayListPainter.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtTextMetrics.h"

using namespace zoriduvo;

namespace {
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

// A 3000-twip square: a solid box, an open circle, a thick blue line and a red text centred on
// its anchor with the anchor on its baseline.
DisplayList Sample() {
    DisplayList list{{3000, 3000}, {}};
    list.addBox({150, 150, 600, 600}, Fill::Solid);
    list.addCircle({2250, 750}, 450, Fill::Outline);
    list.addLine({150, 2250}, {1350, 2250}, 60, kBlue);
    TextStyle style;
    style.points = 24;
    style.across = HAlign::Centre;
    style.colour = kRed;
    list.addText({2250, 2250}, "日本", style);
    return list;
}

// How many pixels in the rectangle the predicate holds for.
int Count(const QImage& image, QRect area, bool (*holds)(const QColor&)) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += holds(image.pixelColor(x, y));
    return n;
}

bool Black(const QColor& c) { return c.red() < 64 && c.green() < 64 && c.blue() < 64; }
bool Blue(const QColor& c) { return c.blue() > 192 && c.red() < 64 && c.green() < 64; }
bool Red(const QColor& c) { return c.red() > 192 && c.green() < 128 && c.blue() < 128; }
bool Painted(const QColor& c) { return c != QColor(Qt::white); }
}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void paintsEachItemWhereItBelongs_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<bool>("fitted");
        QTest::newRow("96 dpi from the corner") << 1.0 / 15 << QPointF(0, 0) << false;
        QTest::newRow("fitted into the lower right quarter") << 1.0 / 30 << QPointF(100, 100) << true;
    }
    void paintsEachItemWhereItBelongs() {
        QFETCH(double, scale);
        QFETCH(QPointF, origin);
        QFETCH(bool, fitted);
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            const DisplayList list = Sample();
            if (fitted)
                DisplayListPainter(painter, list.size, QRectF(origin, QSizeF(100, 100))).paint(list);
            else
                DisplayListPainter(painter, scale, origin).paint(list);
        }
        const auto at = [&](int x, int y) { return (origin + QPointF(x, y) * scale).toPoint(); };
        const auto around = [&](int x, int y, int twips) {
            const int r = static_cast<int>(twips * scale);
            return QRect(at(x, y) - QPoint(r, r), at(x, y) + QPoint(r, r));
        };

        QVERIFY(Black(image.pixelColor(at(450, 450))));               // inside the solid box
        QVERIFY(Count(image, around(1500, 450, 150), Painted) == 0);  // between box and circle
        QVERIFY(Count(image, around(2250, 750, 250), Painted) == 0);  // the open circle's inside
        QVERIFY(Count(image, around(2700, 750, 30), Black) > 0);      // its ring
        QVERIFY(Blue(image.pixelColor(at(750, 2250))));
        QVERIFY(Count(image, around(750, 2400, 60), Painted) == 0);   // below the line's width
        // The text stands on its baseline, half on each side of its anchor.
        QVERIFY(Count(image, QRect(at(1800, 1800), at(2240, 2240)), Red) > 0);
        QVERIFY(Count(image, QRect(at(2260, 1800), at(2700, 2240)), Red) > 0);
        QVERIFY(Count(image, QRect(at(1500, 2400), at(3000, 3000)), Red) == 0);
        QVERIFY(Count(image, QRect(at(1500, 1500), at(1700, 2250)), Red) == 0);
    }

    void printsTwoPagesToPdf() {
        QTemporaryDir dir;
        const QString path = dir.filePath("two pages.pdf");
        QtPrinter printer(path);
        const PrintStart start = printer.begin("集計表");
        QCOMPARE(start.outcome, PrintOutcome::Ok);
        const TwipRect area = start.page.printable;
        QVERIFY(area.width > 0 && area.left + area.width <= start.page.paper.width && area.height > 0 &&
                area.top + area.height <= start.page.paper.height);
        // Two full-width kanji at 24 points are two 480-twip ems at the printer's resolution too.
        QVERIFY(std::abs(printer.metrics().measure("日本", 24, false).width - 960) <= 15);
        for (int page = 1; page <= 2; ++page) {
            DisplayList list{{area.width, area.height}, {}};
            list.addText({0, 400}, "ページ " + std::to_string(page));
            list.addBox({0, 720, area.width, 1440}, Fill::Outline);
            QCOMPARE(printer.printPage(list), PrintOutcome::Ok);
        }
        QCOMPARE(printer.end(), PrintOutcome::Ok);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        const QRegularExpression pageObject(R"(/Type\s*/Page(?![a-zA-Z]))");
        QCOMPARE(QString::fromLatin1(bytes).count(pageObject), 2);
    }
};

REGISTER_GUI_TEST(DrawingTest);
#include "DrawingTest.moc"
