// The same messages made in the real windows, driven offscreen, and by lumesend: the bytes the
// windows send equal the bytes lumesend writes.
#include "lumesendtestsupport.h"

#include "fakeserialcontrol.h"
#include "form1.h"
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

using namespace lume;
using namespace lume::test;

namespace {

// What the window sent, as one block of bytes.
QByteArray lumesendStream(const QStringList &arguments, const QString &runtimeDir)
{
    const LumesendRun run = runLumesend(QStringList {"--output", "-"} + arguments, runtimeDir);
    if (run.exitCode != 0)
        qWarning("lumesend failed: %s", run.err.constData());
    return run.out;
}

template<typename T> T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void setMovement(QWidget *window, const Msg &msg, const QString &speedList, const QStringList &directions)
{
    const QString k = QString::number(msg.number - 1);
    control<QComboBox>(window, speedList + k)
        ->setCurrentText(msg.speed.isEmpty() ? QStringLiteral("4") : msg.speed);
    control<QComboBox>(window, "ComMod" + k)->setCurrentText(windowDirection(msg.direction, directions));
    control<QCheckBox>(window, "ChkFls" + k)->setCheckState(msg.flash ? Qt::Checked : Qt::Unchecked);
}

// A Scriptlume window on a fake port, its settings file and the built dot-font files.
struct ScriptRig
{
    ScriptRig()
    {
        serial.setOpenablePorts({1});
        window = std::make_unique<Form1>(Form1Dependencies {
            .port = serial,
            .prompt = prompt,
            .settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini")),
            .fontSearchDirs = {DotFontDir},
        });
        window->show();
    }

    QTemporaryDir dir;
    FakeSerialControl serial;
    RecordingPrompt prompt;
    std::unique_ptr<Form1> window;
};

} // namespace

class TstLumesendWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Lumesend), qPrintable(Lumesend));
        writePicture(m_dir, "pattern.bmp", patternPicture(90, 12, 1));
        writePicture(m_dir, "tall.png", patternPicture(33, 30, 2));
        writePicture(m_dir, "photo.jpg", patternPicture(48, 12, 3));
        writePicture(m_dir, "wide.png", patternPicture(4096, 12, 4));
    }

    void shouldSendWhatSketchlumeSends_data()
    {
        QTest::addColumn<Msgs>("msgs");
        Msg over = screen(3, QStringLiteral("on top"), "DejaVu Sans Mono", "8", true, "1");
        over.kind = Msg::ScreenOverPicture;
        over.picture = QStringLiteral("photo.jpg");
        QTest::newRow("eight messages of text and pictures") << Msgs {
            moving(screen(1, QStringLiteral("Lume badge 1"), "DejaVu Sans", "9", true, "-1"), "6",
                   "From left to right", true),
            moving(picture(2, "pattern.bmp"), "2", "Freeze show", false),
            moving(over, "8", "From down to up", false),
            screen(4, QStringLiteral("default top ÄÖÜ"), "DejaVu Serif", "10"),
            moving(picture(5, "tall.png"), "1", "From up to down", true),
            moving(screen(6, QStringLiteral("Tall"), "DejaVu Sans", "14", false, "3"), "3", "", false),
            picture(7, "photo.jpg"),
            moving(screen(8, QStringLiteral("eight"), "DejaVu Sans", "6", true, "0"), "7", "", true)};
        QTest::newRow("Scriptlume's direction names given to lumesend")
            << Msgs {moving(picture(1, "pattern.bmp"), "5", "to Up", true),
                     moving(screen(5, QStringLiteral("x"), "DejaVu Sans", "12"), "4", "Freeze", false)};
        QTest::newRow("pictures beyond the badge's memory")
            << Msgs {picture(2, "wide.png"), picture(3, "pattern.bmp"), picture(6, "wide.png")};
    }

    void shouldSendWhatSketchlumeSends()
    {
        QFETCH(Msgs, msgs);
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        const QString firstTop = rig.child<QComboBox>("TopAdj")->currentText();
        for (const Msg &msg : msgs) {
            const QString k = QString::number(msg.number - 1);
            rig.child<QTabWidget>("TabStrip1")->setCurrentIndex(msg.number - 1);
            QCOMPARE(shownMessage(window), msg.number - 1);
            if (msg.kind == Msg::Picture || msg.kind == Msg::ScreenOverPicture) {
                rig.dialogs.answer = m_dir.filePath(msg.picture);
                rig.child<QPushButton>("CmdLdPic")->click();
            }
            if (msg.kind == Msg::Screen || msg.kind == Msg::ScreenOverPicture) {
                rig.child<QPlainTextEdit>("TxtBox" + k)->setPlainText(msg.text);
                rig.child<QComboBox>("FntName" + k)->setCurrentText(msg.font);
                rig.child<QComboBox>("FntSize" + k)->setCurrentText(msg.size);
                rig.child<QCheckBox>("ChkBold" + k)->setCheckState(msg.bold ? Qt::Checked : Qt::Unchecked);
                rig.child<QComboBox>("TopAdj")->setCurrentText(msg.top.isEmpty() ? firstTop : msg.top);
                rig.child<QPushButton>("CmdUpText")->click();
            }
            setMovement(&window, msg, "MovSpeed", sketchDirections());
        }
        QVERIFY(rig.prompt.boxes.isEmpty());
        rig.child<QPushButton>("CmdSend")->click();
        QVERIFY(WindowTestAccess::isSending(window));
        QTRY_VERIFY_WITH_TIMEOUT(!WindowTestAccess::isSending(window), test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());

        const QByteArray sent = rig.port.written();
        QVERIFY(sent.size() > 689);
        QCOMPARE(lumesendStream(argumentsFor(msgs, m_dir.path()), m_dir.path()), sent);
    }

    void shouldSendWhatScriptlumeSends_data()
    {
        QTest::addColumn<Msgs>("msgs");
        QTest::addColumn<QString>("language");
        QTest::newRow("simplified Chinese with letters")
            << Msgs {moving(dot(1, QStringLiteral("Lume 徽章")), "7", "to Right", true),
                     dot(3, QStringLiteral("12:30 开会")),
                     moving(dot(8, QStringLiteral("末")), "1", "Freeze", false)}
            << QStringLiteral("Chinese (Simplified)");
        QTest::newRow("traditional Chinese, 512 characters")
            << Msgs {moving(dot(2, QString(512, QChar(0x9AD4))), "3", "to Down", false),
                     dot(4, QStringLiteral("繁體"))}
            << QStringLiteral("Chinese (Traditional)");
        QTest::newRow("Japanese with half-width katakana")
            << Msgs {dot(1, QStringLiteral("こんにちは ﾃｽﾄ")),
                     moving(dot(2, QStringLiteral("日本")), "5", "to Up", true)}
            << QStringLiteral("Japanese");
        QTest::newRow("Korean, Sketchlume's direction names given to lumesend")
            << Msgs {moving(dot(5, QStringLiteral("안녕 badge")), "8", "From up to down", true),
                     moving(dot(6, QStringLiteral("한글")), "2", "Freeze show", false)}
            << QStringLiteral("Korean");
    }

    void shouldSendWhatScriptlumeSends()
    {
        QFETCH(Msgs, msgs);
        QFETCH(QString, language);
        ScriptRig rig;
        Form1 &window = *rig.window;
        control<QComboBox>(&window, "ComLanguage")->setEditText(language);
        // The messages lumesend leaves unnamed: not selected, at the default movement.
        for (int m = 0; m < MessageBank::MessageCount; ++m) {
            control<QCheckBox>(&window, QStringLiteral("ChkSel%1").arg(m))->setCheckState(Qt::Unchecked);
            setMovement(&window, dot(m + 1, {}), "ComSpd", scriptDirections());
        }
        for (const Msg &msg : msgs) {
            const QString k = QString::number(msg.number - 1);
            control<QLineEdit>(&window, "TxtMsg" + k)->setText(msg.text);
            control<QCheckBox>(&window, "ChkSel" + k)->setCheckState(Qt::Checked);
            setMovement(&window, msg, "ComSpd", scriptDirections());
        }
        QSignalSpy finished(window.findChild<BadgeSender *>(), &BadgeSender::transferFinished);
        control<QPushButton>(&window, "CmdSend")->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::SafetyNetMs);
        QVERIFY(rig.prompt.boxes.isEmpty());

        const QByteArray sent = rig.serial.written();
        QVERIFY(sent.size() > 689);
        const QStringList args =
            QStringList {"--language", language, "--font-dir", DotFontDir} + argumentsFor(msgs, m_dir.path());
        QCOMPARE(lumesendStream(args, m_dir.path()), sent);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TstLumesendWindows)
#include "tst_lumesend_windows.moc"
