// Both programs' windows on the real serial control: their start-up probe finds a running badgesim,
// Send writes to it, and what the simulator decoded is what the window holds.
#include "devicenames.h"
#include "form1.h"
#include "ledmatrix.h"
#include "qtserialcontrol.h"
#include "simulatorprocess.h"
#include "streamreport.h"
#include "testpseudoterminal.h"
#include "virtualports.h"
#include "windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace lume;
using lume::test::BadgesimProgram;
using lume::test::FakeFileDialogs;
using lume::test::PseudoTerminal;
using lume::test::RecordingPrompt;
using lume::test::shownMessage;
using lume::test::Simulator;

namespace {

const QString DataDir = QStringLiteral(LUME_BINARY_DIR "/share/scriptlume");

// One message as the summary must show it.
struct Shown
{
    int speed = 4;
    bool flash = false;
    int direction = 0;
    const char *name = "to left";
};
using ShownList = std::array<Shown, MessageBank::MessageCount>;

// The summary badgesim prints for the window's bank and the settings the test chose, worked out
// from the stream's layout: 689 fixed bytes and twelve rows of all widths, addresses from 0x0800.
QStringList expectedSummary(const MessageBank &bank, const ShownList &shown)
{
    int total = 0;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        total += bank.width(m);
    const int bytes = 689 + 12 * total;
    QStringList lines {QStringLiteral("stream 1: %1 bytes, %2").arg(bytes).arg(lineTimeText(bytes))};
    int start = 0x0800;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const Shown &s = shown[m];
        lines << QStringLiteral("message %1: speed %2, flash %3, direction %4 (%5), start 0x%6, width %7")
                     .arg(m + 1)
                     .arg(s.speed)
                     .arg(s.flash ? QStringLiteral("on") : QStringLiteral("off"))
                     .arg(s.direction)
                     .arg(QLatin1StringView(s.name))
                     .arg(QString::number(start, 16).toUpper().rightJustified(4, u'0'))
                     .arg(bank.width(m));
        start += bank.width(m);
    }
    return lines;
}

// The LEDs message m lights, bit by bit from the window's bank (bit 7 of a byte leftmost).
LedMatrix bankMatrix(const MessageBank &bank, int m)
{
    LedMatrix matrix(bank.width(m) * 8);
    for (int r = 0; r < LedMatrix::Rows; ++r)
        for (int c = 0; c < matrix.columns(); ++c)
            matrix.setLit(r, c, bank.byte(m, r, c / 8) & (0x80 >> (c % 8)));
    return matrix;
}

// A running simulator and the machine's serial devices played by stand-ins: pseudo-terminals of
// the test that open as a free port does, and a device that is not there. No device of the
// machine is ever listed, so the probe opens nothing but these and the simulator.
struct Session
{
    QTemporaryDir work;
    Simulator sim;
    std::vector<std::unique_ptr<PseudoTerminal>> freePorts;
    QStringList listed; // COM1, COM2, ...
    std::unique_ptr<QtSerialControl> serial;
    RecordingPrompt prompt;

    [[nodiscard]] QString pictures() const { return work.filePath(QStringLiteral("pictures")); }

    bool start(const QString &runtimeDir, int freeCount, bool gonePort)
    {
        if (!sim.start(runtimeDir, {QStringLiteral("--once"), QStringLiteral("--png"), pictures()}))
            return false;
        QStringList devices;
        for (int k = 0; k < freeCount; ++k) {
            freePorts.push_back(std::make_unique<PseudoTerminal>());
            devices << freePorts.back()->slavePath();
        }
        // Named like a USB adapter, so that it comes first; the temporary folder keeps it unique.
        if (gonePort)
            devices << work.filePath(QStringLiteral("ttyUSB-gone"));
        // As the programs list them: arranged, the consoles left out, then the virtual badges.
        const QStringList consoles = consoleDevices();
        listed = arrangeDevices(devices, consoles);
        for (const QString &port : virtualPorts()) {
            if (!listed.contains(port) && !isConsole(port, consoles))
                listed << port;
        }
        serial = std::make_unique<QtSerialControl>(fixedPorts(listed));
        return !listed.isEmpty() && listed.last() == sim.device;
    }

