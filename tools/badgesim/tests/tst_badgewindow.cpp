#include "badgewindow.h"
#include "streamdecoder.h"

#include <QLabel>
#include <QTest>

using namespace lume;

namespace {
DecodedStream streamWith(int index, quint8 columnByte, int direction, bool flash, int speed = 8)
{
    DecodedStream stream;
    DecodedMessage &m = stream.messages[index];
    m.width = 1;
    m.speed = speed;
    m.direction = direction;
    m.flash = flash;
    for (QByteArray &row : m.rows)
        row = QByteArray(1, char(columnByte));
    return stream;
}
} // namespace

class TstBadgeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldSayWhereItListensBeforeAStreamComes()
    {
        BadgeWindow window(20, QStringLiteral("/dev/pts/77"));
        auto *view = window.findChild<LedView *>(QStringLiteral("LedMatrix"));
        auto *status = window.findChild<QLabel *>(QStringLiteral("StatusLabel"));
        QVERIFY(view);
        QVERIFY(status);
        QCOMPARE(view->frame(), LedMatrix(20));
        QCOMPARE(
            status->text(),
            QStringLiteral("Listening on /dev/pts/77: send to it from Sketchlume, Scriptlume or lumesend."));
        QCOMPARE(window.windowTitle(), QStringLiteral("badgesim /dev/pts/77"));
    }

    void shouldShowTheFramesOfTheStreamReceived()
    {
        BadgeWindow window(20, QStringLiteral("/dev/pts/77"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<LedView *>(QStringLiteral("LedMatrix"));
        auto *status = window.findChild<QLabel *>(QStringLiteral("StatusLabel"));
        window.showStream(streamWith(2, 0xf0, 4, true, 1), 3);
        QCOMPARE(status->text(), QStringLiteral("Stream 3 on /dev/pts/77: Message3"));
        QCOMPARE(view->frame(), window.player().frame(0));
        QCOMPARE(view->frame().litCount(), 4 * 12);
        window.showTime(600); // flashing: dark in the second half of each second
        QVERIFY(view->frame().isDark());
        QVERIFY(!view->grab().isNull());

        // Played by the window's own timer: a scrolling message moves on by itself.
        window.showStream(streamWith(0, 0x80, 0, false), 4);
        const LedMatrix first = view->frame();
        QVERIFY(!first.isDark());
        QTRY_VERIFY(view->frame() != first);
        QCOMPARE(status->text(), QStringLiteral("Stream 4 on /dev/pts/77: Message1"));
    }

    void shouldSayWhenEveryMessageIsEmpty()
    {
        BadgeWindow window(20, QStringLiteral("/dev/pts/77"));
        window.showStream(DecodedStream {}, 1);
        auto *status = window.findChild<QLabel *>(QStringLiteral("StatusLabel"));
        QCOMPARE(status->text(), QStringLiteral("Stream 1 on /dev/pts/77: every message is empty."));
    }
};

QTEST_MAIN(TstBadgeWindow)
#include "tst_badgewindow.moc"
