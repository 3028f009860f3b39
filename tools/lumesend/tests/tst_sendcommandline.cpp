#include "sendcommandline.h"

#include <QTest>

using namespace lume;

// The number checks take the whole value: a line feed after a number is no number.
class TstSendCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldRefuseANumberWithAFinalLineFeed_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QStringList screen {"--output",      "-", "--message", "1",
                                  "--screen-text", "A", "--font",    "DejaVu Sans"};
        QTest::newRow("--message") << QStringList {"--output", "-", "--message", "1\n"}
                                   << "--message takes a number from 1 to 8, not \"1\n\"";
        QTest::newRow("--size") << screen + QStringList {"--size", "9\n"}
                                << "--size takes a size in points above 0, such as 10, not \"9\n\"";
        QTest::newRow("--top-adjust") << screen + QStringList {"--size", "9", "--top-adjust", "-2\n"}
                                      << "--top-adjust takes a number of pixels, such as -2, not \"-2\n\"";
        QTest::newRow("--speed") << QStringList {"--output", "-", "--message", "1", "--speed", "3\n"}
                                 << "--speed takes 1 to 8, not \"3\n\"";
    }

    void shouldRefuseANumberWithAFinalLineFeed()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QCOMPARE(readSendCommandLine(QStringList {"lumesend"} + arguments).error,
                 QStringLiteral("lumesend: %1 (see lumesend --help)").arg(error));
        // The same without the line feed is sound.
        arguments.last().chop(1);
        QCOMPARE(readSendCommandLine(QStringList {"lumesend"} + arguments).error, QString());
    }
};

QTEST_GUILESS_MAIN(TstSendCommandLine)
#include "tst_sendcommandline.moc"