    [[nodiscard]] std::function<QString(int)> portDevice() const { return fixedPorts(listed); }

    // Nothing of the stream reached a stand-in.
    [[nodiscard]] bool standInsUntouched() const
    {
        for (const auto &port : freePorts)
            if (!port->readAvailable().isEmpty())
                return false;
        return true;
    }
};

// ComSele as the start-up probe left it; then the user picks the simulator's port.
void choosePort(QComboBox *ports, const QStringList &listed, const QString &preselected,
                const QString &device)
{
    QStringList entries;
    for (int i = 0; i < ports->count(); ++i)
        entries << ports->itemText(i);
    QCOMPARE(entries, listed);
    QCOMPARE(ports->currentText(), preselected);
    const int simulator = ports->count() - 1;
    QCOMPARE(ports->itemData(simulator, Qt::ToolTipRole).toString(), device);
    ports->setCurrentIndex(simulator);
}

// The summary and, from the pictures badgesim drew, every LED of every message with content.
void verifyReceived(Session &session, const MessageBank &bank, const ShownList &shown)
{
    int code = -1;
    QStringList lines;
    QVERIFY2(session.sim.finish(&code, &lines), session.sim.errors.constData());
    QCOMPARE(lines, expectedSummary(bank, shown));
    QCOMPARE(code, 0);
    QVERIFY(session.standInsUntouched());
    QVERIFY(!QFile::exists(virtualPortFile(session.sim.process.processId())));
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const QString file = QDir(session.pictures()).filePath(pngFileName(1, m));
        QCOMPARE(QFile::exists(file), bank.width(m) > 0);
        if (bank.width(m) > 0)
            QVERIFY2(QImage(file).convertToFormat(QImage::Format_RGB32) == renderLeds(bankMatrix(bank, m)),
                     qPrintable(file));
    }
}

// The machine's serial devices as the stand-ins play them, and the ports the probe lists.
struct PortSetUp
{
    const char *tag;
    int freeCount;
    bool gonePort;
    QStringList listed;
};
const std::array<PortSetUp, 4> PortSetUps {{
    {"simulator alone", 0, false, {"COM1"}},
    {"after two free ports", 2, false, {"COM1", "COM2", "COM3"}},
    {"after a port that is gone and a free one", 1, true, {"COM2", "COM3"}},
    {"after one free port", 1, false, {"COM1", "COM2"}},
}};

// Letters as key clicks, the word as an input method commits it.
void typeMessage(QLineEdit *box, const QString &letters, const QString &word)
{
    box->clear();
    QTest::keyClicks(box, letters);
    QInputMethodEvent commit;
    commit.setCommitString(word);
    QCoreApplication::sendEvent(box, &commit);
}

} // namespace

