#include "ledpreview.h"

#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace lume;

namespace {

bool hasCutMark(const QImage &image, int fromX)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (image.pixel(x, y) == CutMark::Colour)
                return true;
    return false;
}

// A bank whose message 2 has a known, irregular pattern in every row over its first 512 bytes.
std::unique_ptr<MessageBank> patternBank(qint16 width)
{
    auto bank = std::make_unique<MessageBank>();
    for (int r = 0; r < MessageBank::RowCount; ++r)
        for (int c = 0; c < MessageBank::RowBytes; ++c)
            bank->setByte(2, r, c, quint8((r * 29 + c * 7) ^ (c >> 3)));
    bank->setWidth(2, width);
    return bank;
}

} // namespace

class TstLedPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldCutWhatDoesNotFit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("maxImageWidth");
        QTest::addColumn<int>("shownBytes");
        QTest::addColumn<QStringList>("lines");
        const int oneByte = 8 * LedLook::Pitch;
        QTest::newRow("fits exactly") << 3 << LedLook::DotGap + 3 * oneByte << 3
                                      << QStringList {QStringLiteral("Width: 3 column bytes")};
        QTest::newRow("one more leaves room for the mark")
            << 4 << LedLook::DotGap + 3 * oneByte << 2
            << QStringList {
                   QStringLiteral("Only the first 2 column bytes fit on the screen; the rest is cut.")};
        QTest::newRow("one byte") << 1 << 2000 << 1 << QStringList {QStringLiteral("Width: 1 column byte")};
        QTest::newRow("screen cuts")
            << 100 << 1000 << 24
            << QStringList {
                   QStringLiteral("Width: 100 column bytes"),
                   QStringLiteral("Only the first 24 column bytes fit on the screen; the rest is cut.")};
        QTest::newRow("row and screen cut")
            << 600 << 1280 << 31
            << QStringList {
                   QStringLiteral("Width: 600 column bytes"),
                   QStringLiteral("A badge row holds 512 column bytes; the rest is not shown."),
                   QStringLiteral("Only the first 31 column bytes fit on the screen; the rest is cut.")};
        QTest::newRow("tiny screen shows one byte")
            << 9 << 10 << 1
            << QStringList {
                   QStringLiteral("Width: 9 column bytes"),
                   QStringLiteral("Only the first 1 column byte fits on the screen; the rest is cut.")};
        QTest::newRow("empty") << 0 << 1000 << 0 << QStringList {QStringLiteral("Width: 0 column bytes")};
    }
    void shouldCutWhatDoesNotFit()
    {
        QFETCH(int, width);
        QFETCH(int, maxImageWidth);
        QFETCH(int, shownBytes);
        QFETCH(QStringList, lines);
        const auto bank = patternBank(qint16(width));
        const LedPreview preview = previewMessage(*bank, 2, maxImageWidth);
        QCOMPARE(preview.width, width);
        QCOMPARE(preview.shownBytes, shownBytes);
        const int ledsWidth = LedLook::DotGap + shownBytes * 8 * LedLook::Pitch;
        QVERIFY(preview.image.width() <= std::max(maxImageWidth, ledsWidth + CutMark::Width));
        QCOMPARE(preview.image.width(), ledsWidth + (preview.isCut() ? CutMark::Width : 0));
        QCOMPARE(hasCutMark(preview.image, ledsWidth), preview.isCut());
        QCOMPARE(preview.image.copy(0, 0, ledsWidth, preview.image.height()),
                 renderLeds(messageMatrix(*bank, 2, shownBytes * 8)));

        // The tooltip's lines, and its picture decoded back is the preview's image.
        const QString html = previewToolTip(preview);
        for (const QString &line : lines)
            QVERIFY2(html.contains(line), qPrintable(html.left(200)));
        const QRegularExpressionMatch png =
            QRegularExpression(QStringLiteral("data:image/png;base64,([A-Za-z0-9+/=]+)")).match(html);
        QCOMPARE(png.hasMatch(), width > 0);
        if (png.hasMatch()) {
            const QImage decoded =
                QImage::fromData(QByteArray::fromBase64(png.captured(1).toLatin1()), "PNG");
            QCOMPARE(decoded.convertToFormat(preview.image.format()), preview.image);
        }
    }

    void shouldEscapeNotes()
    {
        const LedPreview preview;
        const QString html = previewToolTip(preview, {QStringLiteral("<b>&\"x\"\nnext")});
        QVERIFY(html.contains(QStringLiteral("&lt;b&gt;&amp;&quot;x&quot;<br>next")));
        QVERIFY(!html.contains(QStringLiteral("<img")));
    }
};

QTEST_GUILESS_MAIN(TstLedPreview)
#include "tst_ledpreview.moc"
