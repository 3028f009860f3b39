// lumesend says on standard error what the badge will not show, sends it all the same, and with
// --strict sends nothing.
#include "lumesendtestsupport.h"

#include <QRegularExpression>
#include <QTest>

using namespace lume::test;

class TstLumesendWarnings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend));
        // Red in rows 0 to 11 and in row 15, or only in rows 0 to 11.
        QImage tall(16, 20, QImage::Format_RGB32);
        tall.fill(Qt::black);
        QImage dark = tall;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (y < 12 || y == 15)
                    tall.setPixel(x, y, qRgb(255, 0, 0));
                if (y < 12)
                    dark.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
        writePicture(m_dir, "tall.png", tall);
        writePicture(m_dir, "darkbelow.png", dark);
        QFile ini(m_dir.filePath("Scriptlume.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Message1]\nMessage1Text=\xEC\x95\x88\xEB\x85\x95\n[Language]\nLanguage=Japanese\n");
    }

    void shouldWarnAndSendUnlessStrict_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("warnings"); // patterns of the lines, in order

        const QString a300(300, u'a');
        const auto exact = [](const QString &line) {
            return QRegularExpression::escape(QStringLiteral("lumesend: ") + line);
        };
        const QString unencodable = exact(QStringLiteral(
            "message 1: 2 characters cannot be shown in Japanese and are sent as \"?\": \uC548, \uB155"));

        QTest::newRow("clean") << QStringList {"--message", "1", "--text",  "Hello",
                                               "--message", "2", "--image", "{dir}/darkbelow.png"}
                               << QStringList {};
        QTest::newRow("unencodable") << QStringList {"--language", "Japanese", "--message",
                                                     "1",          "--text",   "\uC548\uB155"}
                                     << QStringList {unencodable};
        QTest::newRow("unencodable in a settings file")
            << QStringList {"--settings", "{dir}/Scriptlume.ini"} << QStringList {unencodable};
        QTest::newRow("cut") << QStringList {"--message", "1", "--text", QString(600, u'a')}
                             << QStringList {
                                    exact("message 1: cut on the right: 88 of its 600 column bytes do "
                                          "not fit in the badge's 512 and are not sent")};
        QTest::newRow("cut, then dropped")
            << QStringList {"--message", "1",  "--text",    a300, "--message", "2",
                            "--text",    a300, "--message", "3",  "--text",    "c"}
            << QStringList {exact("message 2: cut on the right: 88 of its 300 column bytes do not fit in the "
                                  "badge's 512 and are not sent"),
                            exact("message 3: dropped: the messages before it fill the badge's 512 column "
                                  "bytes, so none of its 1 is sent (width 0)")};
        QTest::newRow("picture too tall")
            << QStringList {"--message", "1", "--image", "{dir}/tall.png"}
            << QStringList {exact("message 1: taller than the badge's 12 rows: the lit pixels of 1 row below "
                                  "them are not shown")};
        QTest::newRow("screen text too tall and too wide")
            << QStringList {"--message",     "1",
                            "--screen-text", QString(800, u'W'),
                            "--font",        "DejaVu Sans",
                            "--size",        "9",
                            "--top-adjust",  "6"}
            << QStringList {
                   QStringLiteral("lumesend: message 1: cut on the right: [0-9]+ of its [0-9]+ column "
                                  "bytes do not fit in the badge's 512 and are not sent"),
                   QStringLiteral("lumesend: message 1: taller than the badge's 12 rows: the lit "
                                  "pixels of [0-9]+ rows? below them are not shown")};
    }

    void shouldWarnAndSendUnlessStrict()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, warnings);
        for (QString &argument : arguments)
            argument.replace(QLatin1String("{dir}"), m_dir.path());
        const auto check = [&warnings](const QStringList &lines) {
            QCOMPARE(lines.size(), warnings.size());
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QRegularExpression pattern(QRegularExpression::anchoredPattern(warnings[i]));
                QVERIFY2(pattern.match(lines[i]).hasMatch(), qPrintable(lines[i]));
            }
        };

        const QString sent = m_dir.filePath("sent.bin");
        QFile::remove(sent);
        const LumesendRun run = runLumesend(QStringList {"--output", sent} + arguments, m_dir.path());
        QCOMPARE(run.exitCode, 0);
        check(run.errorLines());
        QVERIFY(QFile::exists(sent));

        const QString strict = m_dir.filePath("strict.bin");
        QFile::remove(strict);
        const LumesendRun strictRun =
            runLumesend(QStringList {"--strict", "--output", strict} + arguments, m_dir.path());
        QStringList lines = strictRun.errorLines();
        if (warnings.isEmpty()) {
            QCOMPARE(strictRun.exitCode, 0);
            QCOMPARE(readFile(strict), readFile(sent));
        } else {
            QCOMPARE(strictRun.exitCode, 1);
            QVERIFY(!QFile::exists(strict));
            QVERIFY(!lines.isEmpty());
            QCOMPARE(lines.takeLast(),
                     QStringLiteral("lumesend: --strict: nothing is sent, as the badge would "
                                    "not show all of it"));
        }
        check(lines);
    }

    // The window's first start: font "System", size "10".
    void shouldDrawAScreenTextInTheFirstStartFont()
    {
        const QString defaults = m_dir.filePath("defaults.bin");
        const QString named = m_dir.filePath("named.bin");
        const QStringList text {"--message", "1", "--screen-text", "Hi"};
        QCOMPARE(runLumesend(QStringList {"--output", defaults} + text, m_dir.path()).exitCode, 0);
        QCOMPARE(runLumesend(QStringList {"--output", named} + text + QStringList {"--font", "System"},
                             m_dir.path())
                     .exitCode,
                 0);
        QCOMPARE(readFile(defaults), readFile(named));
        QCOMPARE(
            runLumesend(QStringList {"--output", named} + text + QStringList {"--size", "10"}, m_dir.path())
                .exitCode,
            0);
        QCOMPARE(readFile(defaults), readFile(named));
        QVERIFY(!readFile(defaults).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TstLumesendWarnings)
#include "tst_lumesend_warnings.moc"
