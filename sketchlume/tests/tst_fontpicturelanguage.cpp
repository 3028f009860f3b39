// Sketchlume in the desktop's language: captions, message boxes and the file dialog's filter, and the
// design's English under C.
#include "windowrig.h"

#include "testlanguages.h"

#include <QPushButton>
#include <QStandardPaths>

using namespace lume;
using namespace lume::test;

class TstFontPictureLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void shouldSpeakTheLocalesLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("send");
        QTest::addColumn<QString>("nothingToSend");
        QTest::addColumn<QString>("filter");
        QTest::newRow("ja") << QString() << QString() << "ja_JP.UTF-8"
                            << "送信"
                            << "画像も文字もありません。送信しません。"
                            << "画像(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico";
        QTest::newRow("C") << QString() << QString() << "C"
                           << "Send"
                           << "Not Images or Text! Don't Sending!"
                           << "Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico";
        QTest::newRow("LANGUAGE=ja under LC_ALL=C")
            << "ja"
            << "C"
            << "ja_JP.UTF-8"
            << "Send"
            << "Not Images or Text! Don't Sending!"
            << "Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico";
        QTest::newRow("zh_TW") << QString() << QString() << "zh_TW.UTF-8"
                               << "傳送"
                               << "沒有圖片或文字，不傳送！"
                               << "圖片(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico";
    }

    void shouldSpeakTheLocalesLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lang);
        QFETCH(QString, send);
        QFETCH(QString, nothingToSend);
        QFETCH(QString, filter);
        const UiTranslations translations(chooseUiLanguage({language, lcAll, {}, lang}), {translationsDir()});
        WindowRig rig;
        rig.start();
        auto *sendButton = rig.child<QPushButton>("CmdSend");
        QCOMPARE(sendButton->text(), send);
        sendButton->click(); // the bank is empty
        QCOMPARE(rig.prompt.boxes.size(), 1);
        QCOMPARE(rig.prompt.boxes[0].text, nothingToSend);
        rig.child<QPushButton>("CmdLdPic")->click(); // the fake dialog cancels
        QCOMPARE(rig.dialogs.requests.size(), 1);
        // The design's filter comes first; the formats beyond it follow.
        QCOMPARE(rig.dialogs.requests[0].filter.section(u'|', 0, 1), filter);
    }
};

QTEST_MAIN(TstFontPictureLanguage)
#include "tst_fontpicturelanguage.moc"
