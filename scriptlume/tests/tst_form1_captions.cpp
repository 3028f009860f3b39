// Scriptlume's captions with the fonts the program really gets: each fits its design box, and the
// editable lists show the start of their texts.
#include "captionmeasures.h"
#include "fakeserialcontrol.h"
#include "form1.h"
#include "profilefile.h"
#include "scriptsettings.h"
#include "testlanguages.h"
#include "testsupport.h"
#include "testwaits.h"

#include <QComboBox>
#include <QCoreApplication>
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

    static void languageRows()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : test::everyUiLanguage())
            QTest::newRow(test::languageRowName(language)) << language;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every caption in every language, in the design's English here and translated in the window.
    void shouldFitEachCaptionInItsDesignBox_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QRect>("box");
        for (const QString &language : test::everyUiLanguage())
            addCaptionRows(language);
    }

    static void addCaptionRows(const QString &language)
    {
        const auto newRow = [&language](const char *row) -> QTestData & {
            return QTest::newRow(test::languageRowName(language) + ": " + row) << language;
        };
        newRow("title") << "Label1"
                        << "  Scriptlume  " << QRect(8, 0, 761, 31);
        newRow("Select") << "Label2"
                         << "Select" << QRect(8, 16, 49, 17);
        newRow("Show Text") << "Label3"
                            << "Show Text" << QRect(208, 16, 89, 17);
        newRow("Move Speed") << "Label4"
                             << "Move Speed" << QRect(504, 16, 81, 17);
        newRow("Move Direction") << "Label7"
                                 << "Move Direction" << QRect(592, 16, 113, 17);
        newRow("Flash") << "Label6"
                        << "Flash" << QRect(712, 16, 41, 17);
        newRow("Language") << "Label5"
                           << "Language :" << QRect(16, 344, 81, 17);
        newRow("Port") << "Label10"
                       << "Port:" << QRect(264, 344, 33, 17);
        newRow("Used") << "Label8"
                       << "Used -->" << QRect(56, 386, 65, 17);
        newRow("Free") << "Label9"
                       << "<-- Free" << QRect(664, 386, 65, 17);
        newRow("Send") << "CmdSend"
                       << "Send" << QRect(568, 342, 89, 25);
        newRow("Exit") << "CmdExit"
                       << "Exit" << QRect(672, 342, 89, 25);
    }

    void shouldFitEachCaptionInItsDesignBox()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QRect, box);
        const UiTranslations translations(language, {test::translationsDir()});
        QCOMPARE(translations.language(), language);
        const QString text = QCoreApplication::translate("Form1", english.toUtf8().constData());
        QVERIFY(language.isEmpty() || name == u"Label1" || text != english);
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

    void shouldFitEveryCaptionOfTheWindow_data() { languageRows(); }

    void shouldFitEveryCaptionOfTheWindow()
    {
        QFETCH(QString, language);
        const UiTranslations translations(language, {test::translationsDir()});
        QCOMPARE(translations.language(), language);
        Rig rig;
        const QList<CaptionMeasure> measures = measureCaptions(&rig.start());
        QVERIFY(measures.size() >= 12);
        for (const CaptionMeasure &m : measures)
            QVERIFY2(m.fits(), qPrintable(m.objectName + QStringLiteral(": ") + m.text));
    }

    // No translation makes the captions of the window shrink.
    void shouldDrawCaptionsInTheGeneralFontAtTheDesignSize_data() { languageRows(); }

    void shouldDrawCaptionsInTheGeneralFontAtTheDesignSize()
    {
        QFETCH(QString, language);
        const UiTranslations translations(language, {test::translationsDir()});
        QCOMPARE(translations.language(), language);
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

    void shouldShowEveryListEntryWhole()
    {
        Rig rig;
        rig.serial.setOpenablePorts({}); // COM1 to COM16
        QWidget &window = rig.start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("ComSele"))->count(), 16);
        const QStringList cut = test::cutListEntries(&window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("ComSele"))->geometry(),
                 QRect(304, 344, 65, 24));
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
        QTRY_VERIFY_WITH_TIMEOUT(language->lineEdit()->hasFocus(), lume::test::SafetyNetMs);
        language->lineEdit()->end(false);
        QTest::keyClicks(language->lineEdit(), QStringLiteral("xy"));
        QCOMPARE(language->currentText(), QStringLiteral("Chinese (Simplified)xy"));
        QCOMPARE(language->lineEdit()->cursorPosition(), language->currentText().size());
        window.findChild<QWidget *>(QStringLiteral("TxtMsg0"))->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(language->lineEdit()->cursorPosition(), 0, lume::test::SafetyNetMs);
        QCOMPARE(language->currentText(), QStringLiteral("Chinese (Simplified)xy"));
    }
};

QTEST_MAIN(TstForm1Captions)
#include "tst_form1_captions.moc"
