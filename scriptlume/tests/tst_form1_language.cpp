// Scriptlume in the desktop's language: its captions, and the dot-font language of a first start.
#include "fakeserialcontrol.h"
#include "form1.h"
#include "profilefile.h"
#include "scriptsettings.h"
#include "testlanguages.h"
#include "testsupport.h"
#include "windowtestaccess.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;

namespace {

struct Rig
{
    QTemporaryDir dir;
    FakeSerialControl serial;
    test::RecordingPrompt prompt;
    QString settingsPath = dir.filePath(QStringLiteral("Scriptlume.ini"));

    std::unique_ptr<Form1> start(const QString &uiLanguage)
    {
        return std::make_unique<Form1>(Form1Dependencies {
            .port = serial, .prompt = prompt, .settingsPath = settingsPath, .uiLanguage = uiLanguage});
    }
};

} // namespace

class TstForm1Language : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldSpeakTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("send");
        QTest::addColumn<QString>("exit");
        QTest::newRow("ja") << QString() << "ja_JP.UTF-8"
                            << "送信"
                            << "終了";
        QTest::newRow("C") << QString() << "C"
                           << "Send"
                           << "Exit";
        QTest::newRow("LANGUAGE=ja under C") << "ja"
                                             << "C"
                                             << "Send"
                                             << "Exit";
        QTest::newRow("ko") << QString() << "ko_KR.UTF-8"
                            << "보내기"
                            << "종료";
    }

    void shouldSpeakTheLocalesLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, send);
        QFETCH(QString, exit);
        const UiTranslations translations(chooseUiLanguage({language, {}, {}, lang}),
                                          {test::translationsDir()});
        Rig rig;
        const auto window = rig.start(translations.language());
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("CmdSend"))->text(), send);
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("CmdExit"))->text(), exit);
    }

    void shouldStartWithTheDotFontsOfTheLocale_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        const QString none;
        QTest::newRow("ja_JP") << none << "ja_JP.UTF-8"
                               << "Japanese";
        QTest::newRow("ja_JP@euro") << none << "ja_JP.eucJP@euro"
                                    << "Japanese";
        QTest::newRow("ko_KR") << none << "ko_KR.UTF-8"
                               << "Korean";
        QTest::newRow("zh_TW") << none << "zh_TW.UTF-8"
                               << "Chinese (Traditional)";
        QTest::newRow("zh_HK") << none << "zh_HK.UTF-8"
                               << "Chinese (Traditional)";
        QTest::newRow("zh_CN.GB18030") << none << "zh_CN.GB18030"
                                       << "Chinese (Simplified)";
        QTest::newRow("en_US") << none << "en_US.UTF-8"
                               << "Chinese (Simplified)";
        QTest::newRow("de_DE") << none << "de_DE.UTF-8"
                               << "Chinese (Simplified)";
        QTest::newRow("C.UTF-8") << none << "C.UTF-8"
                                 << "Chinese (Simplified)";
        QTest::newRow("empty") << none << none << "Chinese (Simplified)";
        QTest::newRow("LANGUAGE=ko under C") << "ko"
                                             << "C"
                                             << "Chinese (Simplified)";
        QTest::newRow("LANGUAGE=ko under ja_JP") << "ko"
                                                 << "ja_JP.UTF-8"
                                                 << "Korean";
    }

    void shouldStartWithTheDotFontsOfTheLocale()
    {
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        Rig rig;
        const auto window = rig.start(chooseUiLanguage({language, {}, {}, lang}));
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("ComLanguage"))->currentText(), expected);
        QCOMPARE(WindowTestAccess::settingsFromControls(*window).language, expected);
    }

    void shouldKeepTheStoredLanguageInAnyLocale()
    {
        Rig rig;
        {
            ProfileFile file(rig.settingsPath);
            ScriptSettings settings;
            settings.language = QStringLiteral("Korean");
            QVERIFY(writeScriptSettings(file, settings));
        }
        QVERIFY(QFile::exists(rig.settingsPath));
        const auto window = rig.start(QStringLiteral("ja"));
        QCOMPARE(window->findChild<QComboBox *>(QStringLiteral("ComLanguage"))->currentText(),
                 QStringLiteral("Korean"));
    }
};

QTEST_MAIN(TstForm1Language)
#include "tst_form1_language.moc"
