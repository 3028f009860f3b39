// Every way lumesend refuses: its message, its status, and nothing written anywhere.
#include "lumesendtestsupport.h"

#include "testpseudoterminal.h"
#include "testwaits.h"

#include <QFile>
#include <QTest>

using namespace lume::test;

namespace {

const QByteArray OldContent = "what was there before";

QStringList substituted(QStringList texts, const QString &dir)
{
    for (QString &text : texts)
        text.replace(QLatin1String("{dir}"), dir);
    return texts;
}

} // namespace

class TstLumesendErrors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend));
        QVERIFY(m_pty.isValid());
        const QString dir = m_dir.path();
        QVERIFY(QDir(dir).mkpath("nofonts"));
        QVERIFY(QDir(dir).mkpath("chinesefonts"));
        for (const char *name : {"ASC12", "HZK12"})
            QVERIFY(QFile::copy(QDir(DotFontDir).filePath(name),
                                QDir(dir).filePath(QStringLiteral("chinesefonts/") + name)));
        QFile notes(QDir(dir).filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture\n");
        notes.close();
        QImage blue(40, 12, QImage::Format_RGB32);
        blue.fill(qRgb(0, 0, 255));
        writePicture(m_dir, "blue.png", blue);
        const QString bmp = writePicture(m_dir, "whole.bmp", patternPicture(64, 12, 1));
        QFile whole(bmp);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile cut(QDir(dir).filePath("cut.bmp"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.readAll().chopped(100));
    }

    // Arguments without a destination: each is tried against a new file, an existing file, standard
    // output and a pseudo-terminal.
    void shouldRefuseWithoutWritingAnything_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // the start of the one line on standard error

        const auto usage = [](const char *name, const QStringList &args, const QString &message) {
            QTest::newRow(name) << args << 2 << QStringLiteral("lumesend: ") + message;
        };
        usage("unknown option", {"--colour", "red"}, "unknown option \"--colour\" (see lumesend --help)");
        usage("unexpected argument", {"hello"}, "unexpected argument \"hello\"");
        usage("option without its value", {"--message", "1", "--text"}, "--text needs a value");
        usage("message 0", {"--message", "0"}, "--message takes a number from 1 to 8, not \"0\"");
        usage("message 9", {"--message", "9"}, "--message takes a number from 1 to 8, not \"9\"");
        usage("message 01", {"--message", "01"}, "--message takes a number from 1 to 8, not \"01\"");
        usage("message named twice", {"--message", "2", "--text", "A", "--message", "2"},
              "message 2 is named twice");
        usage("message option before --message", {"--speed", "3", "--message", "1"},
              "--speed must follow --message N");
        usage("option twice for one message", {"--message", "1", "--speed", "3", "--speed", "4"},
              "--speed is given twice for message 1");
        usage("speed 9", {"--message", "1", "--speed", "9"}, "--speed takes 1 to 8, not \"9\"");
        usage("speed 4.5", {"--message", "1", "--speed", "4.5"}, "--speed takes 1 to 8, not \"4.5\"");
        usage("direction in lower case", {"--message", "1", "--direction", "to left"},
              "--direction takes one of \"From right to left\", \"From left to right\", \"From down to up\", "
              "\"From up to down\", \"Freeze show\" or \"to Left\", \"to Right\", \"to Up\", \"to Down\", "
              "\"Freeze\", not \"to left\"");
        usage("language in lower case", {"--language", "korean"},
              "--language takes one of \"Chinese (Simplified)\", \"Chinese (Traditional)\", \"Japanese\", "
              "\"Korean\", not \"korean\"");
        usage("language twice", {"--language", "Korean", "--language", "Japanese"},
              "--language is given twice");
        usage("font folder without a name", {"--font-dir", ""}, "--font-dir needs a value");
        usage("size 0", {"--message", "1", "--screen-text", "A", "--font", "DejaVu Sans", "--size", "0"},
              "--size takes a size in points above 0, such as 10, not \"0\"");
        usage("size in exponent form",
              {"--message", "1", "--screen-text", "A", "--font", "DejaVu Sans", "--size", "1e1"},
              "--size takes a size in points above 0, such as 10, not \"1e1\"");
        usage("negative size",
              {"--message", "1", "--screen-text", "A", "--font", "DejaVu Sans", "--size", "-9"},
              "--size takes a size in points above 0, such as 10, not \"-9\"");
        usage("top offset that is no number",
              {"--message", "1", "--screen-text", "A", "--font", "DejaVu Sans", "--size", "9", "--top-adjust",
               "up"},
              "--top-adjust takes a number of pixels, such as -2, not \"up\"");
        usage("font without a name", {"--message", "1", "--screen-text", "A", "--font", "", "--size", "9"},
              "--font needs a font family");
        usage("picture without a name", {"--message", "1", "--image", ""}, "--image needs a file name");
        usage("dot-font text and screen text", {"--message", "3", "--text", "A", "--screen-text", "B"},
              "message 3: --text cannot be combined with --screen-text or --image");
        usage("dot-font text and picture", {"--message", "1", "--image", "{dir}/whole.bmp", "--text", "A"},
              "message 1: --text cannot be combined with --screen-text or --image");
        usage("font without screen text", {"--message", "5", "--text", "A", "--font", "DejaVu Sans"},
              "message 5: --font, --size, --bold and --top-adjust belong to --screen-text");
        usage("bold without screen text", {"--message", "5", "--image", "{dir}/whole.bmp", "--bold"},
              "message 5: --font, --size, --bold and --top-adjust belong to --screen-text");

        const auto failure = [](const char *name, const QStringList &args, const QString &message) {
            QTest::newRow(name) << args << 1 << QStringLiteral("lumesend: ") + message;
        };
        failure("missing picture", {"--message", "2", "--image", "{dir}/none.bmp"},
                "message 2: {dir}/none.bmp: the file does not exist.");
        failure("picture that is a folder", {"--message", "1", "--image", "{dir}/nofonts"},
                "message 1: {dir}/nofonts: this is a folder, not a picture file.");
        failure("file that is no picture", {"--message", "1", "--image", "{dir}/notes.txt"},
                "message 1: {dir}/notes.txt: not a picture file that can be read");
        failure("picture cut short", {"--message", "8", "--image", "{dir}/cut.bmp"},
                "message 8: {dir}/cut.bmp: the file ends before its picture does");
        failure(
            "bad picture after a good one",
            {"--message", "1", "--image", "{dir}/whole.bmp", "--message", "2", "--image", "{dir}/cut.bmp"},
            "message 2: {dir}/cut.bmp: the file ends before its picture does");
        failure("no dot-font files", {"--font-dir", "{dir}/nofonts", "--message", "1", "--text", "A"},
                "Font file \"ASC12\" not found! Looked in: {dir}/nofonts");
        failure("no double-byte font of the language",
                {"--font-dir", "{dir}/chinesefonts", "--language", "Korean", "--message", "1", "--text", "A"},
                "Font file \"KRK12\" not found! Looked in: {dir}/chinesefonts");
        failure("font folder that does not exist",
                {"--font-dir", "{dir}/none", "--message", "1", "--text", "A"},
                "Font file \"ASC12\" not found! Looked in: {dir}/none");
        failure("screen font that is not installed",
                {"--message", "6", "--screen-text", "A", "--font", "No Such Family", "--size", "9"},
                "message 6: no installed font family \"No Such Family\" (see fc-list : family)");
        failure("no message at all", {}, "nothing to send: every message is empty");
        failure("messages named but empty",
                {"--message", "1", "--speed", "5", "--message", "2", "--text", "", "--message", "3",
                 "--screen-text", "", "--font", "DejaVu Sans", "--size", "9"},
                "nothing to send: every message is empty");
        failure("picture without red", {"--message", "1", "--image", "{dir}/blue.png"},
                "nothing to send: every message is empty");
        failure("screen text too far up to show",
                {"--message", "1", "--screen-text", "A", "--font", "DejaVu Sans", "--size", "9",
                 "--top-adjust", "-40"},
                "nothing to send: every message is empty");
    }

    void shouldRefuseWithoutWritingAnything()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString dir = m_dir.path();
        const QStringList args = substituted(arguments, dir);
        const QString expected = message.replace(QLatin1String("{dir}"), dir);
        const QString fresh = m_dir.filePath("fresh.bin");
        const QString existing = m_dir.filePath("existing.bin");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(OldContent);
        file.close();
        const QStringList entriesBefore = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden);

        const QList<QStringList> destinations {
            {"--output", fresh}, {"--output", existing}, {"--output", "-"}, {"--device", m_pty.slavePath()}};
        for (const QStringList &destination : destinations) {
            const LumesendRun run = runLumesend(destination + args, dir);
            const QString what = destination.join(u' ');
            QVERIFY2(run.exitCode == status, qPrintable(what + ": " + run.err));
            const QStringList lines = run.errorLines();
            QVERIFY2(lines.size() == 1, qPrintable(what + ": " + run.err));
            QVERIFY2(lines[0].startsWith(expected), qPrintable(what + ": " + lines[0]));
            QCOMPARE(run.out, QByteArray());
        }
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(readFile(existing), OldContent);
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore); // no temporary left
        QCOMPARE(m_pty.readAvailable(), QByteArray());
    }

    // Errors in the destination itself.
    void shouldRefuseABadDestination_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("messages"); // the start of each line on standard error

        const QStringList message {"--message", "1", "--text", "A"};
        QTest::newRow("no destination")
            << message << 2
            << QStringList {"lumesend: say where the messages go: --port COMn, --device "
                            "PATH or --output FILE (see lumesend --help)"};
        QTest::newRow("two destinations")
            << QStringList {"--output", "{dir}/a.bin", "--output", "{dir}/b.bin"} + message << 2
            << QStringList {"lumesend: give only one of --port, --device and --output"};
        QTest::newRow("a file and a port") << QStringList {"--output", "{dir}/a.bin", "--port", "COM1"} +
                message << 2 << QStringList {"lumesend: give only one of --port, --device and --output"};
        QTest::newRow("--help with more")
            << QStringList {"--help", "--message", "1"} << 2 << QStringList {"lumesend: --help stands alone"};
        QTest::newRow("--list-ports with more") << QStringList {"--list-ports", "--output", "{dir}/a.bin"}
                                                << 2 << QStringList {"lumesend: --list-ports stands alone"};
        QTest::newRow("--check-port of two ports")
            << QStringList {"--check-port", "COM1", "COM2"} << 2
            << QStringList {"lumesend: --check-port stands alone, with one port or none"};
        QTest::newRow("--check-port after a destination")
            << QStringList {"--output", "{dir}/a.bin", "--check-port"} << 2
            << QStringList {"lumesend: --check-port stands alone, with one port or none"};
        // ReadComSet refuses these before anything is opened.
        for (const char *port : {"COM0", "COM33", "com1", "COM01", " COM1", ""}) {
            const QString name = QString::fromLatin1(port);
            QTest::newRow(qPrintable("port \"" + name + "\""))
                << QStringList {"--port", name} + message << 2
                << QStringList {name.isEmpty()
                                    ? QStringLiteral("lumesend: --port needs a value")
                                    : QStringLiteral("lumesend: Set Port Number Error! --port takes COM1 "
                                                     "to COM32, not \"%1\"")
                                          .arg(name)};
        }
        QTest::newRow("output folder missing") << QStringList {"--output", "{dir}/missing/out.bin"} +
                message << 1 << QStringList {"lumesend: {dir}/missing/out.bin: No such file or directory"};
        QTest::newRow("output is a folder") << QStringList {"--output", "{dir}/nofonts"} + message << 1
                                            << QStringList {"lumesend: {dir}/nofonts: "};
        QTest::newRow("device that does not exist")
            << QStringList {"--device", "{dir}/nodevice"} + message << 1
            << QStringList {"lumesend: Port in use or not port: {dir}/nodevice: No such file or directory",
                            "lumesend: {dir}/nodevice is not there any more: its adapter was unplugged",
                            "lumesend: Check the badge's cable", "lumesend: See what the kernel said"};
        QTest::newRow("device that is a plain file")
            << QStringList {"--device", "{dir}/notes.txt"} + message << 1
            << QStringList {
                   "lumesend: Port in use or not port: {dir}/notes.txt: Inappropriate ioctl for device"};
        // A bare name is a file of the working folder, never one of /dev.
        QTest::newRow("relative device name")
            << QStringList {"--device", "pts/4242"} + message << 1
            << QStringList {"lumesend: Port in use or not port: {dir}/pts/4242: No such file or directory",
                            "lumesend: {dir}/pts/4242 is not there any more",
                            "lumesend: Check the badge's cable", "lumesend: See what the kernel said"};
    }

    void shouldRefuseABadDestination()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, messages);
        const QString dir = m_dir.path();
        const QStringList before = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden);
        const LumesendRun run = runLumesend(substituted(arguments, dir), dir, dir);
        QVERIFY2(run.exitCode == status, run.err.constData());
        const QStringList lines = run.errorLines();
        const QStringList expected = substituted(messages, dir);
        QVERIFY2(lines.size() == expected.size(), run.err.constData());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(expected[i]), qPrintable(lines[i]));
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden), before);
    }

    void shouldCheckAPortWithoutWritingToIt_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("words");
        QTest::newRow("a free pseudo-terminal") << "{pty}" << 0 << "{pty} can be opened by this user now.";
        QTest::newRow("an unplugged device")
            << "{dir}/ttyUSB9" << 1 << "cannot be opened: {dir}/ttyUSB9 is not there any more";
        QTest::newRow("a plain file") << "{dir}/notes.txt" << 1 << "{dir}/notes.txt is no serial device.";
    }

    void shouldCheckAPortWithoutWritingToIt()
    {
        QFETCH(QString, port);
        QFETCH(int, status);
        QFETCH(QString, words);
        const auto fill = [this](QString text) {
            return text.replace(QLatin1String("{pty}"), m_pty.slavePath())
                .replace(QLatin1String("{dir}"), m_dir.path());
        };
        const LumesendRun run = runLumesend({"--check-port", fill(port)}, m_dir.path(), m_dir.path());
        QVERIFY2(run.exitCode == status, run.err.constData());
        QVERIFY2(QString::fromLocal8Bit(run.out).contains(fill(words)), run.out.constData());
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(m_pty.readAvailable(), QByteArray());
    }

    // The positive control of the checks above: the same destinations do receive a sound message.
    void shouldWriteToTheSameDestinationsWhenNothingIsWrong()
    {
        const QStringList message {"--message", "1", "--image", m_dir.filePath("whole.bmp")};
        const LumesendRun toPty =
            runLumesend(QStringList {"--device", m_pty.slavePath()} + message, m_dir.path());
        QVERIFY2(toPty.exitCode == 0, toPty.err.constData());
        const LumesendRun toStdout = runLumesend(QStringList {"--output", "-"} + message, m_dir.path());
        QVERIFY2(toStdout.exitCode == 0, toStdout.err.constData());
        QCOMPARE(toStdout.out.size(), 689 + 12 * 8);
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT((received += m_pty.readAvailable()).size() >= toStdout.out.size(),
                                 lume::test::SafetyNetMs);
        QCOMPARE(received, toStdout.out);
        QCOMPARE(toPty.err, QByteArray()); // no progress when standard error is not a terminal
    }

private:
    QTemporaryDir m_dir;
    PseudoTerminal m_pty;
};

QTEST_GUILESS_MAIN(TstLumesendErrors)
#include "tst_lumesend_errors.moc"
