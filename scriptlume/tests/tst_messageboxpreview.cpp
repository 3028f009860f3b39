#include "fakeserialcontrol.h"
#include "form1.h"
#include "messageboxpreview.h"
#include "profilefile.h"
#include "scriptsettings.h"
#include "testsupport.h"
#include "testwaits.h"
#include "usagemeter.h"
#include "windowtestaccess.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

using namespace lume;
using lume::test::RecordingPrompt;

namespace {

void writeFont(const QString &path, int size)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(quint8(i * 37 + 11));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(size));
}

// Pixels of the wave's red under the text of a box whose own text colour has no red.
int redPixels(QWidget *box)
{
    const QImage image = box->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > c.green() + 60 && c.red() > c.blue() + 60; // red, or red paled by smoothing
        }
    return count;
}

struct Rig
{
    QTemporaryDir dir;
    FakeSerialControl serial;
    RecordingPrompt prompt;
    QString settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini"));
    QString fontDir = dir.filePath(QStringLiteral("fonts"));
    std::unique_ptr<Form1> window;

    Rig() { QDir().mkpath(fontDir); }
    void writeFonts(const QString &doubleByteFile)
    {
        writeFont(QDir(fontDir).filePath(QStringLiteral("ASC12")), 256 * 12);
        writeFont(QDir(fontDir).filePath(doubleByteFile), 126 * 191 * 24);
    }
    void writeSettings(const QStringList &texts, const QString &language)
    {
        ScriptSettings settings = ScriptSettings::defaults();
        for (int m = 0; m < texts.size(); ++m)
            settings.messages[m].text = texts[m];
        settings.language = language;
        ProfileFile file(settingsPath);
        QVERIFY(writeScriptSettings(file, settings));
    }
    Form1 &start()
    {
        window = std::make_unique<Form1>(Form1Dependencies {
            .port = serial, .prompt = prompt, .settingsPath = settingsPath, .fontSearchDirs = {fontDir}});
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        return *window;
    }
    MessageBoxPreview *preview() const
    {
        return window->findChild<MessageBoxPreview *>(QStringLiteral("MessageBoxPreview"));
    }
    QLineEdit *text(int m) const { return window->findChild<QLineEdit *>(QStringLiteral("TxtMsg%1").arg(m)); }
    QComboBox *language() const { return window->findChild<QComboBox *>(QStringLiteral("ComLanguage")); }
    const QImage &meter() const
    {
        return window->findChild<UsageMeter *>(QStringLiteral("Picture2"))->image();
    }
    QString hover(int m) const
    {
        QLineEdit *box = text(m);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(box, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

} // namespace

class TstMessageBoxPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QToolTip::hideText(); }

    void shouldShowTheBadgesPictureWithoutTouchingBankOrMeter()
    {
        Rig rig;
        rig.writeFonts(QStringLiteral("JPK12"));
        rig.writeSettings({QStringLiteral("あいab"), QStringLiteral("xyz")}, QStringLiteral("Japanese"));
        rig.start();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive(),
                                 lume::test::SafetyNetMs);
        const auto bank = std::make_unique<MessageBank>(WindowTestAccess::bank(*rig.window));
        const QImage meter = rig.meter();

        const QString tip = rig.hover(0);
        QVERIFY2(tip.contains(QStringLiteral("data:image/png;base64,")), qPrintable(tip.left(100)));
        QVERIFY(tip.contains(QStringLiteral("Width: 6 column bytes"))); // 13 + 13 + 8 + 8 pixels
        QVERIFY(!tip.contains(QStringLiteral("cannot be shown")));
        QCOMPARE(WindowTestAccess::bank(*rig.window), *bank);
        QCOMPARE(rig.meter(), meter);
        QVERIFY(rig.hover(1).contains(QStringLiteral("Width: 3 column bytes")));
        QCOMPARE(WindowTestAccess::bank(*rig.window), *bank);
        QCOMPARE(rig.meter(), meter);
    }

    void shouldSayWhichFontIsMissingInSendsWords()
    {
        Rig rig;
        rig.writeFonts(QStringLiteral("HZK12"));
        rig.writeSettings({QStringLiteral("한글")}, QStringLiteral("Korean"));
        rig.start();
        const QString tip = rig.hover(0);
        rig.window->findChild<QPushButton *>(QStringLiteral("CmdSend"))->click();
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QVERIFY2(tip.contains(rig.prompt.boxes[0].text.toHtmlEscaped()), qPrintable(tip));
        QVERIFY(tip.contains(
            rig.prompt.boxes[0].detail.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
        QVERIFY(tip.contains(QStringLiteral("Width: 4 column bytes")));
    }

    void shouldMarkWhatTheLanguageCannotEncode()
    {
        Rig rig;
        // Restored: Hangul in Korean is fine, e acute and the simplified character are not.
        rig.writeSettings({QStringLiteral("한é们"), QString(), QString(), QStringLiteral("ßß")},
                          QStringLiteral("Korean"));
        rig.start();
        MessageBoxPreview *preview = rig.preview();
        QVERIFY(preview);
        QCOMPARE(preview->marks(0), (QList<TextRange> {{1, 1}, {2, 1}}));
        QCOMPARE(preview->marks(3), QList<TextRange> {});
        QVERIFY(rig.hover(0).contains(QStringLiteral("2 characters cannot be shown in Korean: é 们")));

        // A language change marks every box again, and leaves the user's selection and undo alone.
        rig.text(0)->setSelection(1, 2);
        rig.language()->setEditText(QStringLiteral("Japanese"));
        QCOMPARE(preview->marks(0), (QList<TextRange> {{0, 1}, {1, 1}, {2, 1}}));
        QCOMPARE(rig.text(0)->selectedText(), QStringLiteral("é们"));
        QCOMPARE(rig.text(0)->text(), QStringLiteral("한é们"));
        QVERIFY(!rig.text(0)->isUndoAvailable());
        QCOMPARE(preview->marks(3), (QList<TextRange> {{0, 1}, {1, 1}}));
        QTRY_VERIFY_WITH_TIMEOUT(redPixels(rig.text(3)) > 0,
                                 lume::test::SafetyNetMs); // message 4's text is green: the red is the wave
        rig.language()->setEditText(QStringLiteral("Korean"));
        QCOMPARE(preview->marks(3), QList<TextRange> {});
        QTRY_COMPARE_WITH_TIMEOUT(redPixels(rig.text(3)), 0, lume::test::SafetyNetMs);

        // Typed: by key and through an input method, whose own composing text is left alone.
        QLineEdit *box = rig.text(3);
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("a"));
        QInputMethodEvent composing(QStringLiteral("ü"), {});
        QCoreApplication::sendEvent(box, &composing);
        QTest::qWait(10);
        QCOMPARE(preview->marks(3), QList<TextRange> {});
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("ü"));
        QCoreApplication::sendEvent(box, &commit);
        QTRY_COMPARE_WITH_TIMEOUT(preview->marks(3), (QList<TextRange> {{3, 1}}), lume::test::SafetyNetMs);
        QTRY_VERIFY_WITH_TIMEOUT(redPixels(box) > 0, lume::test::SafetyNetMs);
        box->setText(QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(preview->marks(3), QList<TextRange> {}, lume::test::SafetyNetMs);
    }
};

QTEST_MAIN(TstMessageBoxPreview)
#include "tst_messageboxpreview.moc"
