#include "codepage.h"

#include <QTest>

#include <thread>

using lume::CodePage;
using lume::CodePageCodec;

namespace {

// The code of each character, as the rasteriser's forEachCode() gives them.
QList<quint16> characterCodes(const CodePageCodec &codec, QStringView text)
{
    QList<quint16> codes;
    codec.forEachCode(text, [&codes](quint16 code) { codes.append(code); });
    return codes;
}

} // namespace

class TstCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldGiveKnownCodes_data();
    void shouldGiveKnownCodes();
    void shouldGiveTheReplacementForUnrepresentableCharacters_data();
    void shouldGiveTheReplacementForUnrepresentableCharacters();
    void shouldTakeSurrogatePairAsOneCharacter();
    void shouldKeepAsciiAsItIs_data();
    void shouldKeepAsciiAsItIs();
    void shouldGiveCharacterOfKnownCells_data();
    void shouldGiveCharacterOfKnownCells();
    void shouldGiveNoCharacterForCellsOutsideTheCodePage();
    void shouldTreatHalfWidthKatakanaAsSingleBytesInShiftJis();
    void shouldEncodeTextAsItsCodes();
    void shouldRoundTripEveryCanonicalCell_data();
    void shouldRoundTripEveryCanonicalCell();
    void shouldBuildEachTableOnceAcrossThreads();

    void shouldChooseTheCodePageWindowsGivesTheLocale_data();
    void shouldChooseTheCodePageWindowsGivesTheLocale();
    void shouldTakeTheLocaleOfCharacterHandling();
    void shouldConvertExactly_data();
    void shouldConvertExactly();
    void shouldRefuseWhatTheCodePageCannotHold_data();
    void shouldRefuseWhatTheCodePageCannotHold();
};

void TstCodePage::shouldGiveKnownCodes_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint16>("code");

    QTest::newRow("GBK zhong") << CodePage::Gbk << u"中"_qs << quint16(0xD6D0);
    QTest::newRow("GBK a (B0A1)") << CodePage::Gbk << u"啊"_qs << quint16(0xB0A1);
    QTest::newRow("GBK traditional guo") << CodePage::Gbk << u"國"_qs << quint16(0x87F8);
    QTest::newRow("GBK euro single byte") << CodePage::Gbk << u"€"_qs << quint16(0x80);
    QTest::newRow("GBK A") << CodePage::Gbk << u"A"_qs << quint16(0x41);
    QTest::newRow("Big5 zhong") << CodePage::Big5 << u"中"_qs << quint16(0xA4A4);
    QTest::newRow("Big5 guo") << CodePage::Big5 << u"國"_qs << quint16(0xB0EA);
    QTest::newRow("Big5 euro") << CodePage::Big5 << u"€"_qs << quint16(0xA3E1);
    QTest::newRow("Shift_JIS ni") << CodePage::ShiftJis << u"日"_qs << quint16(0x93FA);
    QTest::newRow("Shift_JIS hiragana a") << CodePage::ShiftJis << u"あ"_qs << quint16(0x82A0);
    QTest::newRow("Shift_JIS backslash") << CodePage::ShiftJis << u"\\"_qs << quint16(0x5C);
    QTest::newRow("UHC han") << CodePage::Uhc << u"한"_qs << quint16(0xC7D1);
    QTest::newRow("UHC geul") << CodePage::Uhc << u"글"_qs << quint16(0xB1DB);
    // Beyond KS X 1001: an extra syllable of the unified Hangul code.
    QTest::newRow("UHC extra syllable") << CodePage::Uhc << u"갂"_qs << quint16(0x8141);
    QTest::newRow("UHC hanja zhong") << CodePage::Uhc << u"中"_qs << quint16(0xF1E9);
}

void TstCodePage::shouldGiveKnownCodes()
{
    QFETCH(CodePage, codePage);
    QFETCH(QString, text);
    QFETCH(quint16, code);

    const CodePageCodec &table = CodePageCodec::instance(codePage);
    QCOMPARE(characterCodes(table, text), QList<quint16> {code});
    QCOMPARE(table.characterCode(text.toUcs4().front()), code);
}

