// Scriptlume with a screen reader and with the keyboard alone.
#include "accessibility.h"
#include "accessibilitywalk.h"
#include "badgesender.h"
#include "badgestream.h"
#include "dotfontrasteriser.h"
#include "fakeserialcontrol.h"
#include "form1.h"
#include "messageboxpreview.h"
#include "scriptsendprofile.h"
#include "testsupport.h"
#include "testwaits.h"
#include "usagemeter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lume;
using namespace lume::test;

namespace {

// Dot-font files of the right sizes with a plain pattern: what matters here is that the window
// sends what the rasteriser makes of them.
void writeFontFile(const QString &path, int size)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 29 + 3);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(size));
}

struct Rig
{
    QTemporaryDir dir;
    FakeSerialControl serial;
    RecordingPrompt prompt;
    std::unique_ptr<Form1> window;

    Form1 &start()
    {
        window = std::make_unique<Form1>(
            Form1Dependencies {.port = serial,
                               .prompt = prompt,
                               .settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini")),
                               .fontSearchDirs = {dir.path()}});
        window->show();
        return *window;
    }
    template<typename T> T *child(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
};

} // namespace

class TstForm1Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldNameEveryControlThatTakesTheFocus()
    {
        Rig rig;
        Form1 &window = rig.start();
        const QStringList unnamed = unnamedFocusableControls(&window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("ComSpd2")), QStringLiteral("Message 3 speed|4|"));
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("ComMod7")),
                 QStringLiteral("Message 8 direction|to Left|"));
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("ComLanguage")).section(u'|', 0, 0),
                 QStringLiteral("Language"));
        QCOMPARE(accessibleTexts(rig.child<QCheckBox>("ChkSel2")).section(u'|', 0, 0),
                 QStringLiteral("Message 3 selected"));
        QCOMPARE(accessibleTexts(rig.child<QLineEdit>("TxtMsg2")).section(u'|', 0, 0),
                 QStringLiteral("Message 3 text"));
        QCOMPARE(accessibleTexts(rig.child<QWidget>("ProgressBar1")).section(u'|', 0, 0),
                 QStringLiteral("Send progress"));
    }

    void shouldSayHowMuchOfTheBadgeTheSelectedMessagesTake()
    {
        Rig rig;
        rig.start();
        auto *meter = rig.child<QWidget>("Picture2");
        for (int m = 0; m < 8; ++m)
            rig.child<QLineEdit>(QStringLiteral("TxtMsg%1").arg(m))->setText(QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(accessibleTexts(meter), QStringLiteral("Usage meter||80 of 512 column bytes"));
        rig.child<QCheckBox>("ChkSel7")->click(); // not selected: not counted
        QCOMPARE(accessibleTexts(meter), QStringLiteral("Usage meter||70 of 512 column bytes"));
        // The real sum, though the strip stops at its end.
        rig.child<QLineEdit>("TxtMsg0")->setText(QString(500, u'A'));
        QCOMPARE(accessibleTexts(meter),
                 QStringLiteral("Usage meter||560 of 512 column bytes: 48 more than the badge holds"));
    }

    void shouldMarkUnencodableCharactersInAColourApartFromTheText()
    {
        for (int m = 0; m < 8; ++m) {
            const QColor text = messageColour(m);
            const QColor mark = MessageBoxPreview::markColourUnder(text);
            const int apart = std::abs(mark.hsvHue() - text.hsvHue());
            QVERIFY2(std::min(apart, 360 - apart) >= 60 || text.hsvSaturation() < 128,
                     qPrintable(
                         QStringLiteral("message %1: %2 under %3").arg(m + 1).arg(mark.name(), text.name())));
        }
    }

    void shouldComposeAndSendByKeysAlone()
    {
        Rig rig;
        writeFontFile(QDir(rig.dir.path()).filePath(QStringLiteral("ASC12")), 256 * 12);
        writeFontFile(QDir(rig.dir.path()).filePath(QStringLiteral("HZK12")), 126 * 191 * 24);
        rig.serial.setOpenablePorts({1});
        Form1 &window = rig.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.child<QTimer>("Timer1")->isActive(), lume::test::SafetyNetMs);
        QCOMPARE(focusName(), QStringLiteral("ChkSel0")); // the first tab stop
        auto *text = rig.child<QLineEdit>("TxtMsg0");

        QCOMPARE(tabThrough(&window, 1), QStringList {"TxtMsg0"});
        pressKey(&window, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, QStringLiteral("Hi"));
        QCOMPARE(tabThrough(&window, 1), QStringList {"ComSpd0"});
        pressKey(&window, Qt::Key_Down); // "4" -> "5"
        QCOMPARE(tabThrough(&window, 2), (QStringList {"ComMod0", "ChkFls0"}));
        pressKey(&window, Qt::Key_Space); // flash
        // Back round the chain to Send.
        QCOMPARE(tabThrough(&window, 6, true),
                 (QStringList {"ComMod0", "ComSpd0", "TxtMsg0", "ChkSel0", "CmdExit", "CmdSend"}));
        QCOMPARE(text->text(), QStringLiteral("Hi"));

        std::array<QString, MessageBank::MessageCount> texts;
        std::array<bool, MessageBank::MessageCount> selected;
        MessageSettingsList settings;
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            texts[m] = rig.child<QLineEdit>(QStringLiteral("TxtMsg%1").arg(m))->text();
            selected[m] = rig.child<QCheckBox>(QStringLiteral("ChkSel%1").arg(m))->isChecked();
            settings[m].direction = QStringLiteral("to Left");
        }
        settings[0] = {QStringLiteral("5"), true, QStringLiteral("to Left")};
        MessageBank bank;
        QVERIFY(
            prepareBank(bank, texts, selected, QStringLiteral("Chinese (Simplified)"), {rig.dir.path()}).ok);
        const QByteArray expected = buildBadgeStream(bank, settings, scriptDirections()).bytes();

        QSignalSpy finished(window.findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        pressKey(&window, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, lume::test::SafetyNetMs);
        QCOMPARE(rig.serial.written(), expected);
        QCOMPARE(rig.serial.portNumber(), 1);
        QVERIFY(rig.prompt.boxes.isEmpty());
    }
};

QTEST_MAIN(TstForm1Accessibility)
#include "tst_form1_accessibility.moc"
