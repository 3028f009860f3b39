// Scriptlume's captions with the fonts the program really gets: each fits its design box, and the
// editable lists show the start of their texts.
#include "captionmeasures.h"
#include "fakeserialcontrol.h"
#include "form1.h"
#include "profilefile.h"
#include "scriptsettings.h"
#include "testsupport.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;
using lume::test::measureCaptions;

namespace {

struct Rig
{
    QTemporaryDir dir;
    FakeSerialControl serial;
    test::RecordingPrompt prompt;
    QString settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini"));
    std::unique_ptr<Form1> window;

    Form1 &start()
    {
        window = std::make_unique<Form1>(
            Form1Dependencies {.port = serial, .prompt = prompt, .settingsPath = settingsPath});
        window->show();
        return *window;
    }
};

} // namespace

class TstForm1Captions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldFitEachCaptionInItsDesignBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("box");
        QTest::newRow("title") << "Label1"
                               << "  Scriptlume  " << QRect(8, 0, 761, 31);
        QTest::newRow("Select") << "Label2"
                                << "Select" << QRect(8, 16, 49, 17);
        QTest::newRow("Show Text") << "Label3"
                                   << "Show Text" << QRect(208, 16, 89, 17);
        QTest::newRow("Move Speed") << "Label4"
                                    << "Move Speed" << QRect(504, 16, 81, 17);
        QTest::newRow("Move Direction") << "Label7"
                                        << "Move Direction" << QRect(592, 16, 113, 17);
        QTest::newRow("Flash") << "Label6"
                               << "Flash" << QRect(712, 16, 41, 17);
        QTest::newRow("Language") << "Label5"
                                  << "Language :" << QRect(16, 344, 81, 17);
        QTest::newRow("Port") << "Label10"
                              << "Port:" << QRect(264, 344, 33, 17);
        QTest::newRow("Used") << "Label8"
                              << "Used -->" << QRect(56, 386, 65, 17);
        QTest::newRow("Free") << "Label9"
                              << "<-- Free" << QRect(664, 386, 65, 17);
        QTest::newRow("Send") << "CmdSend"
                              << "Send" << QRect(568, 342, 89, 25);
        QTest::newRow("Exit") << "CmdExit"
                              << "Exit" << QRect(672, 342, 89, 25);
    }

    void shouldFitEachCaptionInItsDesignBox()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, box);
        Rig rig;
        Form1 &window = rig.start();
        const auto *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), box); // the design's geometry stays
        const QList<CaptionMeasure> measures = measureCaptions(&window);
        const auto measure = std::find_if(measures.cbegin(), measures.cend(),
                                          [&name](const CaptionMeasure &m) { return m.objectName == name; });
        QVERIFY(measure != measures.cend());
        QCOMPARE(measure->text, text);
        QVERIFY(QRect(QPoint(), box.size()).contains(measure->room));
        const QFontMetrics metrics(control->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= measure->room.width(),
                 qPrintable(QStringLiteral("%1 px wide in %2 px")
                                .arg(metrics.horizontalAdvance(text))
                                .arg(measure->room.width())));
        QVERIFY2(
            metrics.height() <= measure->room.height(),
            qPrintable(
                QStringLiteral("%1 px high in %2 px").arg(metrics.height()).arg(measure->room.height())));
    }

    void shouldFitEveryCaptionOfTheWindow()
    {
        Rig rig;
        const QList<CaptionMeasure> measures = measureCaptions(&rig.start());
        QVERIFY(measures.size() >= 12);
        for (const CaptionMeasure &m : measures)
            QVERIFY2(m.fits(), qPrintable(m.objectName + QStringLiteral(": ") + m.text));
    }

    void shouldDrawCaptionsInTheGeneralFontAtTheDesignSize()
    {
        Rig rig;
        Form1 &window = rig.start();
        const QFont caption = window.findChild<QWidget *>(QStringLiteral("Label4"))->font();
        QCOMPARE(caption.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QVERIFY(caption.bold());
        QCOMPARE(caption.pixelSize(), 13); // 9.75 points at 96 dpi
    }

    void shouldOpenEveryDropDownListWideEnoughForItsEntries()
    {
        Rig rig;
        QWidget &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList narrow = test::narrowDropDowns(&window);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(QStringLiteral(", "))));
    }

    void shouldShowTheStartOfTheLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("first start") << QString();
        QTest::newRow("restored") << QStringLiteral("Chinese (Traditional)");
        QTest::newRow("typed long ago") << QStringLiteral("Chinese (Simplified) with a long tail");
    }

    void shouldShowTheStartOfTheLanguage()
    {
        QFETCH(QString, stored);
        Rig rig;
        if (!stored.isEmpty()) {
            ScriptSettings settings;
            settings.language = stored;
            ProfileFile file(rig.settingsPath);
            QVERIFY(writeScriptSettings(file, settings));
        }
        Form1 &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *language = window.findChild<QComboBox *>(QStringLiteral("ComLanguage"));
        QCOMPARE(language->lineEdit()->cursorPosition(), 0);
    }

    void shouldShowTheStartAgainWhenTheUserLeaves()
    {
        Rig rig;
        Form1 &window = rig.start();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *language = window.findChild<QComboBox *>(QStringLiteral("ComLanguage"));
        language->lineEdit()->setFocus();
        QTRY_VERIFY(language->lineEdit()->hasFocus());
        language->lineEdit()->end(false);
        QTest::keyClicks(language->lineEdit(), QStringLiteral("xy"));
        QCOMPARE(language->currentText(), QStringLiteral("Chinese (Simplified)xy"));
        QCOMPARE(language->lineEdit()->cursorPosition(), language->currentText().size());
        window.findChild<QWidget *>(QStringLiteral("TxtMsg0"))->setFocus();
        QTRY_COMPARE(language->lineEdit()->cursorPosition(), 0);
        QCOMPARE(language->currentText(), QStringLiteral("Chinese (Simplified)xy"));
    }
};

QTEST_MAIN(TstForm1Captions)
#include "tst_form1_captions.moc"
