// badgesim --replay: saved stream files decoded as the line would decode them, and played in turn.
#include "badgewindow.h"
#include "simtestsupport.h"
#include "simulatorprocess.h"
#include "streamreceiver.h"
#include "streamreplay.h"
#include "streamreport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <tuple>

using namespace lume;
using lume::test::BadgesimProgram;
using lume::test::streamBytes;

namespace {

const QByteArray Good = streamBytes({3, 0, 2}, {MessageSettings {"7", true, "to Up"}});
const QByteArray Other = streamBytes({0, 0, 0, 0, 0, 0, 0, 40});

QByteArray damaged(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x5A);
    return bytes;
}

// What badgesim prints for these bytes arriving on its line.
QStringList lineSummary(const QByteArray &bytes, int &decoded)
{
    QStringList lines;
    StreamReceiver receiver([&lines](const ReceiverEvent &event) { lines << reportLines(event); });
    for (int i = 0; i < decoded; ++i) // the numbers go on from the streams before
        receiver.feed(Other, 0);
    lines.clear();
    receiver.feed(bytes, 0);
    receiver.flush();
    decoded = receiver.streamsDecoded();
    return lines;
}

QByteArray contentOf(std::FILE *file)
{
    std::rewind(file);
    QByteArray all;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        all.append(buffer, qsizetype(n));
    return all;
}

} // namespace

class TstReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReportSavedStreamsAsTheLineWould_data()
    {
        QTest::addColumn<QList<QByteArray>>("files"); // "<missing>" for a file that is not there
        QTest::addColumn<int>("exitCode");
        QTest::newRow("one stream") << QList<QByteArray> {Good} << 0;
        QTest::newRow("two streams") << QList<QByteArray> {Other, Good} << 0;
        QTest::newRow("a damaged trailer between two streams")
            << QList<QByteArray> {Good, damaged(Good, Good.size() - 5), Other} << 1;
        QTest::newRow("a damaged header") << QList<QByteArray> {damaged(Good, 14), Good} << 1;
        QTest::newRow("short") << QList<QByteArray> {Good.first(600)} << 1;
        QTest::newRow("long") << QList<QByteArray> {Good + Good} << 1;
        QTest::newRow("not a stream") << QList<QByteArray> {QByteArray("GIF89a\x01\0\x01\0", 10)} << 1;
        QTest::newRow("empty") << QList<QByteArray> {QByteArray()} << 1;
        QTest::newRow("missing, then a stream") << QList<QByteArray> {"<missing>", Good} << 1;
    }

    void shouldReportSavedStreamsAsTheLineWould()
    {
        QFETCH(QList<QByteArray>, files);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        QStringList paths;
        QStringList expected;
        QStringList reasons;
        int decoded = 0;
        for (const QByteArray &content : files) {
            const QString path = dir.filePath(QStringLiteral("file%1.bin").arg(paths.size()));
            paths << path;
            if (content == "<missing>") {
                reasons << path + QStringLiteral(": no such file");
                continue;
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            const DecodeResult result = decodeStream(content);
            if (result.stream) {
                expected << lineSummary(content, decoded); // the same lines as on the line
            } else {
                // A file is one whole stream: what is short or long is malformed, with the decoder's reason.
                const std::optional<qsizetype> size = expectedStreamSize(content);
                expected << QStringLiteral("error: malformed stream: ") + result.error +
                        (size ? QStringLiteral(" (%1 bytes, %2)")
                                    .arg(content.size())
                                    .arg(lineTimeText(content.size()))
                              : QString());
                reasons << path + QStringLiteral(": malformed stream: ") + result.error;
            }
        }

        std::FILE *out = std::tmpfile();
        std::FILE *err = std::tmpfile();
        const QString pngDir = dir.filePath("png");
        QVERIFY(QDir().mkpath(pngDir));
        const ReplayResult result = replayStreamFiles(paths, pngDir, out, err);
        const QStringList printed = QString::fromLocal8Bit(contentOf(out)).split(u'\n', Qt::SkipEmptyParts);
        const QStringList warned = QString::fromLocal8Bit(contentOf(err)).split(u'\n', Qt::SkipEmptyParts);
        std::fclose(out);
        std::fclose(err);

        QCOMPARE(printed, expected);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(warned.size(), reasons.size());
        for (int i = 0; i < reasons.size(); ++i)
            QCOMPARE(warned[i], QStringLiteral("badgesim: ") + reasons[i]);
        for (const ReplayedStream &replayed : result.streams) {
            for (int m = 0; m < MessageBank::MessageCount; ++m) {
                const bool lit = replayed.stream.messages[m].width > 0;
                QCOMPARE(QFile::exists(QDir(pngDir).filePath(pngFileName(replayed.number, m))), lit);
            }
        }
    }

    void shouldEndWithTheReplaysStatus()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath("week.bin");
        const QString bad = dir.filePath("bad.bin");
        QFile goodFile(good);
        QVERIFY(goodFile.open(QIODevice::WriteOnly) && goodFile.write(Good) == Good.size());
        goodFile.close();
        QFile badFile(bad);
        QVERIFY(badFile.open(QIODevice::WriteOnly) && badFile.write(Good.first(40)) == 40);
        badFile.close();

        for (const auto &[arguments, status] :
             QList<std::pair<QStringList, int>> {{{"--replay", good, "--no-window"}, 0},
                                                 {{"--replay", good, bad, "--no-window"}, 1},
                                                 {{"--replay", good, "--once"}, 2}}) {
            QProcess process;
            process.start(BadgesimProgram, arguments);
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), status);
            if (status < 2)
                QVERIFY(process.readAllStandardOutput().startsWith(
                    "stream 1: " + QByteArray::number(Good.size()) + " bytes"));
        }
    }

    // Over ssh without X forwarding, for example: the summary as --no-window gives it, not an abort.
    void shouldReplayWithoutADisplay()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath("week.bin");
        QFile goodFile(good);
        QVERIFY(goodFile.open(QIODevice::WriteOnly) && goodFile.write(Good) == Good.size());
        goodFile.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        const auto run = [&environment](const QStringList &arguments) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(BadgesimProgram, arguments);
            const bool ended = process.waitForFinished(30000);
            return std::tuple {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                                     : -1,
                               process.readAllStandardOutput(), process.readAllStandardError()};
        };
        const auto [status, out, err] = run({"--replay", good});
        QCOMPARE(status, 0);
        QCOMPARE(out, std::get<1>(run({"--replay", good, "--no-window"})));
        QVERIFY(out.startsWith("stream 1: " + QByteArray::number(Good.size()) + " bytes"));
        QCOMPARE(err.count("badgesim: no display found"), 1);
        QVERIFY2(err.contains("--no-window"), err.constData());
    }

    void shouldPlayTheStreamsInTurn()
    {
        const QList<ReplayedStream> streams {{*decodeStream(Good).stream, 1, QStringLiteral("a.bin")},
                                             {*decodeStream(Other).stream, 2, QStringLiteral("b.bin")}};
        BadgeWindow window(48, QStringLiteral("a.bin"));
        ReplayRotation rotation(window, streams);
        auto *status = window.findChild<QLabel *>(QStringLiteral("StatusLabel"));
        QCOMPARE(rotation.current(), 0);
        QCOMPARE(status->text(), QStringLiteral("Stream 1 on a.bin: Message1"));
        QCOMPARE(window.player().messageAt(0), 0);
        rotation.showNext();
        QCOMPARE(window.windowTitle(), QStringLiteral("badgesim b.bin"));
        QCOMPARE(status->text(), QStringLiteral("Stream 2 on b.bin: Message8"));
        rotation.showNext();
        QCOMPARE(rotation.current(), 0);
    }
};

QTEST_MAIN(TstReplay)
#include "tst_replay.moc"
