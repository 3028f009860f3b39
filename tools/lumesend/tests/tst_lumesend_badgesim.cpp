// End to end without a window: lumesend sends over the pseudo-terminal of a running badgesim, and
// what the simulator decodes is what was asked for.
#include "lumesendtestsupport.h"

#include "simulatorprocess.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

using namespace lume;
using namespace lume::test;

namespace {

// The summary badgesim prints for a stream: the settings as asked for, the addresses and widths as
// the stream's header has them.
QStringList expectedSummary(const Msgs &msgs, const QByteArray &stream, int number)
{
    const QStringList names {"to left", "to right", "to up", "to down", "freeze"};
    QStringList lines {QStringLiteral("stream %1: %2 bytes, %3 s at 1200 baud")
                           .arg(number)
                           .arg(stream.size())
                           .arg(QString::number(stream.size() / 120.0, 'f', 2))};
    for (int m = 0; m < 8; ++m) {
        Msg msg;
        for (const Msg &named : msgs) {
            if (named.number == m + 1)
                msg = named;
        }
        const QString speed = msg.speed.isEmpty() ? QStringLiteral("4") : msg.speed;
        const int code = int(sketchDirections().indexOf(windowDirection(msg.direction, sketchDirections())));
        const auto word = [&stream](int offset) {
            return (quint8(stream[offset]) << 8) | quint8(stream[offset + 1]);
        };
        lines << QStringLiteral("message %1: speed %2, flash %3, direction %4 (%5), start 0x%6, width %7")
                     .arg(m + 1)
                     .arg(speed, msg.flash ? QStringLiteral("on") : QStringLiteral("off"))
                     .arg(code)
                     .arg(names[code])
                     .arg(QString::number(word(5 + 10 + 4 * m), 16).toUpper().rightJustified(4, u'0'))
                     .arg(word(5 + 12 + 4 * m));
    }
    return lines;
}

} // namespace

class TstLumesendBadgesim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend));
        QVERIFY2(QFile::exists(BadgesimProgram), qPrintable(BadgesimProgram));
        QVERIFY(m_runtime.isValid());
        writePicture(m_dir, "pattern.bmp", patternPicture(200, 12, 1));
        writePicture(m_dir, "wide.png", patternPicture(4096, 12, 2));
    }

    void shouldListTheSimulatorsPortWhileItRuns()
    {
        const LumesendRun before = runLumesend({"--list-ports"}, m_runtime.path());
        QCOMPARE(before.exitCode, 0);
        const QStringList real = QString::fromLocal8Bit(before.out).split(u'\n', Qt::SkipEmptyParts);

        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--no-window"}), sim.errors.constData());
        const LumesendRun during = runLumesend({"--list-ports"}, m_runtime.path());
        QCOMPARE(during.exitCode, 0);
        QCOMPARE(during.err, QByteArray());
        const QStringList lines = QString::fromLocal8Bit(during.out).split(u'\n', Qt::SkipEmptyParts);
        // Beside the real serial devices, named as a virtual badge.
        QCOMPARE(lines.size(), real.size() + 1);
        const QStringList simulator = lines.filter(
            QRegularExpression(QStringLiteral("^COM[0-9]+  %1  virtual badge \\(badgesim, pid %2\\)$")
                                   .arg(QRegularExpression::escape(sim.device))
                                   .arg(sim.process.processId())));
        QCOMPARE(simulator.size(), 1);

        ::kill(pid_t(sim.process.processId()), SIGTERM);
        int code = -1;
        QStringList rest;
        QVERIFY(sim.finish(&code, &rest));
        QCOMPARE(code, 0);
        const LumesendRun after = runLumesend({"--list-ports"}, m_runtime.path());
        QCOMPARE(QString::fromLocal8Bit(after.out).split(u'\n', Qt::SkipEmptyParts), real);
    }

    void shouldDeliverTheStreamTheSimulatorDecodes_data()
    {
        QTest::addColumn<Msgs>("msgs");
        QTest::addColumn<QString>("language");
        QTest::newRow("one dot-font text") << Msgs {dot(1, QStringLiteral("Lume"))} << "Chinese (Simplified)";
        QTest::newRow("every kind, speed, flash and direction")
            << Msgs {moving(dot(1, QStringLiteral("徽章 badge")), "1", "to Right", true),
                     moving(picture(2, "pattern.bmp"), "8", "From down to up", false),
                     moving(screen(4, QStringLiteral("Sim"), "DejaVu Sans", "9", true), "5", "to Down", true),
                     moving(dot(7, QStringLiteral("日本語")), "3", "Freeze show", false)}
            << "Japanese";
        QTest::newRow("a full memory")
            << Msgs {picture(3, "wide.png"), dot(5, QStringLiteral("cut off"))} << "Chinese (Simplified)";
    }

    void shouldDeliverTheStreamTheSimulatorDecodes()
    {
        QFETCH(Msgs, msgs);
        QFETCH(QString, language);
        const QStringList args =
            QStringList {"--language", language, "--font-dir", DotFontDir} + argumentsFor(msgs, m_dir.path());
        const LumesendRun written = runLumesend(QStringList {"--output", "-"} + args, m_runtime.path());
        QVERIFY2(written.exitCode == 0, written.err.constData());

        // Ended only after lumesend: a simulator that ends on its own as soon as the stream is in (its
        // --once) may close the line before lumesend's last look at it, which a slow machine shows.
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--no-window"}), sim.errors.constData());
        const LumesendRun sent = runLumesend(QStringList {"--device", sim.device} + args, m_runtime.path());
        QVERIFY2(sent.exitCode == 0, sent.err.constData());
        QCOMPARE(sent.out, QByteArray());
        QCOMPARE(sent.err, written.err); // what the badge will not show, the same whichever the destination
        QStringList lines;
        QVERIFY(sim.waitForLines(9, &lines));
        QCOMPARE(lines, expectedSummary(msgs, written.out, 1));
        ::kill(pid_t(sim.process.processId()), SIGTERM);
        int code = -1;
        QVERIFY(sim.finish(&code, &lines));
        QCOMPARE(code, 0);
    }

    // The port is closed after each send, so one simulator takes one stream after the other.
    void shouldSendToTheSameSimulatorAgain()
    {
        Simulator sim;
        QVERIFY2(sim.start(m_runtime.path(), {"--no-window"}), sim.errors.constData());
        const Msgs first {dot(1, QStringLiteral("one"))};
        const Msgs second {moving(dot(2, QStringLiteral("two")), "7", "to Up", true)};
        int number = 0;
        for (const Msgs &msgs : {first, second}) {
            const QStringList args =
                QStringList {"--font-dir", DotFontDir} + argumentsFor(msgs, m_dir.path());
            const LumesendRun sent =
                runLumesend(QStringList {"--device", sim.device} + args, m_runtime.path());
            QVERIFY2(sent.exitCode == 0, sent.err.constData());
            const LumesendRun written = runLumesend(QStringList {"--output", "-"} + args, m_runtime.path());
            QStringList lines;
            QVERIFY(sim.waitForLines(9, &lines));
            QCOMPARE(lines, expectedSummary(msgs, written.out, ++number));
        }
        ::kill(pid_t(sim.process.processId()), SIGTERM);
        int code = -1;
        QStringList rest;
        QVERIFY(sim.finish(&code, &rest));
        QCOMPARE(code, 0);
    }

private:
    QTemporaryDir m_runtime;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TstLumesendBadgesim)
#include "tst_lumesend_badgesim.moc"