class TstWindowSend : public QObject
{
    Q_OBJECT

public:
    // The windows read the port directory from the runtime directory the simulator writes to;
    // the application reads it as it starts, so it is set before.
    static void initMain() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir().path())); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(QFile::exists(BadgesimProgram), qPrintable(BadgesimProgram));
        QVERIFY2(QFile::exists(DataDir + QStringLiteral("/ASC12")), qPrintable(DataDir));
        QVERIFY(runtimeDir().isValid());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), runtimeDir().path());
    }

    void sketchlumeShouldSendToTheSimulatorItFinds_data()
    {
        QTest::addColumn<int>("setUp");
        QTest::addColumn<QString>("preselected");
        // The highest port that opened decides: 2 or less, the first entry, else the last.
        const std::array<const char *, PortSetUps.size()> preselected {"COM1", "COM3", "COM3", "COM1"};
        for (int k = 0; k < int(PortSetUps.size()); ++k)
            QTest::newRow(PortSetUps[k].tag) << k << QString::fromLatin1(preselected[k]);
    }

    void sketchlumeShouldSendToTheSimulatorItFinds()
    {
        QFETCH(int, setUp);
        QFETCH(QString, preselected);
        const PortSetUp &ports = PortSetUps[setUp];
        const QString font = QStringLiteral("DejaVu Sans");
        QVERIFY2(QFontDatabase::families().contains(font), "the font of Debian's fonts-dejavu-core");
        Session session;
        QVERIFY2(session.start(runtimeDir().path(), ports.freeCount, ports.gonePort),
                 session.sim.errors.constData());
        FakeFileDialogs dialogs;
        FontPictureWindow window({*session.serial, session.prompt, dialogs,
                                  session.work.filePath(QStringLiteral("Lumeset.ini")),
                                  session.portDevice()});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        choosePort(window.findChild<QComboBox *>("ComSele"), ports.listed, preselected, session.sim.device);
        if (QTest::currentTestFailed())
            return;

        auto *text = window.findChild<QPlainTextEdit *>("TxtBox0");
        text->clear();
        QTest::keyClicks(text, QStringLiteral("Lume 2.0"));
        window.findChild<QComboBox *>("FntName0")->setCurrentText(font);
        window.findChild<QComboBox *>("FntSize0")->setCurrentText(QStringLiteral("9"));
        window.findChild<QCheckBox *>("ChkBold0")->click();
        window.findChild<QComboBox *>("ComMod0")->setCurrentText(QStringLiteral("From left to right"));
        window.findChild<QCheckBox *>("ChkFls0")->click();
        window.findChild<QComboBox *>("MovSpeed0")->setCurrentText(QStringLiteral("7"));
        window.findChild<QPushButton *>("CmdUpText")->click();

        QTabBar *tabs = window.findChild<QTabWidget *>("TabStrip1")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QCOMPARE(shownMessage(window), 2);
        dialogs.answer = QStringLiteral(LUME_SOURCE_DIR "/fontpicture/tests/data/stripes24x12.gif");
        window.findChild<QPushButton *>("CmdLdPic")->click();
        window.findChild<QComboBox *>("ComMod2")->setCurrentText(QStringLiteral("Freeze show"));
        window.findChild<QComboBox *>("MovSpeed2")->setCurrentText(QStringLiteral("2"));

        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(7).center());
        window.findChild<QPlainTextEdit *>("TxtBox7")->setPlainText(QStringLiteral("8"));
        window.findChild<QComboBox *>("FntName7")->setCurrentText(font);
        window.findChild<QComboBox *>("ComMod7")->setCurrentText(QStringLiteral("From up to down"));
        window.findChild<QComboBox *>("MovSpeed7")->setCurrentText(QStringLiteral("1"));
        window.findChild<QPushButton *>("CmdUpText")->click();
        for (int m : {0, 2, 7})
            QVERIFY2(!bankMatrix(WindowTestAccess::bank(window), m).isDark(), qPrintable(QString::number(m)));

        window.findChild<QPushButton *>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        QTRY_VERIFY_WITH_TIMEOUT(!WindowTestAccess::isSending(window), test::SafetyNetMs);
        QCOMPARE(session.prompt.boxes.size(), 0);

        ShownList shown;
        shown[0] = {7, true, 1, "to right"};
        shown[2] = {2, false, 4, "freeze"};
        shown[7] = {1, false, 3, "to down"};
        verifyReceived(session, WindowTestAccess::bank(window), shown);
    }

    void scriptlumeShouldSendToTheSimulatorItFinds_data()
    {
        QTest::addColumn<int>("setUp");
        QTest::addColumn<QString>("preselected");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("word");
        QTest::addColumn<qint16>("firstWidth"); // "Lume " and the word
        QTest::addColumn<qint16>("thirdWidth"); // "Hi " and the word
        // The number of ports that opened decides: 2 or fewer, the first entry, else the last.
        const std::array<const char *, PortSetUps.size()> preselected {"COM1", "COM3", "COM2", "COM1"};
        // Each port set-up meets one language. Widths: 8 pixels a letter or space, 13 a
        // double-byte character, in column bytes rounded up.
        const std::array<const char *, PortSetUps.size()> languages {"Chinese (Simplified)", "Japanese",
                                                                     "Korean", "Chinese (Traditional)"};
        const std::array<const char *, PortSetUps.size()> words {"你好", "こんにちは", "안녕", "你好"};
        const std::array<qint16, PortSetUps.size()> firstWidths {9, 14, 9, 9};
        const std::array<qint16, PortSetUps.size()> thirdWidths {7, 12, 7, 7};
        for (int k = 0; k < int(PortSetUps.size()); ++k)
            QTest::newRow(PortSetUps[k].tag)
                << k << QString::fromLatin1(preselected[k]) << QString::fromLatin1(languages[k])
                << QString::fromUtf8(words[k]) << firstWidths[k] << thirdWidths[k];
    }

    void scriptlumeShouldSendToTheSimulatorItFinds()
    {
        QFETCH(int, setUp);
        QFETCH(QString, preselected);
        QFETCH(QString, language);
        QFETCH(QString, word);
        QFETCH(qint16, firstWidth);
        QFETCH(qint16, thirdWidth);
        const PortSetUp &ports = PortSetUps[setUp];
        Session session;
        QVERIFY2(session.start(runtimeDir().path(), ports.freeCount, ports.gonePort),
                 session.sim.errors.constData());
        Form1 window({
            .port = *session.serial,
            .prompt = session.prompt,
            .settingsPath = session.work.filePath(QStringLiteral("Scriptlume.ini")),
            .fontSearchDirs = {DataDir},
            .portDevice = session.portDevice(),
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        choosePort(window.findChild<QComboBox *>("ComSele"), ports.listed, preselected, session.sim.device);
        if (QTest::currentTestFailed())
            return;

        window.findChild<QComboBox *>("ComLanguage")->setCurrentText(language);
        typeMessage(window.findChild<QLineEdit *>("TxtMsg0"), QStringLiteral("Lume "), word);
        typeMessage(window.findChild<QLineEdit *>("TxtMsg2"), QStringLiteral("Hi "), word);
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            auto *select = window.findChild<QCheckBox *>(QStringLiteral("ChkSel%1").arg(m));
            if (select->isChecked() != (m == 0 || m == 2))
                select->click();
        }
        window.findChild<QComboBox *>("ComSpd0")->setCurrentText(QStringLiteral("6"));
        window.findChild<QComboBox *>("ComMod0")->setCurrentText(QStringLiteral("to Right"));
        window.findChild<QCheckBox *>("ChkFls0")->click();
        // Not selected: sent empty, with its settings.
        window.findChild<QComboBox *>("ComSpd1")->setCurrentText(QStringLiteral("3"));
        window.findChild<QComboBox *>("ComMod1")->setCurrentText(QStringLiteral("to Up"));
        window.findChild<QComboBox *>("ComSpd2")->setCurrentText(QStringLiteral("8"));
        window.findChild<QComboBox *>("ComMod2")->setCurrentText(QStringLiteral("Freeze"));

        QSignalSpy finished(window.findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        window.findChild<QPushButton *>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(session.prompt.boxes.size(), 0);
        QCOMPARE(WindowTestAccess::bank(window).widths(),
                 (std::array<qint16, 8> {firstWidth, 0, thirdWidth}));
        for (int m : {0, 2})
            QVERIFY2(!bankMatrix(WindowTestAccess::bank(window), m).isDark(), qPrintable(QString::number(m)));

        ShownList shown;
        shown[0] = {6, true, 1, "to right"};
        shown[1] = {3, false, 2, "to up"};
        shown[2] = {8, false, 4, "freeze"};
        verifyReceived(session, WindowTestAccess::bank(window), shown);
    }

private:
    static QTemporaryDir &runtimeDir()
    {
        static QTemporaryDir dir;
        return dir;
    }
};

QTEST_MAIN(TstWindowSend)
#include "tst_windowsend.moc"