void TstCodePage::shouldGiveTheReplacementForUnrepresentableCharacters_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QString>("text");

    QTest::newRow("Hangul in GBK") << CodePage::Gbk << u"한"_qs;
    QTest::newRow("half-width katakana in GBK") << CodePage::Gbk << u"ｱ"_qs;
    QTest::newRow("simplified-only character in Big5") << CodePage::Big5 << u"这"_qs;
    QTest::newRow("euro in Shift_JIS") << CodePage::ShiftJis << u"€"_qs;
    QTest::newRow("Hangul in Shift_JIS") << CodePage::ShiftJis << u"한"_qs;
    QTest::newRow("yen sign in UHC") << CodePage::Uhc << u"¥"_qs;
    QTest::newRow("C1 control in GBK") << CodePage::Gbk << u"\u0080"_qs;
    QTest::newRow("replacement character") << CodePage::Big5 << u"\uFFFD"_qs;
    QTest::newRow("lone high surrogate") << CodePage::Gbk << QString(QChar(0xD800));
    QTest::newRow("lone low surrogate") << CodePage::Uhc << QString(QChar(0xDC00));
}

void TstCodePage::shouldGiveTheReplacementForUnrepresentableCharacters()
{
    QFETCH(CodePage, codePage);
    QFETCH(QString, text);

    QCOMPARE(characterCodes(CodePageCodec::instance(codePage), text), QList<quint16> {0x3F});
}

void TstCodePage::shouldTakeSurrogatePairAsOneCharacter()
{
    const QString text = u"A\U0001F600中"_qs;
    QCOMPARE(text.size(), 4);
    QCOMPARE(characterCodes(CodePageCodec::instance(CodePage::Gbk), text),
             (QList<quint16> {0x41, 0x3F, 0xD6D0}));
    QCOMPARE(CodePageCodec::instance(CodePage::Gbk).characterCode(U'\U0001F600'), quint16(0x3F));
}

void TstCodePage::shouldKeepAsciiAsItIs_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::newRow("GBK") << CodePage::Gbk;
    QTest::newRow("Big5") << CodePage::Big5;
    QTest::newRow("Shift_JIS") << CodePage::ShiftJis;
    QTest::newRow("UHC") << CodePage::Uhc;
}

void TstCodePage::shouldKeepAsciiAsItIs()
{
    QFETCH(CodePage, codePage);

    // ICU's windows-31j swaps 0x1A, 0x1C and 0x7F the IBM way; the Windows code pages do not.
    const CodePageCodec &table = CodePageCodec::instance(codePage);
    for (char32_t c = 0; c < 0x80; ++c) {
        QCOMPARE(table.characterCode(c), quint16(c));
        QCOMPARE(table.singleByteCharacter(quint8(c)), c);
    }
}

void TstCodePage::shouldGiveCharacterOfKnownCells_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("trail");
    QTest::addColumn<uint>("character");

    QTest::newRow("GBK first cell") << CodePage::Gbk << 0x81 << 0x40 << uint(0x4E02);
    QTest::newRow("GBK B0A1") << CodePage::Gbk << 0xB0 << 0xA1 << uint(U'啊');
    QTest::newRow("GBK D6D0") << CodePage::Gbk << 0xD6 << 0xD0 << uint(U'中');
    QTest::newRow("Big5 A4A4") << CodePage::Big5 << 0xA4 << 0xA4 << uint(U'中');
    QTest::newRow("Big5 A440") << CodePage::Big5 << 0xA4 << 0x40 << uint(U'一');
    QTest::newRow("Shift_JIS 889F") << CodePage::ShiftJis << 0x88 << 0x9F << uint(U'亜');
    QTest::newRow("Shift_JIS 8140") << CodePage::ShiftJis << 0x81 << 0x40 << uint(0x3000);
    QTest::newRow("UHC B0A1") << CodePage::Uhc << 0xB0 << 0xA1 << uint(U'가');
    QTest::newRow("UHC 8141") << CodePage::Uhc << 0x81 << 0x41 << uint(U'갂');
}

void TstCodePage::shouldGiveCharacterOfKnownCells()
{
    QFETCH(CodePage, codePage);
    QFETCH(int, lead);
    QFETCH(int, trail);
    QFETCH(uint, character);

    QCOMPARE(uint(CodePageCodec::instance(codePage).cellCharacter(quint8(lead), quint8(trail))), character);
}

void TstCodePage::shouldGiveNoCharacterForCellsOutsideTheCodePage()
{
    // Trail 0x7F is no trail byte in any of them; lead bytes alone are no character.
    QCOMPARE(uint(CodePageCodec::instance(CodePage::Gbk).cellCharacter(0xB0, 0x7F)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::Big5).cellCharacter(0xA4, 0x7F)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::ShiftJis).cellCharacter(0x88, 0x7F)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::Gbk).cellCharacter(0x40, 0x40)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::Gbk).singleByteCharacter(0xB0)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::Uhc).singleByteCharacter(0xC7)), 0u);
    // Shift_JIS leads stop at 0xFC.
    QCOMPARE(uint(CodePageCodec::instance(CodePage::ShiftJis).cellCharacter(0xFD, 0x40)), 0u);
    QCOMPARE(uint(CodePageCodec::instance(CodePage::ShiftJis).singleByteCharacter(0xA0)), 0u);
}

