// Sketchlume with a screen reader and with the keyboard alone.
#include "windowrig.h"

#include "accessibility.h"
#include "accessibilitywalk.h"
#include "badgestream.h"
#include "composer.h"
#include "fontlist.h"
#include "sketchsendprofile.h"
#include "testwaits.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTabWidget>

using namespace lume;
using namespace lume::test;

class TstFontPictureAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldNameEveryControlThatTakesTheFocus()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        const QStringList unnamed = unnamedFocusableControls(&window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        // Names from the captions, values kept apart.
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("ComSele")).section(u'|', 0, 1),
                 QStringLiteral("Port|COM1"));
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("MovSpeed2")), QStringLiteral("Message 3 speed|4|"));
        QCOMPARE(accessibleTexts(rig.child<QComboBox>("TopAdj")).section(u'|', 0, 0),
                 QStringLiteral("Top location adjust"));
        QCOMPARE(accessibleTexts(rig.child<QPlainTextEdit>("TxtBox2")).section(u'|', 0, 0),
                 QStringLiteral("Message 3 text"));
        QCOMPARE(accessibleTexts(rig.child<QWidget>("ProgressBar1")).section(u'|', 0, 0),
                 QStringLiteral("Send progress"));
        QCOMPARE(accessibleTexts(rig.child<QWidget>("Picture2")),
                 QStringLiteral("Usage meter||0 of 512 column bytes"));
        QVERIFY(!accessibleTexts(rig.child<QWidget>("Picture12")).section(u'|', 2).isEmpty());
    }

    void shouldComposeAndSendByKeysAlone()
    {
        WindowRig rig;
        FontPictureWindow &window = rig.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *strip = rig.child<QTabWidget>("TabStrip1");
        auto *text = rig.child<QPlainTextEdit>("TxtBox0");

        // Turning the page by keys takes the focus into that page's message box.
        QStringList pages;
        for (const auto &[key, modifiers] : QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> {
                 {Qt::Key_Tab, Qt::ControlModifier},
                 {Qt::Key_PageDown, Qt::ControlModifier},
                 {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
                 {Qt::Key_PageUp, Qt::ControlModifier}}) {
            pressKey(&window, key, modifiers);
            pages << QStringLiteral("%1 %2").arg(strip->currentIndex()).arg(focusName());
        }
        QCOMPARE(pages, (QStringList {"1 TxtBox1", "2 TxtBox2", "1 TxtBox1", "0 TxtBox0"}));

        pressKey(&window, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, QStringLiteral("Hi"));
        QCOMPARE(text->toPlainText(), QStringLiteral("Hi"));
        // Tab and Shift+Tab leave the box and type nothing into it.
        QCOMPARE(tabThrough(&window, 1), QStringList {"FntName0"});
        QCOMPARE(tabThrough(&window, 1, true), QStringList {"TxtBox0"});
        QCOMPARE(text->toPlainText(), QStringLiteral("Hi"));
        QCOMPARE(tabThrough(&window, 8),
                 (QStringList {"FntName0", "FntSize0", "ChkBold0", "ComMod0", "ChkFls0", "MovSpeed0",
                               "TopAdj", "CmdUpText"}));
        pressKey(&window, Qt::Key_Return); // Up Paste Text

        MessageBank bank;
        DrawingSurface surface;
        composeText(bank, 0, surface, QStringLiteral("Hi"),
                    drawingFamily(rig.child<QComboBox>("FntName0")->currentText()), QStringLiteral("10"),
                    false, rig.child<QComboBox>("TopAdj")->currentText());
        QVERIFY(bank.width(0) > 0);
        QCOMPARE(accessibleTexts(rig.child<QWidget>("Picture2")).section(u'|', 2),
                 usageMeterText(bank.width(0)));
        MessageSettingsList settings;
        for (MessageSettings &s : settings)
            s.direction = QStringLiteral("From right to left");
        const QByteArray expected = buildBadgeStream(bank, settings, sketchDirections()).bytes();

        QCOMPARE(tabThrough(&window, 4), (QStringList {"CmdLdPic", "CmdSvPic", "ComSele", "CmdSend"}));
        pressKey(&window, Qt::Key_Enter);
        QTRY_COMPARE_WITH_TIMEOUT(rig.port.written(), expected, lume::test::SafetyNetMs);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.port.isOpen(), lume::test::SafetyNetMs);
        QCOMPARE(rig.port.portNumber(), 1);
        QVERIFY(rig.prompt.boxes.isEmpty());
    }

    void shouldTellWhenTheMessagesExceedTheBadge_data()
    {
        QTest::addColumn<int>("used");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "0 of 512 column bytes";
        QTest::newRow("150") << 150 << "150 of 512 column bytes";
        QTest::newRow("full") << 512 << "512 of 512 column bytes";
        QTest::newRow("over") << 700 << "700 of 512 column bytes: 188 more than the badge holds";
    }

    void shouldTellWhenTheMessagesExceedTheBadge()
    {
        QFETCH(int, used);
        QFETCH(QString, text);
        QCOMPARE(usageMeterText(used), text);
    }
};

QTEST_MAIN(TstFontPictureAccessibility)
#include "tst_fontpictureaccessibility.moc"
