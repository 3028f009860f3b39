#include "language.h"

#include <QTest>

using lume::CodePage;
using lume::firstStartLanguage;
using lume::Language;
using lume::languageEntries;
using lume::languageFor;

class TstLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldListTheFourEntriesInOrder();
    void shouldSelectRowOfExactText_data();
    void shouldSelectRowOfExactText();
    void shouldStartWithTheScriptOfTheUiLanguage_data();
    void shouldStartWithTheScriptOfTheUiLanguage();
};

void TstLanguage::shouldListTheFourEntriesInOrder()
{
    QCOMPARE(languageEntries(),
             (QStringList {u"Chinese (Simplified)"_qs, u"Chinese (Traditional)"_qs, u"Japanese"_qs,
                           u"Korean"_qs}));
}

void TstLanguage::shouldSelectRowOfExactText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("faceName");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("file");
    QTest::addColumn<CodePage>("codePage");

    QTest::newRow("Chinese (Simplified)")
        << u"Chinese (Simplified)"_qs << u"SimSun"_qs << 134 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("Chinese (Traditional)")
        << u"Chinese (Traditional)"_qs << u"MingLiU"_qs << 136 << u"TWK12"_qs << CodePage::Big5;
    QTest::newRow("Japanese") << u"Japanese"_qs << u"MS Gothic"_qs << 128 << u"JPK12"_qs
                              << CodePage::ShiftJis;
    QTest::newRow("Korean") << u"Korean"_qs << u"GulimChe"_qs << 129 << u"KRK12"_qs << CodePage::Uhc;
    // Everything else is the last row: "System", character set left as it was, "HZK12".
    QTest::newRow("lower case") << u"japanese"_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("upper case") << u"KOREAN"_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("partial") << u"Kor"_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("trailing blank") << u"Korean "_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("leading blank") << u" Japanese"_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("no parenthesis") << u"Chinese Traditional"_qs << u"System"_qs << -1 << u"HZK12"_qs
                                    << CodePage::Gbk;
    QTest::newRow("empty") << QString() << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
    QTest::newRow("face name is no entry")
        << u"SimSun"_qs << u"System"_qs << -1 << u"HZK12"_qs << CodePage::Gbk;
}

void TstLanguage::shouldSelectRowOfExactText()
{
    QFETCH(QString, text);
    QFETCH(QString, faceName);
    QFETCH(int, charset);
    QFETCH(QString, file);
    QFETCH(CodePage, codePage);

    const Language language = languageFor(text);
    QCOMPARE(language.faceName, faceName);
    QCOMPARE(language.charset, charset);
    QCOMPARE(language.doubleByteFile, file);
    QCOMPARE(language.codePage, codePage);
    QCOMPARE(language.text, charset < 0 ? QString() : text);
}

void TstLanguage::shouldStartWithTheScriptOfTheUiLanguage_data()
{
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << QString() << u"Chinese (Simplified)"_qs;
    QTest::newRow("ja") << u"ja"_qs << u"Japanese"_qs;
    QTest::newRow("ko") << u"ko"_qs << u"Korean"_qs;
    QTest::newRow("zh_TW") << u"zh_TW"_qs << u"Chinese (Traditional)"_qs;
    QTest::newRow("zh_CN") << u"zh_CN"_qs << u"Chinese (Simplified)"_qs;
    QTest::newRow("a language without dot fonts") << u"de"_qs << u"Chinese (Simplified)"_qs;
}

void TstLanguage::shouldStartWithTheScriptOfTheUiLanguage()
{
    QFETCH(QString, uiLanguage);
    QFETCH(QString, expected);
    QCOMPARE(firstStartLanguage(uiLanguage), expected);
    QVERIFY(languageEntries().contains(expected)); // an entry of the list, spelt as the list spells it
}

QTEST_GUILESS_MAIN(TstLanguage)
#include "tst_language.moc"