void TstCodePage::shouldTreatHalfWidthKatakanaAsSingleBytesInShiftJis()
{
    const CodePageCodec &table = CodePageCodec::instance(CodePage::ShiftJis);
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        const char32_t katakana = 0xFF61 + (byte - 0xA1);
        QCOMPARE(uint(table.singleByteCharacter(quint8(byte))), uint(katakana));
        QCOMPARE(table.characterCode(katakana), quint16(byte));
    }
    QCOMPARE(characterCodes(table, u"ｱｲ"_qs), (QList<quint16> {0xB1, 0xB2}));
}

void TstCodePage::shouldEncodeTextAsItsCodes()
{
    QCOMPARE(CodePageCodec::instance(CodePage::Gbk).encodeLossy(u"A中한€"_qs), QByteArray("A\xD6\xD0?\x80"));
    QCOMPARE(CodePageCodec::instance(CodePage::ShiftJis).encodeLossy(u"ｱ日"_qs), QByteArray("\xB1\x93\xFA"));
    QCOMPARE(CodePageCodec::instance(CodePage::Uhc).encodeLossy(QString()), QByteArray());
}

void TstCodePage::shouldRoundTripEveryCanonicalCell_data()
{
    shouldKeepAsciiAsItIs_data();
}

void TstCodePage::shouldRoundTripEveryCanonicalCell()
{
    QFETCH(CodePage, codePage);

    // Every character a cell stands for has a code, and that code's cell stands for the character
    // (duplicate cells map to one canonical code).
    const CodePageCodec &table = CodePageCodec::instance(codePage);
    int cells = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char32_t character = table.cellCharacter(quint8(lead), quint8(trail));
            if (character == 0)
                continue;
            ++cells;
            const quint16 code = table.characterCode(character);
            QVERIFY2(code != 0x3F, qPrintable(QString::number(lead * 256 + trail, 16)));
            const char32_t back = code > 0xFF ? table.cellCharacter(quint8(code >> 8), quint8(code))
                                              : table.singleByteCharacter(quint8(code));
            QCOMPARE(uint(back), uint(character));
        }
    }
    QVERIFY(cells > 9000);
}

void TstCodePage::shouldBuildEachTableOnceAcrossThreads()
{
    const CodePageCodec *seen[2] = {};
    std::thread first([&seen] { seen[0] = &CodePageCodec::instance(CodePage::Big5); });
    std::thread second([&seen] { seen[1] = &CodePageCodec::instance(CodePage::Big5); });
    first.join();
    second.join();
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(seen[0]->codePage(), CodePage::Big5);
    QCOMPARE(seen[0]->characterCode(U'中'), quint16(0xA4A4));
}

void TstCodePage::shouldChooseTheCodePageWindowsGivesTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("codePage");
    const QList<std::pair<const char *, int>> rows = {
        {"zh_CN.UTF-8", 936},  {"zh_SG", 936},
        {"zh_TW.Big5", 950},   {"zh_HK.UTF-8", 950},
        {"zh-Hant", 950},      {"zh", 936},
        {"ja_JP.UTF-8", 932},  {"ko_KR.EUC-KR", 949},
        {"de_DE@euro", 1252},  {"en_US.UTF-8", 1252},
        {"pt-BR", 1252},       {"pl_PL", 1250},
        {"cs_CZ.UTF-8", 1250}, {"sr_RS@latin", 1250},
        {"sr_RS", 1251},       {"ru_RU.KOI8-R", 1251},
        {"uk_UA", 1251},       {"uz_UZ@cyrillic", 1251},
        {"uz_UZ", 1254},       {"el_GR", 1253},
        {"tr_TR.UTF-8", 1254}, {"he_IL", 1255},
        {"ar_EG", 1256},       {"fa_IR", 1256},
        {"lt_LT", 1257},       {"lv_LV", 1257},
        {"et_EE", 1257},       {"vi_VN", 1258},
        {"th_TH.UTF-8", 874},  {"hi_IN", 1252},
        {"C", 1252},           {"POSIX", 1252},
        {"C.UTF-8", 1252},     {"", 1252},
    };
    for (const auto &[locale, codePage] : rows)
        QTest::newRow(*locale ? locale : "(empty)") << QString::fromLatin1(locale) << codePage;
}

