// lumesend --settings against the real windows started offscreen with the same file, and
// --stream with good and damaged files.
#include "lumesendtestsupport.h"

#include "fakeserialcontrol.h"
#include "form1.h"
#include "streamdecoder.h"
#include "testpseudoterminal.h"
#include "testsupport.h"
#include "testwaits.h"
#include "windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace lume;
using namespace lume::test;

namespace {

using Edits = QList<std::pair<QString, QString>>; // control name, text or check state

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// What a user does to a control after the start: type a text or set a check box.
void edit(QWidget *window, const Edits &edits)
{
    for (const auto &[name, value] : edits) {
        QWidget *control = window->findChild<QWidget *>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setEditText(value);
        else if (auto *line = qobject_cast<QLineEdit *>(control))
            line->setText(value);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(control))
            text->setPlainText(value);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setCheckState(value == u"1" ? Qt::Checked : Qt::Unchecked);
    }
}

QByteArray lumesendStream(const QStringList &arguments, const QString &dir)
{
    const LumesendRun run = runLumesend(QStringList {"--output", "-"} + arguments, dir);
    if (run.exitCode != 0)
        qWarning("lumesend failed: %s", run.err.constData());
    return run.out;
}

// Values the windows take as they are: typed speeds and directions, greyed boxes, cuts, letter case.
const QByteArray OddScriptlumeIni = "[Message1]\n"
                                    "Message1Text=Lume \xE5\xBE\xBD\xE7\xAB\xA0 \xC3\x84\n"
                                    "Select=2\nSpeed=2.5\nDirection=to Up\nFlash=2\n"
                                    "[message2]\r\n"
                                    "message2text=  \"quoted \" \r\n"
                                    "SELECT=1\r\nSpeed=9\r\nDirection=to left\r\nFlash=1\r\n"
                                    "[Message3]\nMessage3Text=not selected\nSelect=0\nSpeed=7\n"
                                    "Direction=Freeze\nFlash=1\n"
                                    "[Message4]\nMessage4Text=\nSpeed=abc\nDirection=Freeze show\n"
                                    "[Message5]\nMessage5Text=line\xE2\x80\xA8"
                                    "break\nSelect=7\n"
                                    "Speed=0.5\nDirection=to Right\n"
                                    "[Message6]\nSpeed=8\nDirection=to Downwards\n"
                                    "[Message7]\nMessage7Text=" +
    QByteArray(500, 'W') +
    "\n"
    "[Language]\nLanguage=korean\n";

const QByteArray OddLumesetIni =
    "[TopLocationAdjustSet]\nTopLocationAdjust=0.5\n"
    "[MessageText]\n"
    "Message1Text=Lume \xC3\x9Cn\xC3\xAF\n"
    "Message2Text=\n"
    "Message3Text=two\xE2\x80\xA9\xE2\x80\xA8lines\xC2\xA0nbsp\n"
    "Message4Text=Bold grey\n"
    "Message5Text=letter case\n"
    "Message6Text=no such font\n"
    "Message7Text=no size\n"
    "[Message1ShowFontSet]\nFontName=DejaVu Sans\nFontSize=9\nFontBold=1\n"
    "[Message1ShowMode]\nMoveDirection=From left to right\nFlash=2\nMoveSpeed=2.5\n"
    "[Message3ShowFontSet]\nFontName=DejaVu Serif\nFontSize=10.5pt\n"
    "[Message3ShowMode]\nMoveDirection=to Left\nMoveSpeed=9\n"
    "[Message4ShowFontSet]\nFontName=DejaVu Sans Mono\nFontSize=8\nFontBold=2\n"
    "[Message4ShowMode]\nMoveDirection=Freeze show\nFlash=1\nMoveSpeed=1\n"
    "[Message5ShowFontSet]\nFontName=dejavu sans\nFontSize=12\n"
    "[Message6ShowFontSet]\nFontName=No Such Font\nFontSize=7\n"
    "[Message7ShowFontSet]\nFontName=DejaVu Sans\nFontSize=\n";

} // namespace

class TstLumesendFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend)); }

    void shouldSendWhatScriptlumeSendsAfterAStartWithTheFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Edits>("edits");
        QTest::newRow("odd values") << OddScriptlumeIni << QStringList() << Edits();
        QTest::newRow("options over the file") << OddScriptlumeIni << QStringList {"--message",
                                                                                   "3",
                                                                                   "--text",
                                                                                   "\xE6\x96\xB0 new",
                                                                                   "--flash",
                                                                                   "--message",
                                                                                   "2",
                                                                                   "--speed",
                                                                                   "6",
                                                                                   "--direction",
                                                                                   "From up to down",
                                                                                   "--language",
                                                                                   "Japanese"}
                                               << Edits {{"TxtMsg2", QStringLiteral("\u65B0 new")},
                                                         {"ChkSel2", "1"},
                                                         {"ChkFls2", "1"},
                                                         {"ComSpd1", "6"},
                                                         {"ComMod1", "to Down"},
                                                         {"ComLanguage", "Japanese"}};
    }

    void shouldSendWhatScriptlumeSendsAfterAStartWithTheFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, options);
        QFETCH(Edits, edits);
        const QString path = m_dir.filePath("Scriptlume.ini");
        writeBytes(path, ini);
        FakeSerialControl serial;
        serial.setOpenablePorts({1});
        RecordingPrompt prompt;
        {
            Form1 window(Form1Dependencies {
                .port = serial, .prompt = prompt, .settingsPath = path, .fontSearchDirs = {DotFontDir}});
            window.show();
            edit(&window, edits);
            QSignalSpy finished(window.findChild<BadgeSender *>(), &BadgeSender::transferFinished);
            window.findChild<QPushButton *>("CmdSend")->click();
            QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::SafetyNetMs);
            QCOMPARE(prompt.boxes.size(), 0);
        }
        writeBytes(path, ini); // as it was before the window
        const QByteArray sent = serial.written();
        QVERIFY(sent.size() > 689);
        QCOMPARE(lumesendStream(QStringList {"--settings", path, "--font-dir", DotFontDir} + options,
                                m_dir.path()),
                 sent);
    }

    void shouldSendWhatSketchlumeDrawsAfterAStartWithTheFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Edits>("edits");
        QTest::newRow("odd values") << OddLumesetIni << QStringList() << Edits();
        QTest::newRow("options over the file")
            << OddLumesetIni << QStringList {"--message", "2", "--screen-text", "in the saved font",
                                             "--message", "4", "--size",        "11",
                                             "--speed",   "8", "--direction",   "to Right"}
            << Edits {{"TxtBox1", "in the saved font"},
                      {"FntSize3", "11"},
                      {"MovSpeed3", "8"},
                      {"ComMod3", "From left to right"}};
    }

    void shouldSendWhatSketchlumeDrawsAfterAStartWithTheFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, options);
        QFETCH(Edits, edits);
        WindowRig rig;
        writeBytes(rig.settingsPath(), ini);
        FontPictureWindow &window = rig.start();
        edit(&window, edits);
        // "Up Paste Text" for every message, as the user would after the start.
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            rig.child<QTabWidget>("TabStrip1")->setCurrentIndex(m);
            rig.child<QPushButton>("CmdUpText")->click();
        }
        rig.child<QPushButton>("CmdSend")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!WindowTestAccess::isSending(window), test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());
        const QByteArray sent = rig.port.written();
        QVERIFY(sent.size() > 689);

        writeBytes(rig.settingsPath(), ini);
        QCOMPARE(lumesendStream(QStringList {"--settings", rig.settingsPath()} + options, rig.dir.path()),
                 sent);
    }

    void shouldReadAWindowsFileInItsCodePage_data()
    {
        QTest::addColumn<QByteArray>("legacy");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("Scriptlume, GBK") << QByteArray("[Message1]\r\nMessage1Text=\xD6\xD0\xCE\xC4 A\r\n")
                                         << QByteArray("[Message1]\r\nMessage1Text=\u4E2D\u6587 A\r\n");
        QTest::newRow("Scriptlume, Shift_JIS")
            << QByteArray("[Message1]\nMessage1Text=\x82\xA0\n[Language]\nLanguage=Japanese\n")
            << QByteArray("[Message1]\nMessage1Text=\u3042\n[Language]\nLanguage=Japanese\n");
    }

    // A file carried over from the Windows program sends what the same file in UTF-8 sends.
    void shouldReadAWindowsFileInItsCodePage()
    {
        QFETCH(QByteArray, legacy);
        QFETCH(QByteArray, utf8);
        const QString legacyPath = m_dir.filePath("legacy.ini");
        const QString utf8Path = m_dir.filePath("utf8.ini");
        writeBytes(legacyPath, legacy);
        writeBytes(utf8Path, utf8);
        const QByteArray sent =
            lumesendStream({"--settings", utf8Path, "--font-dir", DotFontDir}, m_dir.path());
        QVERIFY(!sent.isEmpty());
        QCOMPARE(lumesendStream({"--settings", legacyPath, "--font-dir", DotFontDir}, m_dir.path()), sent);
    }

    void shouldSendAStreamFileAsItIs()
    {
        const QString good = m_dir.filePath("week.bin");
        const LumesendRun made =
            runLumesend({"--output", good, "--settings", writeOdd(), "--font-dir", DotFontDir}, m_dir.path());
        QCOMPARE(made.exitCode, 0);
        const QByteArray bytes = readFile(good);
        QVERIFY(decodeStream(bytes).stream);

        // Copied as it is, and sent as it is to a device.
        const QString copy = m_dir.filePath("copy.bin");
        QCOMPARE(runLumesend({"--stream", good, "--output", copy}, m_dir.path()).exitCode, 0);
        QCOMPARE(readFile(copy), bytes);

        // Checked into a device in place: the null device stays one, not replaced by a file.
        const QString null = m_dir.filePath("null");
        if (::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
            QCOMPARE(runLumesend({"--stream", good, "--output", null}, m_dir.path()).exitCode, 0);
            QVERIFY(!QFileInfo(null).isFile());
        } else {
            qInfo("no null device made (not root): the check in place is left out");
        }

        PseudoTerminal line;
        QVERIFY(line.isValid());
        QProcess process;
        process.setProcessEnvironment(lumesendEnvironment(m_dir.path()));
        process.start(Lumesend, {"--stream", good, "--device", line.slavePath()});
        QByteArray received;
        while (!process.waitForFinished(20))
            received += line.readAvailable();
        received += line.readAvailable();
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(received, bytes);
    }

    void shouldRefuseBadFilesAndWriteNothing_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("content"); // "<folder>" and "<missing>" for no file
        QTest::addColumn<QString>("reason");
        const QByteArray good = streamOfOdd();
        QByteArray trailer = good;
        trailer[trailer.size() - 1] = 1;
        QByteArray header = good;
        header[15] = 0x09;
        QTest::newRow("stream: short")
            << "--stream" << good.first(700) << decodeStream(good.first(700)).error;
        QTest::newRow("stream: long") << "--stream" << good + '\0' << decodeStream(good + '\0').error;
        QTest::newRow("stream: trailer") << "--stream" << trailer << decodeStream(trailer).error;
        QTest::newRow("stream: header") << "--stream" << header << decodeStream(header).error;
        QTest::newRow("stream: a picture") << "--stream" << QByteArray("BM\x36\0\0\0", 6) << "wrong preamble";
        QTest::newRow("stream: empty") << "--stream" << QByteArray() << "stream is 0 bytes";
        QTest::newRow("stream: missing") << "--stream" << QByteArray("<missing>") << "no such file";
        QTest::newRow("settings: empty")
            << "--settings" << QByteArray("\r\n") << "empty: not a settings file";
        QTest::newRow("settings: another program's")
            << "--settings" << QByteArray("[General]\nMessage1Text=x\n") << "none of their sections";
        QTest::newRow("settings: both programs'")
            << "--settings" << QByteArray("[Message1]\nSelect=1\n[MessageText]\n") << "of both";
        QTest::newRow("settings: bytes of no code page")
            << "--settings" << QByteArray("[Message1]\nMessage1Text=\xFF\xFE\xFF\n")
            << "[Message1] Message1Text";
        QTest::newRow("settings: a folder") << "--settings" << QByteArray("<folder>") << "a folder";
        QTest::newRow("settings: missing") << "--settings" << QByteArray("<missing>") << "no such file";
    }

    void shouldRefuseBadFilesAndWriteNothing()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath("input");
        if (content == "<folder>")
            QVERIFY(QDir(dir.path()).mkdir("input"));
        else if (content != "<missing>")
            writeBytes(path, content);
        const QString output = dir.filePath("out.bin");
        writeBytes(output, "kept");
        QStringList arguments {option, path, "--output", output};
        if (option == u"--settings")
            arguments << "--font-dir" << DotFontDir;
        const LumesendRun run = runLumesend(arguments, dir.path());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errorLines().size(), 1);
        QVERIFY2(run.errorLines().first().startsWith("lumesend: " + path), run.err.constData());
        QVERIFY2(run.errorLines().first().contains(reason), run.err.constData());
        QCOMPARE(readFile(output), QByteArray("kept"));
        QVERIFY(run.out.isEmpty());
    }

private:
    QString writeOdd()
    {
        const QString path = m_dir.filePath("odd-Scriptlume.ini");
        writeBytes(path, OddScriptlumeIni);
        return path;
    }
    QByteArray streamOfOdd()
    {
        return lumesendStream({"--settings", writeOdd(), "--font-dir", DotFontDir}, m_dir.path());
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TstLumesendFiles)
#include "tst_lumesend_files.moc"
