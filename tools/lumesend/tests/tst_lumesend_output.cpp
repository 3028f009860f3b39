// lumesend --output against the composing functions of both programs and the stream builder.
#include "lumesendtestsupport.h"

#include "badgestream.h"
#include "composer.h"
#include "dotfontrasteriser.h"
#include "drawingsurface.h"
#include "pictureio.h"

#include <QFile>
#include <QTest>

using namespace lume;
using namespace lume::test;

namespace {

// The same messages made by calling the programs' functions directly: the dot-font texts first,
// the way Scriptlume prepares its whole bank, then each picture and screen text on its own surface.
BadgeStream expectedStream(const Msgs &msgs, const QString &language, const QString &dir,
                           const QStringList &directions)
{
    MessageBank bank;
    MessageSettingsList settings;
    std::array<QString, MessageBank::MessageCount> texts;
    std::array<bool, MessageBank::MessageCount> selected {};
    for (const Msg &msg : msgs) {
        const int m = msg.number - 1;
        settings[m] = {msg.speed.isEmpty() ? QStringLiteral("4") : msg.speed, msg.flash, msg.direction};
        if (msg.kind == Msg::Dot) {
            texts[m] = msg.text;
            selected[m] = true;
        }
    }
    if (!prepareBank(bank, texts, selected, language, {DotFontDir}).ok)
        qFatal("dot-font files missing in %s", qPrintable(DotFontDir));
    for (const Msg &msg : msgs) {
        const int m = msg.number - 1;
        DrawingSurface surface;
        if (msg.kind == Msg::Picture || msg.kind == Msg::ScreenOverPicture)
            composePicture(bank, m, surface, loadPicture(QDir(dir).filePath(msg.picture)).image);
        if (msg.kind == Msg::Screen || msg.kind == Msg::ScreenOverPicture)
            composeText(bank, m, surface, msg.text, msg.font, msg.size, msg.bold,
                        msg.top.isEmpty() ? QStringLiteral("-2") : msg.top);
    }
    return buildBadgeStream(bank, settings, directions);
}

} // namespace

class TstLumesendOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend));
        QVERIFY2(QFile::exists(QDir(DotFontDir).filePath("HZK12")), qPrintable(DotFontDir));
        writePicture(m_dir, "pattern.bmp", patternPicture(100, 12, 1));
        writePicture(m_dir, "tall.png", patternPicture(37, 40, 2));
        writePicture(m_dir, "photo.jpg", patternPicture(64, 12, 3));
        writePicture(m_dir, "wide.png", patternPicture(4096, 12, 4));
        writePicture(m_dir, "pattern.png", patternPicture(60, 12, 5));
        QImage white(8, 12, QImage::Format_RGB32);
        white.fill(Qt::white);
        writePicture(m_dir, "white8x12.bmp", white);
    }

    void shouldWriteWhatTheComposingFunctionsMake_data()
    {
        QTest::addColumn<Msgs>("msgs");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("directions");
        const QStringList fontPicture = sketchDirections();
        const QStringList dotFont = scriptDirections();
        const QString simplified = QStringLiteral("Chinese (Simplified)");

        QTest::newRow("BMP picture in message 1")
            << Msgs {picture(1, "pattern.bmp")} << simplified << fontPicture;
        QTest::newRow("PNG taller than the badge, speed 8, flash, freeze")
            << Msgs {moving(picture(5, "tall.png"), "8", "Freeze show", true)} << simplified << fontPicture;
        QTest::newRow("JPEG picture from left to right")
            << Msgs {picture(2, "photo.jpg", "From left to right")} << simplified << fontPicture;
        QTest::newRow("two pictures of 4096 pixels")
            << Msgs {picture(1, "wide.png"), picture(2, "wide.png")} << simplified << fontPicture;
        QTest::newRow("simplified Chinese dot-font text")
            << Msgs {dot(1, QStringLiteral("Lume 徽章 12:30"))} << simplified << dotFont;
        QTest::newRow("Japanese dot-font text with half-width katakana")
            << Msgs {dot(3, QStringLiteral("こんにちは ﾃｽﾄ"), "to Up")} << QStringLiteral("Japanese")
            << dotFont;
        QTest::newRow("Korean dot-font text")
            << Msgs {dot(1, QStringLiteral("안녕하세요 badge"))} << QStringLiteral("Korean") << dotFont;
        QTest::newRow("traditional Chinese dot-font text")
            << Msgs {moving(dot(8, QStringLiteral("繁體中文")), "2", "to Down", true)}
            << QStringLiteral("Chinese (Traditional)") << dotFont;
        QTest::newRow("512 double-byte characters run past the row")
            << Msgs {dot(1, QString(512, QChar(0x4E2D)))} << simplified << dotFont;
        QTest::newRow("screen text, bold, top -1")
            << Msgs {screen(1, QStringLiteral("Badge Ünïcode 42"), "DejaVu Sans", "9", true, "-1")}
            << simplified << fontPicture;
        QTest::newRow("screen text at the default top offset")
            << Msgs {screen(4, QStringLiteral("gjpqy ÄÖ"), "DejaVu Serif", "12")} << simplified
            << fontPicture;
        Msg over = screen(2, QStringLiteral("over"), "DejaVu Sans Mono", "8", false, "1");
        over.kind = Msg::ScreenOverPicture;
        over.picture = QStringLiteral("pattern.png");
        QTest::newRow("screen text over a picture") << Msgs {over} << simplified << fontPicture;
        Msg over5 = over;
        over5.number = 5;
        QTest::newRow("eight messages of every kind")
            << Msgs {moving(dot(1, QStringLiteral("第一")), "1", "to Up", false),
                     moving(screen(2, QStringLiteral("two"), "DejaVu Sans", "10"), "2", "to Right", true),
                     moving(picture(3, "pattern.bmp"), "3", "Freeze", false),
                     moving(dot(4, QStringLiteral("four 四")), "5", "to Down", true),
                     moving(over5, "6", "to Left", false),
                     moving(picture(6, "photo.jpg"), "7", "to Up", true),
                     moving(dot(7, QString()), "8", "Freeze", true),
                     moving(screen(8, QStringLiteral("eight"), "DejaVu Sans", "7", true, "0"), "4",
                            "to Right", false)}
            << simplified << dotFont;
    }

    void shouldWriteWhatTheComposingFunctionsMake()
    {
        QFETCH(Msgs, msgs);
        QFETCH(QString, language);
        QFETCH(QStringList, directions);
        const QString output = m_dir.filePath("stream.bin");
        QStringList args {"--output", output, "--language", language, "--font-dir", DotFontDir};
        args << argumentsFor(msgs, m_dir.path());
        const LumesendRun run = runLumesend(args, m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        // What the badge will not show is said, and changes nothing that is sent.
        for (const QString &line : run.errorLines())
            QVERIFY2(line.startsWith(QLatin1String("lumesend: message ")), qPrintable(line));
        QCOMPARE(run.out, QByteArray());
        const BadgeStream expected = expectedStream(msgs, language, m_dir.path(), directions);
        QVERIFY(expected.dataWidth > 0);
        QCOMPARE(readFile(output), expected.bytes());
    }

    void shouldCodeEveryDirectionOfEitherListAsItsPosition_data()
    {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("code");
        for (const QStringList &entries : {sketchDirections(), scriptDirections()}) {
            for (int code = 0; code < entries.size(); ++code)
                QTest::newRow(qPrintable(entries[code])) << entries[code] << code;
        }
    }

    void shouldCodeEveryDirectionOfEitherListAsItsPosition()
    {
        QFETCH(QString, direction);
        QFETCH(int, code);
        const LumesendRun run = runLumesend({"--output", "-", "--message", "2", "--image",
                                             m_dir.filePath("white8x12.bmp"), "--direction", direction},
                                            m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QCOMPARE(run.out.size(), 689 + 12);
        QCOMPARE(quint8(run.out[5 + 2]), quint8(0x30 + code));
        QCOMPARE(quint8(run.out[5 + 1]), quint8(0x30)); // message 1 keeps the first direction
    }

    // Golden bytes, not through the builder: message 3 of width 1, all others empty at the defaults.
    void shouldLeaveMessagesThatAreNotNamedEmptyAtTheDefaults()
    {
        const LumesendRun run = runLumesend(
            {"--output", "-", "--message", "3", "--image", m_dir.filePath("white8x12.bmp")}, m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QByteArray expected("Hello");
        expected += QByteArray::fromHex("00"
                                        "3030303030303030"
                                        "00"
                                        "08000000"
                                        "08000000"
                                        "08000001"
                                        "08010000"
                                        "08010000"
                                        "08010000"
                                        "08010000"
                                        "08010000");
        expected += QByteArray(12, char(0xFF));
        expected += QByteArray(642, '\0');
        QCOMPARE(run.out, expected);
    }

    void shouldClipTheMessagesToTheBadgesMemory()
    {
        const QString output = m_dir.filePath("wide.bin");
        const QString wide = m_dir.filePath("wide.png");
        const LumesendRun run =
            runLumesend({"--output", output, "--message", "2", "--image", wide, "--message", "3", "--image",
                         m_dir.filePath("white8x12.bmp"), "--message", "5", "--image", wide},
                        m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QByteArray bytes = readFile(output);
        QCOMPARE(bytes.size(), 689 + 12 * 512);
        const QByteArray header = bytes.mid(5, 42);
        const auto word = [&header](int offset) {
            return (quint8(header[offset]) << 8) | quint8(header[offset + 1]);
        };
        const int widths[] = {0, 512, 0, 0, 0, 0, 0, 0};
        const int starts[] = {0x800, 0x800, 0xA00, 0xA00, 0xA00, 0xA00, 0xA00, 0xA00};
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(word(10 + 4 * m), starts[m]);
            QCOMPARE(word(12 + 4 * m), widths[m]);
        }
    }

    void shouldReplaceAnExistingOutputFile()
    {
        const QString output = m_dir.filePath("old.bin");
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
        old.close();
        const QStringList message {"--message", "1", "--text", "AB", "--font-dir", DotFontDir};
        const LumesendRun toFile = runLumesend(QStringList {"--output", output} + message, m_dir.path());
        QVERIFY2(toFile.exitCode == 0, toFile.err.constData());
        const LumesendRun toStdout = runLumesend(QStringList {"--output", "-"} + message, m_dir.path());
        QVERIFY2(toStdout.exitCode == 0, toStdout.err.constData());
        QCOMPARE(toStdout.out.size(), 689 + 12 * 2);
        QCOMPARE(readFile(output), toStdout.out);
    }

    void shouldAnswerHelpAndVersionWithoutADisplay()
    {
        QProcessEnvironment environment = lumesendEnvironment(m_dir.path());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(Lumesend, {"--version"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("lumesend " LUME_TEST_VERSION "\n"));
        const LumesendRun help = runLumesend({"--help"}, m_dir.path());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Usage: lumesend (--port COMn | --device PATH | --output FILE)"));
        QCOMPARE(help.err, QByteArray());

        // Screen fonts on the offscreen platform when none is named.
        process.start(Lumesend,
                      {"--output", "-", "--message", "1", "--screen-text", "A", "--font", "DejaVu Sans",
                       "--size", "9"});
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        QCOMPARE(process.readAllStandardOutput().size(), 689 + 12);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TstLumesendOutput)
#include "tst_lumesend_output.moc"
