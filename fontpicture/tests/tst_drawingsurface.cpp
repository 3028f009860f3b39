#include "composer.h"
#include "drawingsurface.h"
#include "sketchusagemeter.h"

#include "messagebank.h"

#include <QTest>

#include <cmath>

using namespace lume;

namespace {

QImage blankSurface()
{
    QImage image(DrawingSurface::Width, DrawingSurface::Height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    return image;
}

// The lit pixels of an image, read back independently of captureImage.
QList<QPoint> litPixels(const QImage &image)
{
    QList<QPoint> lit;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0))
                lit << QPoint(x, y);
    return lit;
}

const QString KnownFont = QStringLiteral("DejaVu Sans");

} // namespace

class TstDrawingSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLightAPixelByTheRedBitOfItsPosition_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("column"); // column byte of the pixel's row
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::newRow("white leftmost") << QPoint(0, 0) << qRgb(255, 255, 255) << 0 << 0x80 << 1;
        QTest::newRow("red rightmost of byte 0") << QPoint(7, 0) << qRgb(255, 0, 0) << 0 << 0x01 << 1;
        QTest::newRow("yellow at 3") << QPoint(3, 5) << qRgb(255, 255, 0) << 0 << 0x10 << 1;
        QTest::newRow("magenta at 5") << QPoint(5, 11) << qRgb(255, 0, 255) << 0 << 0x04 << 1;
        QTest::newRow("green never lit") << QPoint(0, 0) << qRgb(0, 255, 0) << 0 << 0 << 0;
        QTest::newRow("blue never lit") << QPoint(3, 0) << qRgb(0, 0, 255) << 0 << 0 << 0;
        QTest::newRow("cyan never lit") << QPoint(6, 0) << qRgb(0, 255, 255) << 0 << 0 << 0;
        QTest::newRow("mid grey at 8 lit") << QPoint(8, 0) << qRgb(0x80, 0x80, 0x80) << 1 << 0x80 << 2;
        QTest::newRow("mid grey at 9 dark") << QPoint(9, 0) << qRgb(0x80, 0x80, 0x80) << 1 << 0 << 0;
        QTest::newRow("red 7F at 8 dark") << QPoint(8, 2) << qRgb(0x7f, 0, 0) << 1 << 0 << 0;
        QTest::newRow("red 7F at 9 lit") << QPoint(9, 2) << qRgb(0x7f, 0, 0) << 1 << 0x40 << 2;
        QTest::newRow("red 01 at 15 lit") << QPoint(15, 2) << qRgb(0x01, 0xff, 0xff) << 1 << 0x01 << 2;
        QTest::newRow("red 01 at 14 dark") << QPoint(14, 2) << qRgb(0x01, 0xff, 0xff) << 1 << 0 << 0;
        QTest::newRow("last pixel") << QPoint(4095, 11) << qRgb(255, 0, 0) << 511 << 0x01 << 512;
        QTest::newRow("first of byte 1") << QPoint(8, 0) << qRgb(255, 0, 0) << 1 << 0x80 << 2;
        QTest::newRow("column 100") << QPoint(100, 6) << qRgb(255, 0, 0) << 12 << 0x08 << 13;
    }

    void shouldLightAPixelByTheRedBitOfItsPosition()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        QFETCH(int, column);
        QFETCH(int, value);
        QFETCH(int, width);
        QImage image = blankSurface();
        image.setPixel(pixel, colour);
        MessageBank bank;
        captureImage(image, bank, 3);
        QCOMPARE(int(bank.byte(3, pixel.y(), column)), value);
        QCOMPARE(int(bank.width(3)), width);
        int nonZero = 0;
        for (quint8 b : bank.data())
            nonZero += b != 0;
        QCOMPARE(nonZero, value != 0 ? 1 : 0);
    }

    void shouldRewriteEveryByteOfTheCapturedMessageOnly()
    {
        MessageBank bank;
        for (int m : {1, 2, 3})
            for (int r = 0; r < MessageBank::RowCount; ++r)
                for (int c = 0; c < MessageBank::RowBytes; ++c)
                    bank.setByte(m, r, c, 0xAA);
        bank.setWidths({0, 17, 200, 33, 0, 0, 0, 0});
        captureImage(blankSurface(), bank, 2);
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int c = 0; c < MessageBank::RowBytes; ++c) {
                QCOMPARE(bank.byte(2, r, c), quint8(0));
                QCOMPARE(bank.byte(1, r, c), quint8(0xAA));
                QCOMPARE(bank.byte(3, r, c), quint8(0xAA));
            }
        QCOMPARE(bank.widths(), (std::array<qint16, 8> {0, 17, 0, 33, 0, 0, 0, 0}));
    }

    void shouldCountLeadingDarkBytesInTheWidth()
    {
        QImage image = blankSurface();
        image.setPixel(5 * 8, 3, qRgb(255, 255, 255));
        image.setPixel(9 * 8 + 7, 7, qRgb(255, 255, 255));
        MessageBank bank;
        captureImage(image, bank, 0);
        QCOMPARE(bank.byte(0, 3, 5), quint8(0x80));
        QCOMPARE(bank.byte(0, 7, 9), quint8(0x01));
        QCOMPARE(int(bank.width(0)), 10);
    }

    void shouldCaptureAWholeRowOfEveryByte()
    {
        // Every pixel of row 4 lit, with a different red component per column byte: each byte
        // keeps exactly the bits its red component has at its pixels' positions.
        QImage image = blankSurface();
        for (int x = 0; x < DrawingSurface::Width; ++x)
            image.setPixel(x, 4, qRgb((x / 8) & 0xff, 0x55, 0xaa));
        MessageBank bank;
        captureImage(image, bank, 7);
        for (int c = 0; c < MessageBank::RowBytes; ++c)
            QCOMPARE(int(bank.byte(7, 4, c)), c & 0xff);
        QCOMPARE(int(bank.width(7)), 512); // column byte 511 has red 0xff
    }

    void shouldTreatPixelsBeyondASmallerImageAsBlack()
    {
        QImage image(8, 12, QImage::Format_RGB888);
        image.fill(Qt::white);
        MessageBank bank;
        bank.setByte(0, 0, 1, 0xff);
        captureImage(image, bank, 0);
        for (int r = 0; r < MessageBank::RowCount; ++r)
            QCOMPARE(bank.byte(0, r, 0), quint8(0xff));
        QCOMPARE(bank.byte(0, 0, 1), quint8(0));
        QCOMPARE(int(bank.width(0)), 1);
    }

    void shouldDrawTheUsageMeter_data()
    {
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("segments"); // first column, last column, message (-1 black)
        QTest::addColumn<int>("usedTotal");
        QTest::newRow("100, 0, 50") << QList<int> {100, 0, 50}
                                    << QList<int> {0, 99, 0, 100, 149, 2, 150, 511, -1} << 150;
        QTest::newRow("one full message") << QList<int> {512} << QList<int> {0, 510, 0, 511, 511, -1} << 511;
        QTest::newRow("sum beyond 512")
            << QList<int> {300, 300, 5} << QList<int> {0, 299, 0, 300, 510, 1, 511, 511, -1} << 511;
        QTest::newRow("eight colours")
            << QList<int> {1, 1, 1, 1, 1, 1, 1, 1}
            << QList<int> {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 511, -1}
            << 8;
        QTest::newRow("empty") << QList<int> {} << QList<int> {0, 511, -1} << 0;
        QTest::newRow("eight of 100") << QList<int> {100, 100, 100, 100, 100, 100, 100, 100}
                                      << QList<int> {0, 99,  0,   100, 199, 1,   200, 299, 2,   300, 399,
                                                     3, 400, 499, 4,   500, 510, 5,   511, 511, -1}
                                      << 511;
    }

    void shouldDrawTheUsageMeter()
    {
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, segments);
        QFETCH(int, usedTotal);
        MessageBank bank;
        for (int m = 0; m < widths.size(); ++m)
            bank.setWidth(m, qint16(widths[m]));
        QImage meter;
        QCOMPARE(int(drawUsageMeter(bank, meter)), usedTotal);
        QCOMPARE(meter.size(), QSize(512, 12));
        for (qsizetype s = 0; s < segments.size(); s += 3) {
            const QRgb colour = segments[s + 2] < 0 ? qRgb(0, 0, 0) : usagemeter::Colours[segments[s + 2]];
            for (int x = segments[s]; x <= segments[s + 1]; ++x)
                for (int y = 0; y < 12; ++y)
                    QCOMPARE(meter.pixel(x, y), colour);
        }
    }

    void shouldPaintOverALongerEarlierMeter()
    {
        MessageBank bank;
        bank.setWidth(0, 400);
        QImage meter;
        drawUsageMeter(bank, meter);
        bank.setWidth(0, 10);
        QCOMPARE(int(drawUsageMeter(bank, meter)), 10);
        QCOMPARE(meter.pixel(9, 0), qRgb(255, 0, 0));
        QCOMPARE(meter.pixel(10, 0), qRgb(0, 0, 0));
        QCOMPARE(meter.pixel(399, 11), qRgb(0, 0, 0));
    }

    void shouldConvertPointsToPixelsAt96Dpi_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("10") << 10.0 << 13;
        QTest::newRow("12") << 12.0 << 16;
        QTest::newRow("9") << 9.0 << 12;
        QTest::newRow("6") << 6.0 << 8;
        QTest::newRow("1.125 half to even up") << 1.125 << 2;
        QTest::newRow("1.875 half to even down") << 1.875 << 2;
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("negative") << -4.0 << 0;
        QTest::newRow("below half a pixel") << 0.3 << 0;
        QTest::newRow("NaN") << std::nan("") << 0;
        QTest::newRow("absurd") << 1e300 << int(DrawingSurface::MaxPixelSize);
    }

    void shouldConvertPointsToPixelsAt96Dpi()
    {
        QFETCH(double, points);
        QFETCH(int, pixels);
        QCOMPARE(DrawingSurface::pixelSizeForPoints(points), pixels);
    }

    void shouldReadTheTopOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::newRow("-2") << "-2" << -2;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("2.5 to even") << "2.5" << 2;
        QTest::newRow("3.5 to even") << "3.5" << 4;
        QTest::newRow("-1.5 to even") << "-1.5" << -2;
        QTest::newRow("not a number") << "top" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("trailing text") << "1px" << 1;
        QTest::newRow("far below") << "99999999999999" << MaxTopOffset;
        QTest::newRow("far above") << "-99999999999999" << -MaxTopOffset;
    }

    void shouldReadTheTopOffset()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QCOMPARE(topOffsetFromText(text), offset);
    }

    void shouldDrawWholeRedPixelsOnly()
    {
        DrawingSurface surface;
        surface.drawText(QStringLiteral("Sketch 123 @%&"), KnownFont, 10, true, 0);
        int lit = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < DrawingSurface::Width; ++x) {
                const QRgb p = surface.image().pixel(x, y);
                QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 0, 0), qPrintable(QString::number(p, 16)));
                lit += p != qRgb(0, 0, 0);
            }
        QVERIFY(lit > 50);
    }

    void shouldMoveTheTextWithTheTopOffset_data()
    {
        QTest::addColumn<int>("offset");
        for (int offset : {-3, -2, -1, 1, 2, 3})
            QTest::newRow(qPrintable(QString::number(offset))) << offset;
    }

    void shouldMoveTheTextWithTheTopOffset()
    {
        QFETCH(int, offset);
        // A tall text at 0 so that moving it in either direction brings other rows into view.
        DrawingSurface reference;
        reference.drawText(QStringLiteral("Hg|jQ"), KnownFont, 7, true, -6);
        DrawingSurface wide;
        wide.drawText(QStringLiteral("Hg|jQ"), KnownFont, 7, true, -6 + offset);
        for (int y = 0; y < 12; ++y) {
            const int from = y - offset;
            if (from < 0 || from >= 12)
                continue;
            for (int x = 0; x < 200; ++x)
                QCOMPARE(wide.image().pixel(x, y), reference.image().pixel(x, from));
        }
        QVERIFY(litPixels(wide.image()) != litPixels(reference.image()));
    }

    void shouldDrawLineBreaksAsBlanksOnOneLine()
    {
        DrawingSurface withBreaks;
        withBreaks.drawText(QStringLiteral("AB\nCD\r\nE"), KnownFont, 9, false, 0);
        DrawingSurface withBlanks;
        withBlanks.drawText(QStringLiteral("AB CD  E"), KnownFont, 9, false, 0);
        QCOMPARE(withBreaks.image(), withBlanks.image());
    }

    void shouldDrawNothingWithoutASize_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("0") << 0.0;
        QTest::newRow("negative") << -10.0;
        QTest::newRow("a tenth") << 0.1;
    }

    void shouldDrawNothingWithoutASize()
    {
        QFETCH(double, points);
        DrawingSurface surface;
        surface.drawText(QStringLiteral("Hello"), KnownFont, points, true, 0);
        QCOMPARE(surface.image(), blankSurface());
    }

    void shouldSurviveAnAbsurdSize()
    {
        DrawingSurface surface;
        surface.drawText(QStringLiteral("W"), KnownFont, 1e12, true, -1000);
        QVERIFY(!litPixels(surface.image()).isEmpty()); // a slice of a huge stroke
    }

    void shouldStartTheTextAtTheLeftEdge()
    {
        DrawingSurface surface;
        surface.drawText(QStringLiteral("I"), QStringLiteral("DejaVu Sans Mono"), 10, false, 0);
        const QList<QPoint> lit = litPixels(surface.image());
        QVERIFY(!lit.isEmpty());
        for (const QPoint &p : lit)
            QVERIFY2(p.x() < 8, "an I of a 13-pixel monospaced font lies in the first column byte");
    }

    void shouldKeepThePictureUnderTheText()
    {
        QImage picture(40, 12, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        DrawingSurface surface;
        surface.setBackgroundPicture(picture);
        surface.drawText(QStringLiteral("IIII"), KnownFont, 10, true, 0);
        int red = 0;
        int blue = 0;
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 12; ++y) {
                const QRgb p = surface.image().pixel(x, y);
                red += p == qRgb(255, 0, 0);
                blue += p == qRgb(0, 0, 255);
                QVERIFY(p == qRgb(255, 0, 0) || p == qRgb(0, 0, 255));
            }
        QVERIFY(red > 0);
        QVERIFY(blue > 0);
        QCOMPARE(surface.image().pixel(40, 5), qRgb(0, 0, 0));

        surface.clearText();
        QCOMPARE(surface.image().copy(0, 0, 40, 12), picture);
        QVERIFY(surface.hasBackgroundPicture());
    }

    void shouldShowTransparentPixelsAsBlack()
    {
        QImage picture(8, 12, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        picture.setPixel(0, 0, qRgba(255, 255, 255, 255));
        DrawingSurface surface;
        surface.setBackgroundPicture(picture);
        QCOMPARE(surface.image().pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(surface.image().pixel(1, 0), qRgb(0, 0, 0));
    }

    void shouldLeaveNothingOfTheFirstOfTwoTexts()
    {
        DrawingSurface surface;
        MessageBank bank;
        composeText(bank, 0, surface, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), KnownFont, QStringLiteral("12"),
                    true, QStringLiteral("-2"));
        QVERIFY(bank.width(0) > 20);
        composeText(bank, 0, surface, QStringLiteral("i"), KnownFont, QStringLiteral("10"), false,
                    QStringLiteral("0"));

        DrawingSurface fresh;
        MessageBank expected;
        composeText(expected, 0, fresh, QStringLiteral("i"), KnownFont, QStringLiteral("10"), false,
                    QStringLiteral("0"));
        QCOMPARE(surface.image(), fresh.image());
        QCOMPARE(bank, expected);
        QVERIFY(bank.width(0) <= 1);
    }

    void shouldComposeTheSizeAndOffsetFromLeadingNumbers()
    {
        DrawingSurface a;
        DrawingSurface b;
        MessageBank bankA;
        MessageBank bankB;
        composeText(bankA, 1, a, QStringLiteral("Badge"), KnownFont, QStringLiteral("10 pt"), true,
                    QStringLiteral("-1.5"));
        composeText(bankB, 1, b, QStringLiteral("Badge"), KnownFont, QStringLiteral("10"), true,
                    QStringLiteral("-2"));
        QCOMPARE(a.image(), b.image());
        QCOMPARE(bankA, bankB);
    }
};

QTEST_MAIN(TstDrawingSurface)
#include "tst_drawingsurface.moc"
