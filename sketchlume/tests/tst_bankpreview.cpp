#include "windowrig.h"

#include "ledmatrix.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolTip>

#include <memory>

using namespace lume;
using namespace lume::test;

namespace {

QString hover(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), widget->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QImage tooltipImage(const QString &tip)
{
    const QRegularExpressionMatch png =
        QRegularExpression(QStringLiteral("data:image/png;base64,([A-Za-z0-9+/=]+)")).match(tip);
    return png.hasMatch() ? QImage::fromData(QByteArray::fromBase64(png.captured(1).toLatin1()), "PNG")
                          : QImage();
}

} // namespace

class TstBankPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QToolTip::hideText(); }

    // Stripes of colours the capture keeps whole, in part or not at all: the preview shows the
    // bank's bits, not the surface's colours.
    void shouldShowTheCapturedRowsWithoutTouchingBankOrMeter()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QImage picture(100, 12, QImage::Format_RGB32);
        picture.fill(Qt::black);
        {
            QPainter painter(&picture);
            const QColor colours[] = {Qt::red, Qt::green, QColor(0x80, 0x80, 0x80), Qt::blue,
                                      QColor(0x7f, 0, 0)};
            for (int i = 0; i < 5; ++i)
                painter.fillRect(i * 20, 2 + i, 17, 6, colours[i]);
        }
        rig.dialogs.answer = rig.dir.filePath(QStringLiteral("stripes.bmp"));
        QVERIFY(picture.save(rig.dialogs.answer));
        rig.child<QPushButton>("CmdLdPic")->click();
        const int width = WindowTestAccess::bank(window).width(0);
        QCOMPARE(width, 12); // 0x7f leaves x = 96, the first pixel of byte 12, dark
        const auto bank = std::make_unique<MessageBank>(WindowTestAccess::bank(window));
        const QImage meter = shownMeter(window);

        // The surface inside the preview passes the request on to Picture1.
        const QString tip = hover(rig.child<QWidget>("PicBox0"));
        QVERIFY2(tip.contains(QStringLiteral("Width: 12 column bytes")), qPrintable(tip.right(200)));
        const QImage image = tooltipImage(tip).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.width(), LedLook::DotGap + width * 8 * LedLook::Pitch);
        int lit = 0;
        for (int r = 0; r < MessageBank::RowCount; ++r) {
            for (int c = 0; c < width * 8; ++c) {
                const bool on = bank->byte(0, r, c / 8) & (0x80 >> (c % 8));
                lit += on;
                QCOMPARE(image.pixel(LedLook::dotOrigin(r, c) + QPoint(1, 1)),
                         on ? LedLook::Lit : LedLook::Dark);
            }
        }
        QCOMPARE(lit, 17 * 6 + 3 * 6 + 14 * 6); // red whole, grey one pixel per byte, 0x7f all but one
        QCOMPARE(WindowTestAccess::bank(window), *bank);
        QCOMPARE(shownMeter(window), meter);
        QCOMPARE(hover(rig.child<QWidget>("Picture10")), tip);

        // Another message, nothing captured yet.
        rig.child<QTabWidget>("TabStrip1")->setCurrentIndex(2);
        const QString empty = hover(rig.child<QWidget>("Picture12"));
        QVERIFY(empty.contains(QStringLiteral("Width: 0 column bytes")));
        QVERIFY(!empty.contains(QStringLiteral("<img")));
        QCOMPARE(WindowTestAccess::bank(window), *bank);
    }
};

QTEST_MAIN(TstBankPreview)
#include "tst_bankpreview.moc"