void TstCodePage::shouldChooseTheCodePageWindowsGivesTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, codePage);
    QCOMPARE(int(lume::ansiCodePageForLocale(locale)), codePage);
}

void TstCodePage::shouldTakeTheLocaleOfCharacterHandling()
{
    const QByteArray saved[3] = {qgetenv("LC_ALL"), qgetenv("LC_CTYPE"), qgetenv("LANG")};
    qputenv("LC_ALL", "");
    qputenv("LC_CTYPE", "ja_JP.UTF-8");
    qputenv("LANG", "ko_KR.UTF-8");
    QCOMPARE(lume::systemAnsiCodePage(), CodePage::ShiftJis);
    qputenv("LC_ALL", "zh_TW.UTF-8");
    QCOMPARE(lume::systemAnsiCodePage(), CodePage::Big5);
    qputenv("LC_ALL", "");
    qputenv("LC_CTYPE", "");
    QCOMPARE(lume::systemAnsiCodePage(), CodePage::Uhc);
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_CTYPE", saved[1]);
    qputenv("LANG", saved[2]);
}

void TstCodePage::shouldConvertExactly_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("GBK") << CodePage::Gbk << QByteArray("A\xD6\xD0\xCE\xC4\x80") << u"A中文€"_qs;
    QTest::newRow("Big5") << CodePage::Big5 << QByteArray("\xA4\xA4\xB0\xEA") << u"中國"_qs;
    QTest::newRow("Shift_JIS") << CodePage::ShiftJis << QByteArray("\x93\xFA\x96{\xB1") << u"日本ｱ"_qs;
    QTest::newRow("Windows-949") << CodePage::Uhc << QByteArray("\xC7\xD1\x81\x41") << u"한갂"_qs;
    QTest::newRow("1252") << CodePage::Western
                          << QByteArray("Gr\xFC\xDF"
                                        "e \x80\x81")
                          << u"Grüße €\u0081"_qs;
    QTest::newRow("1250") << CodePage::CentralEuropean
                          << QByteArray("\xB3\xF3"
                                        "d\x9F")
                          << u"łódź"_qs;
    QTest::newRow("1251") << CodePage::Cyrillic << QByteArray("\xCC\xE8\xF0") << u"Мир"_qs;
    QTest::newRow("1253") << CodePage::Greek << QByteArray("\xE1\xE2") << u"αβ"_qs;
    QTest::newRow("874") << CodePage::Thai << QByteArray("\xA1") << u"ก"_qs;
}

void TstCodePage::shouldConvertExactly()
{
    QFETCH(CodePage, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const CodePageCodec &codec = CodePageCodec::instance(codePage);
    QCOMPARE(codec.decode(bytes), std::optional<QString>(text));
    QCOMPARE(codec.encode(text), std::optional<QByteArray>(bytes));
}

void TstCodePage::shouldRefuseWhatTheCodePageCannotHold_data()
{
    QTest::addColumn<CodePage>("codePage");
    QTest::addColumn<QByteArray>("bytes"); // decoded to nothing
    QTest::addColumn<QString>("text"); // encoded to nothing
    QTest::newRow("GBK") << CodePage::Gbk << QByteArray("a\x81\x20") << u"한"_qs;
    QTest::newRow("GBK lead byte at the end") << CodePage::Gbk << QByteArray("\xD6") << u"😀"_qs;
    QTest::newRow("Shift_JIS") << CodePage::ShiftJis << QByteArray("\x88\x7F") << u"中文简体"_qs;
    QTest::newRow("1253 hole") << CodePage::Greek << QByteArray("\xD2") << u"é"_qs;
    QTest::newRow("1252 and a lone surrogate") << CodePage::Western << QByteArray() << QString(QChar(0xD800));
}

void TstCodePage::shouldRefuseWhatTheCodePageCannotHold()
{
    QFETCH(CodePage, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const CodePageCodec &codec = CodePageCodec::instance(codePage);
    if (!bytes.isEmpty())
        QCOMPARE(codec.decode(bytes), std::nullopt);
    QCOMPARE(codec.encode(text), std::nullopt);
    QCOMPARE(codec.encode(u"?"_qs), std::optional<QByteArray>("?")); // a real '?' is no failure
}

QTEST_GUILESS_MAIN(TstCodePage)
#include "tst_codepage.moc"
