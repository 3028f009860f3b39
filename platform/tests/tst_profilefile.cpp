#include "profilefile.h"
#include "settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

using lume::ProfileDocument;
using lume::ProfileFile;

namespace {

const QString dataDir = QStringLiteral(LUME_SOURCE_DIR "/platform/tests/data/");

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The Windows fixture in the line-end style of the variant: as written (CRLF), LF, or with a BOM.
QByteArray windowsFile(const QString &variant)
{
    QByteArray bytes = readBytes(dataDir + "windows-lumeset.ini");
    if (variant == "lf")
        bytes.replace("\r\n", "\n");
    else if (variant == "bom")
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QByteArray inVariant(QByteArray crlfText, const QString &variant)
{
    if (variant == "lf")
        crlfText.replace("\r\n", "\n");
    return crlfText;
}

const QStringList variants = {QStringLiteral("crlf"), QStringLiteral("lf"), QStringLiteral("bom")};

// Permission bits stop nobody when the tests run as root; such checks are skipped then.
bool permissionsStopWrites(const QString &readOnlyDir)
{
    QFile probe(readOnlyDir + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return false;
    }
    return true;
}

QString cjk(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Sketchlume's settings in the order its close writes them (the values of lumeset-stored.ini).
struct StoredValue
{
    QString section;
    QString key;
    QString value;
    int bufferSize; // 0 for integers
};

QList<StoredValue> sketchlumeStore()
{
    const QStringList texts = {QStringLiteral("Hello badge"),   QStringLiteral("Two\nlines"),
                               cjk("中文 テキスト 한국어"),     QStringLiteral("  padded  "),
                               QStringLiteral("\"in quotes\""), QString(),
                               QStringLiteral("a = b ; c"),     QStringLiteral("Message8")};
    const QStringList fonts = {"System", "Arial",       "SimSun", "MS Gothic",
                               "Gulim",  "Courier New", "Tahoma", "System"};
    const QStringList sizes = {"10", "12", "9", "14", "10", "8", "11", "10"};
    const QStringList bold = {"0", "1", "0", "1", "0", "0", "1", "0"};
    const QStringList directions = {"From right to left", "From left to right", "From down to up",
                                    "From up to down",    "Freeze show",        "From right to left",
                                    "sideways",           "From right to left"};
    const QStringList flash = {"0", "1", "0", "0", "1", "0", "0", "1"};
    const QStringList speeds = {"4", "1", "8", "9", "2", "3", "5", "4"};

    QList<StoredValue> values = {{"CommPortSet", "CommPort", "COM3", 0},
                                 {"TopLocationAdjustSet", "TopLocationAdjust", "-2", 10}};
    for (int i = 0; i < 8; ++i) {
        const QString n = QString::number(i + 1);
        const QString fontSet = "Message" + n + "ShowFontSet";
        const QString showMode = "Message" + n + "ShowMode";
        values.append({"MessageText", "Message" + n + "Text", texts[i], 768});
        values.append({fontSet, "FontName", fonts[i], 80});
        values.append({fontSet, "FontSize", sizes[i], 10});
        values.append({fontSet, "FontBold", bold[i], 0});
        values.append({showMode, "MoveDirection", directions[i], 20});
        values.append({showMode, "Flash", flash[i], 0});
        values.append({showMode, "MoveSpeed", speeds[i], 10});
    }
    return values;
}

} // namespace

class TstProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void shouldReadFileWrittenOnWindows_data();
    void shouldReadFileWrittenOnWindows();
    void shouldReadIntegersFromFileWrittenOnWindows_data();
    void shouldReadIntegersFromFileWrittenOnWindows();
    void shouldGiveDefaultsWithoutFile();
    void shouldCutAtCharacterBoundary_data();
    void shouldCutAtCharacterBoundary();
    void shouldReadLeadingInteger_data();
    void shouldReadLeadingInteger();

    void shouldChangeOnlyTheWrittenLine_data();
    void shouldChangeOnlyTheWrittenLine();
    void shouldPlaceNewSectionsAndKeys_data();
    void shouldPlaceNewSectionsAndKeys();
    void shouldWriteSketchlumeSettingsInStoreOrder();
    void shouldKeepUnknownLinesWhenStoringOverWindowsFile();
    void shouldRoundTripValues_data();
    void shouldRoundTripValues();
    void shouldStoreTextWithoutLineBreaksUnchanged();
    void shouldNeverBreakALineForRawLineBreaks();
    void shouldCutALineBreakAsOneCharacter();
    void shouldListSectionsAndKeysAsReadsFindThem_data();
    void shouldListSectionsAndKeysAsReadsFindThem();
    void shouldRefuseInvalidNames_data();
    void shouldRefuseInvalidNames();

    void shouldReplaceTheFileNotRewriteIt();
    void shouldFailAndKeepFileWhenDirectoryIsReadOnly();
    void shouldFailWithoutTouchingUnreadableFile();
    void shouldFailWhenPathCannotHoldAFile();

    void shouldEncodeLineBreaks_data();
    void shouldEncodeLineBreaks();

    void shouldUseWritableProgramDirectory();
    void shouldFallBackToUserDirectory();
    void shouldSeedUserDirectoryFromProgramDirectory();
    void shouldNotOverwriteExistingUserFileWhenSeeding();
    void shouldProbeDirectoryByCreatingAFile();
    void shouldKeepAnInstalledProgramsSettingsPerUser();
    void shouldFallBackWhenSettingsFileIsReadOnly();

    void shouldReadLegacyFilesAndStoreThemBack_data();
    void shouldReadLegacyFilesAndStoreThemBack();
    void shouldTurnTheWholeFileIntoUtf8_data();
    void shouldTurnTheWholeFileIntoUtf8();
    void shouldKeepWhatCannotBeDecoded();
    void shouldFindNamesWithByteOrderMarks_data();
    void shouldFindNamesWithByteOrderMarks();
    void shouldRefuseNamesWithLoneSurrogates();
    void shouldRemoveTemporariesOfKilledWrites();
    void shouldReadADocumentOnceAndWriteItOnlyAtCommit();
    void shouldLeaveTheFileAloneWhenACommitFails();

private:
    QString userFile(const QString &name) const;
};

void TstProfileFile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TstProfileFile::cleanup()
{
    QFile::remove(userFile("Lumeset.ini"));
}

QString TstProfileFile::userFile(const QString &name) const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(name);
}

void TstProfileFile::shouldReadFileWrittenOnWindows_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *section, const char *key, const QString &defaultValue,
                        int bufferSize, const QString &expected) {
        QTest::newRow(name) << QString(section) << QString(key) << defaultValue << bufferSize << expected;
    };

    row("plain value", "TopLocationAdjustSet", "TopLocationAdjust", "-2", 10, "-3");
    row("names in other case", "topLOCATIONadjustset", "TOPLOCATIONADJUST", "-2", 10, "-3");
    row("section after the others", "Message1ShowFontSet", "FontSize", "10", 10, "12");
    row("section with blanks inside brackets", "MessageText", "Message1Text", "Message1", 768, "Hello World");
    row("quotes enclosing blanks", "MessageText", "Message2Text", "Message2", 768, "  quoted with blanks  ");
    row("single quotes", "MessageText", "Message8Text", "Message8", 768, "single");
    row("utf-8", "MessageText", "Message3Text", "", 768, cjk("日本語のテキスト"));
    row("equals sign in value, first of two keys", "MessageText", "Message4Text", "", 768, "a=b=c");
    row("empty value is no default", "MessageText", "Message6Text", "Message6", 768, "");
    row("commented key and later duplicate section", "MessageText", "Message5Text", "Message5", 768,
        "Message5");
    row("long value cut to 767 bytes", "MessageText", "Message7Text", "", 768, QString(767, u'x'));
    row("font name cut to 79 bytes", "Message1ShowFontSet", "FontName", "System", 80,
        "Times New Roman Bold Condensed Extra Long Font Family Name That Exceeds Eighty ");
    row("blanks around header, last line without line end", "CommPortSet", "CommPort", "", 80, "COM3");
    row("blanks around equals", "Message2ShowMode", "Flash", "0", 10, "1");
    row("key before any section", "CommPortSet", "Orphan", "none", 80, "none");
    row("line without equals", "MessageText", "just a line without equals", "none", 80, "none");
    row("comment is no key", "MessageText", ";Message5Text", "none", 80, "none");
    row("key of another section", "TopLocationAdjustSet", "FontSize", "10", 10, "10");
    row("missing section", "Message9ShowMode", "MoveSpeed", "4", 10, "4");
    row("empty key name", "MessageText", "", "none", 10, "none");
}

void TstProfileFile::shouldReadFileWrittenOnWindows()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(int, bufferSize);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    for (const QString &variant : variants) {
        const QString path = dir.filePath(variant + ".ini");
        QVERIFY(writeBytes(path, windowsFile(variant)));
        QCOMPARE(ProfileFile(path).readString(section, key, defaultValue, bufferSize), expected);
    }
}

void TstProfileFile::shouldReadIntegersFromFileWrittenOnWindows_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    const auto row = [](const char *name, const char *section, const char *key, int expected) {
        QTest::newRow(name) << QString(section) << QString(key) << expected;
    };

    row("flash", "MESSAGE2SHOWMODE", "flash", 1);
    row("speed beyond the list", "Message2ShowMode", "MoveSpeed", 9);
    row("bold", "Message1ShowFontSet", "FontBold", 1);
    row("negative", "TopLocationAdjustSet", "TopLocationAdjust", -3);
    row("text", "Message2ShowMode", "MoveDirection", 0);
    row("empty value gives default", "MessageText", "Message6Text", 42);
    row("missing key", "Message1ShowFontSet", "Flash", 42);
}

void TstProfileFile::shouldReadIntegersFromFileWrittenOnWindows()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, expected);

    QTemporaryDir dir;
    for (const QString &variant : variants) {
        const QString path = dir.filePath(variant + ".ini");
        QVERIFY(writeBytes(path, windowsFile(variant)));
        QCOMPARE(ProfileFile(path).readInt(section, key, 42), expected);
    }
}

void TstProfileFile::shouldGiveDefaultsWithoutFile()
{
    QTemporaryDir dir;
    const ProfileFile file(dir.filePath("Lumeset.ini"), lume::CodePage::Gbk);
    QCOMPARE(file.readString("TopLocationAdjustSet", "TopLocationAdjust", "-2", 10), "-2");
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 768), "Message1");
    QCOMPARE(file.readInt("Message1ShowFontSet", "FontBold", 0), 0);
    QCOMPARE(file.readInt("Message1", "Select", 1), 1);
    // The default goes through the same buffer as a stored value.
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 5), "Mess");
    QCOMPARE(file.readString("Language", "Language", cjk("日本語"), 5), cjk("日本"));
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 1), "");
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 0), "");
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", -5), "");
    QVERIFY(!QFileInfo::exists(file.path()));
}

void TstProfileFile::shouldCutAtCharacterBoundary_data()
{
    QTest::addColumn<lume::CodePage>("codePage");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<QString>("expected");

    // "a中😀b" counts as Windows counts it: in GBK 1 + 2 + 1 + 1 bytes (the emoji, which GBK cannot
    // hold, as one '?'), in Windows-1252 one byte each; never its UTF-8 bytes.
    using lume::CodePage;
    QTest::newRow("GBK 2") << CodePage::Gbk << 2 << "a";
    QTest::newRow("GBK 3: half of the CJK character") << CodePage::Gbk << 3 << "a";
    QTest::newRow("GBK 4") << CodePage::Gbk << 4 << cjk("a中");
    QTest::newRow("GBK 5: the emoji is one character") << CodePage::Gbk << 5 << cjk("a中😀");
    QTest::newRow("GBK 6") << CodePage::Gbk << 6 << cjk("a中😀b");
    QTest::newRow("GBK huge") << CodePage::Gbk << std::numeric_limits<int>::max() << cjk("a中😀b");
    QTest::newRow("1252 3") << CodePage::Western << 3 << cjk("a中");
    QTest::newRow("1252 4") << CodePage::Western << 4 << cjk("a中😀");
    QTest::newRow("1252 5") << CodePage::Western << 5 << cjk("a中😀b");
}

void TstProfileFile::shouldCutAtCharacterBoundary()
{
    QFETCH(lume::CodePage, codePage);
    QFETCH(int, bufferSize);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("cut.ini");
    QVERIFY(writeBytes(path, cjk("[Message1]\r\nMessage1Text=a中😀b\r\n").toUtf8()));
    QCOMPARE(ProfileFile(path, codePage).readString("Message1", "Message1Text", "", bufferSize), expected);
}

void TstProfileFile::shouldReadLeadingInteger_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("greyed") << QByteArray("2") << 2;
    QTest::newRow("negative") << QByteArray("-5") << -5;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("trailing text") << QByteArray("12abc") << 12;
    QTest::newRow("fraction") << QByteArray("1.9") << 1;
    QTest::newRow("no number") << QByteArray("abc") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("blanks around") << QByteArray("   7   ") << 7;
    QTest::newRow("quoted") << QByteArray("\" 3\"") << 3;
    QTest::newRow("no hex") << QByteArray("0x10") << 0;
    QTest::newRow("int max") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("int min") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
    QTest::newRow("clamped high") << QByteArray("2147483648") << std::numeric_limits<int>::max();
    QTest::newRow("clamped low") << QByteArray("-99999999999") << std::numeric_limits<int>::min();
    QTest::newRow("400 digits") << QByteArray(400, '9') << std::numeric_limits<int>::max();
    QTest::newRow("empty gives default") << QByteArray() << 77;
}

void TstProfileFile::shouldReadLeadingInteger()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("int.ini");
    QVERIFY(writeBytes(path, "[Message1]\nSelect=" + stored + "\n"));
    QCOMPARE(ProfileFile(path).readInt("message1", "select", 77), expected);
}

void TstProfileFile::shouldChangeOnlyTheWrittenLine_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("before"); // a unique part of the Windows file; empty: the end
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char *name, const char *section, const char *key, const QString &value,
                        const QByteArray &before, const QByteArray &after) {
        QTest::newRow(name) << QString(section) << QString(key) << value << before << after;
    };

    row("replace keeps spelling and blanks before the value", "MessageText", "Message1Text", "Bye",
        "message1text = Hello World  \r\n", "message1text = Bye\r\n");
    row("replace the first of two keys", "messagetext", "MESSAGE4TEXT", "z", "Message4Text=a=b=c\r\n",
        "Message4Text=z\r\n");
    row("fill an empty value", "MessageText", "Message6Text", "filled", "Message6Text=\r\n",
        "Message6Text=filled\r\n");
    row("blanks kept by quotes", "TopLocationAdjustSet", "TopLocationAdjust", " 5 ",
        "TopLocationAdjust=-3\r\n", "TopLocationAdjust=\" 5 \"\r\n");
    row("replace on last line without line end", "commportset", "commport", "COM7", "CommPort=COM3",
        "CommPort=COM7");
    row("new key before the blank line ending the section", "TopLocationAdjustSet", "Extra", "1",
        "TopLocationAdjust=-3\r\n", "TopLocationAdjust=-3\r\nExtra=1\r\n");
    row("new key after last key of first section, not after the comment", "MessageText", "Message5Text",
        cjk("五"), "Message8Text='single'\r\n", cjk("Message8Text='single'\r\nMessage5Text=五\r\n").toUtf8());
    row("new key in last section without line end", "CommPortSet", "Baud", "1200", "CommPort=COM3",
        "CommPort=COM3\r\nBaud=1200\r\n");
    row("new section at the end after a blank line", "Message9ShowMode", "Flash", "0", "",
        "\r\n\r\n[Message9ShowMode]\r\nFlash=0\r\n");
}

void TstProfileFile::shouldChangeOnlyTheWrittenLine()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    for (const QString &variant : variants) {
        const QByteArray original = windowsFile(variant);
        QByteArray expected = original;
        const QByteArray from = inVariant(before, variant);
        if (from.isEmpty()) {
            expected += inVariant(after, variant);
        } else {
            QCOMPARE(original.count(from), 1);
            expected.replace(from, inVariant(after, variant));
        }
        const QString path = dir.filePath(variant + ".ini");
        QVERIFY(writeBytes(path, original));
        ProfileFile file(path);
        QVERIFY(file.writeString(section, key, value));
        QCOMPARE(readBytes(path), expected);
        QCOMPARE(file.readString(section, key, "", 768), value);
    }
}

void TstProfileFile::shouldPlaceNewSectionsAndKeys_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, const QByteArray &original, const char *section,
                        const QByteArray &expected) {
        QTest::newRow(name) << original << QString(section) << expected;
    };

#ifdef Q_OS_WIN
    const QByteArray nl = "\r\n";
#else
    const QByteArray nl = "\n";
#endif
    row("empty file takes the platform's line end", "", "S", "[S]" + nl + "K=v" + nl);
    row("byte order mark kept", "\xEF\xBB\xBF", "S", "\xEF\xBB\xBF[S]" + nl + "K=v" + nl);
    row("single line without line end", "x=1", "S", "x=1" + nl + nl + "[S]" + nl + "K=v" + nl);
    row("header alone takes the platform's line end", "[A]", "A", "[A]" + nl + "K=v" + nl);
    row("no second blank line", "[A]\nk=1\n\n", "S", "[A]\nk=1\n\n[S]\nK=v\n");
    row("CRLF file stays CRLF", "[A]\r\nk=1\r\n", "S", "[A]\r\nk=1\r\n\r\n[S]\r\nK=v\r\n");
    row("comment at the end is no blank line", "[A]\r\nk=1\r\n; end\r\n", "S",
        "[A]\r\nk=1\r\n; end\r\n\r\n[S]\r\nK=v\r\n");
    row("empty section: right after its header", "[A]\n[S]\n\n[B]\nb=2\n", "S",
        "[A]\n[S]\nK=v\n\n[B]\nb=2\n");
    row("empty last section without line end", "[A]\r\n[S]", "S", "[A]\r\n[S]\r\nK=v\r\n");
    row("after last key, comments and odd lines stay behind", "[S]\na=1\n;c\nb=2\nnoise\n\n[T]\n", "s",
        "[S]\na=1\n;c\nb=2\nK=v\nnoise\n\n[T]\n");
    row("first of two sections of the name", "[S]\na=1\n[T]\n[S]\nb=2\n", "S",
        "[S]\na=1\nK=v\n[T]\n[S]\nb=2\n");
    row("blanks trimmed from the names", "[ S ]\n", "  S\t", "[ S ]\nK=v\n");
    // A carriage return alone ends no line: the new key must not join the last one.
    row("last key ends in a lone CR", "[S]\na=1\r", "S", "[S]\na=1\r\nK=v\n");
}

void TstProfileFile::shouldPlaceNewSectionsAndKeys()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, section);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("place.ini");
    QVERIFY(writeBytes(path, original));
    QVERIFY(ProfileFile(path).writeString(section, " K ", "v"));
    QCOMPARE(readBytes(path), expected);
}

void TstProfileFile::shouldWriteSketchlumeSettingsInStoreOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    ProfileFile file(path);
    const QList<StoredValue> store = sketchlumeStore();
    QCOMPARE(store.size(), 58);
    for (const StoredValue &v : store)
        QVERIFY(file.writeString(v.section, v.key, lume::encodeLineBreaks(v.value)));

    QByteArray expected = readBytes(dataDir + "lumeset-stored.ini");
#ifdef Q_OS_WIN
    expected.replace("\n", "\r\n");
#endif
    QCOMPARE(readBytes(path), expected);

    for (const StoredValue &v : store) {
        if (v.bufferSize == 0)
            QCOMPARE(file.readInt(v.section, v.key, -1), v.value.toInt());
        else
            QCOMPARE(lume::decodeLineBreaks(file.readString(v.section, v.key, "?", v.bufferSize)), v.value);
    }

    // The next close writes the same values again: the file stays as it is.
    for (const StoredValue &v : store)
        QVERIFY(file.writeString(v.section, v.key, lume::encodeLineBreaks(v.value)));
    QCOMPARE(readBytes(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"Lumeset.ini"});
}

void TstProfileFile::shouldKeepUnknownLinesWhenStoringOverWindowsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, windowsFile("crlf")));
    ProfileFile file(path);
    for (const StoredValue &v : sketchlumeStore())
        QVERIFY(file.writeString(v.section, v.key, lume::encodeLineBreaks(v.value)));

    const QByteArray after = readBytes(path);
    for (const QByteArray &kept :
         {QByteArray("; Written by the old program on Windows\r\nOrphan=before any "
                     "section\r\n[Message2ShowMode]\r\n"),
          QByteArray("\r\njust a line without equals\r\n;Message5Text=commented out\r\n"),
          QByteArray(
              "\r\n[MessageText]\r\nMessage5Text=duplicate section is ignored\r\n\t[CommPortSet]\t\r\n"),
          QByteArray("message4text=second of a kind\r\n"), QByteArray("[ messagetext ]\r\n")})
        QVERIFY2(after.contains(kept), kept.constData());
    QVERIFY(!after.contains("\r\r"));
    QCOMPARE(after.count('\n'), after.count("\r\n"));
    for (const StoredValue &v : sketchlumeStore()) {
        if (v.bufferSize != 0)
            QCOMPARE(lume::decodeLineBreaks(file.readString(v.section, v.key, "?", 768)), v.value);
    }
    QCOMPARE(file.readString("Message1ShowFontSet", "FontName", "", 80), "System");
    QVERIFY(after.contains("[MESSAGE1SHOWFONTSET]\r\nFontName=System\r\nFontSize=10\r\nFontBold=0\r\n"));
}

void TstProfileFile::shouldRoundTripValues_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << QString();
    QTest::newRow("plain") << "Message1";
    QTest::newRow("leading blanks") << "  left";
    QTest::newRow("trailing blanks") << "right  ";
    QTest::newRow("tab") << "\tx\t";
    QTest::newRow("blank only") << " ";
    QTest::newRow("double quotes") << "\"quoted\"";
    QTest::newRow("single quotes") << "'quoted'";
    QTest::newRow("lone quote") << "\"";
    QTest::newRow("two quotes") << "\"\"";
    QTest::newRow("unbalanced quotes") << "\"a'";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("looks like comment") << "; not a comment";
    QTest::newRow("looks like section") << "[Language]";
    QTest::newRow("cjk and emoji") << cjk("中文 日本語 한국어 😀");
    QTest::newRow("long") << QString(767, u'y');
    QTest::newRow("byte-order mark in front") << cjk("\uFEFFvalue");
    QTest::newRow("byte-order mark alone") << cjk("\uFEFF");
}

void TstProfileFile::shouldRoundTripValues()
{
    QFETCH(QString, value);

    QTemporaryDir dir;
    const QString path = dir.filePath("round.ini");
    ProfileFile file(path);
    QVERIFY(file.writeString("Language", "Language", "before"));
    QVERIFY(file.writeString("Message1", "Message1Text", value));
    QVERIFY(file.writeString("Message1", "Select", "1"));
    QCOMPARE(file.readString("Message1", "Message1Text", "default", 768), value);
    QCOMPARE(file.readString("Language", "Language", "", 80), "before");
    QCOMPARE(file.readInt("Message1", "Select", 0), 1);
    // Replacing keeps it exact too.
    QVERIFY(file.writeString("message1", "message1text", value + "!"));
    QCOMPARE(file.readString("Message1", "Message1Text", "default", 1000), value + "!");
}

void TstProfileFile::shouldStoreTextWithoutLineBreaksUnchanged()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plain.ini");
    const QString text = cjk("Hello, 世界 = \"ok\" ; [x]");
    QCOMPARE(lume::encodeLineBreaks(text), text);
    QVERIFY(ProfileFile(path).writeString("Message1", "Message1Text", lume::encodeLineBreaks(text)));
#ifdef Q_OS_WIN
    const QByteArray newLine = "\r\n";
#else
    const QByteArray newLine = "\n";
#endif
    QCOMPARE(readBytes(path), "[Message1]" + newLine + "Message1Text=" + text.toUtf8() + newLine);
}

void TstProfileFile::shouldNeverBreakALineForRawLineBreaks()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("raw.ini");
    ProfileFile file(path);
    const QString text = "one\ntwo\r\nthree\r";
    QVERIFY(file.writeString("Message1", "Message1Text", text));
    QVERIFY(file.writeString("Message1", "Select", "0"));
    const QByteArray bytes = readBytes(path);
    QCOMPARE(bytes.count('\n'), 3);
    QVERIFY(!bytes.contains('\r'));
    // Stored encoded on one line, read back decoded: the programs see the text they stored.
    QVERIFY(bytes.contains("Message1Text=" + lume::encodeLineBreaks(text).toUtf8() + '\n'));
    QCOMPARE(file.readString("Message1", "Message1Text", "", 768), text);
    QCOMPARE(ProfileDocument(file).readString("Message1", "Message1Text", "", 768), text);
    QCOMPARE(file.readInt("Message1", "Select", 1), 0);
}

void TstProfileFile::shouldCutALineBreakAsOneCharacter()
{
    // The buffer counts the stored form, where a break is one character, as the programs always did.
    QTemporaryDir dir;
    ProfileFile file(dir.filePath("cut.ini"), lume::CodePage::Western);
    QVERIFY(file.writeString("Message1", "Message1Text", "ab\ncd"));
    QCOMPARE(file.readString("Message1", "Message1Text", "", 4), "ab\n");
    QCOMPARE(file.readString("Message1", "Message1Text", "", 3), "ab");
    QCOMPARE(file.readString("Message1", "Missing", "x\u2028y", 80), "x\ny");
}

void TstProfileFile::shouldListSectionsAndKeysAsReadsFindThem_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<lume::CodePage>("codePage");
    const auto row = [](const char *name, const QByteArray &content, const QStringList &sections,
                        const QString &section, const QStringList &keys,
                        lume::CodePage codePage = lume::CodePage::Western) {
        QTest::newRow(name) << content << sections << section << keys << codePage;
    };

    row("in file order", "[B]\nb=1\nc=2\n\n[A]\na=3\n", {"B", "A"}, "B", {"b", "c"});
    row("repeated section once, keys of the first", "[S]\na=1\n[T]\n[s]\nb=2\n", {"S", "T"}, "s", {"a"});
    row("repeated key once", "[S]\nk=1\nK=2\n", {"S"}, "S", {"k"});
    row("names trimmed, comments and odd lines skipped",
        "\xEF\xBB\xBF [ A ] \r\n;x=1\r\n k = v \r\nnoise\r\n", {"A"}, " a ", {"k"});
    row("keys before any section belong to none", "x=0\n[A]\nk=1\n", {"A"}, "A", {"k"});
    row("no closing bracket, no section", "[A\nk=1\n[B]\nm=2", {"B"}, "B", {"m"});
    // \x81\x20 is no GBK character: the section is unnamed but still ends the one before.
    row("undecodable section name", "[A]\na=1\n[\x81\x20]\nb=2\n", {"A"}, "A", {"a"}, lume::CodePage::Gbk);
    row("undecodable key name", "[A]\n\x81\x20=1\nb=2\n", {"A"}, "A", {"b"}, lume::CodePage::Gbk);
    row("code-page names", "[Gr\xFC\xDF]\nS\xE9=1\n", {QString::fromUtf8("Grüß")}, QString::fromUtf8("GRÜSS"),
        {});
    row("code-page names found", "[Gr\xFC\xDF]\nS\xE9=1\n", {QString::fromUtf8("Grüß")},
        QString::fromUtf8("grüß"), {QString::fromUtf8("Sé")});
    row("missing section", "[A]\na=1\n", {"A"}, "Z", {});
    row("empty file", "", {}, "A", {});
}

void TstProfileFile::shouldListSectionsAndKeysAsReadsFindThem()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sections);
    QFETCH(QString, section);
    QFETCH(QStringList, keys);
    QFETCH(lume::CodePage, codePage);

    const ProfileDocument document(ProfileFile("unused.ini", codePage), content);
    QCOMPARE(document.sections(), sections);
    QCOMPARE(document.keys(section), keys);
    // Every listed key is one that a read finds.
    for (const QString &key : keys)
        QVERIFY(document.readString(section, key, "\x01", 80) != "\x01");
}

void TstProfileFile::shouldRefuseInvalidNames_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    const auto row = [](const char *name, const QString &section, const QString &key) {
        QTest::newRow(name) << section << key;
    };

    row("bracket in section", "Mess]age", "Key");
    row("equals in key", "Section", "a=b");
    row("empty section", "", "Key");
    row("blank key", "Section", "  ");
    row("line feed in section", "Sec\ntion", "Key");
    row("carriage return in key", "Section", "K\rey");
    row("key read as comment", "Section", ";Key");
    row("key read as section", "Section", "[Key]");
    row("nul in key", "Section", QString("K") + QChar(0));
}

void TstProfileFile::shouldRefuseInvalidNames()
{
    QFETCH(QString, section);
    QFETCH(QString, key);

    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.ini");
    QVERIFY(!ProfileFile(missing).writeString(section, key, "v"));
    QVERIFY(!QFileInfo::exists(missing));

    const QString path = dir.filePath("kept.ini");
    QVERIFY(writeBytes(path, windowsFile("crlf")));
    QVERIFY(!ProfileFile(path).writeString(section, key, "v"));
    QCOMPARE(readBytes(path), windowsFile("crlf"));
}

void TstProfileFile::shouldReplaceTheFileNotRewriteIt()
{
#ifdef Q_OS_WIN
    QSKIP("An open file cannot be replaced on Windows");
#endif
    // A reader holding the old file still sees all of it: the new one was made aside and renamed.
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, windowsFile("crlf")));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QVERIFY(ProfileFile(path).writeString("MessageText", "Message1Text", "new"));
    QCOMPARE(old.readAll(), windowsFile("crlf"));
    QVERIFY(readBytes(path).contains("message1text = new\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {"Lumeset.ini"});
}

void TstProfileFile::shouldFailAndKeepFileWhenDirectoryIsReadOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, windowsFile("crlf")));
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool stopped = permissionsStopWrites(dir.path());
    if (stopped) {
        ProfileFile file(path);
        QVERIFY(!file.writeString("MessageText", "Message1Text", "changed"));
        QVERIFY(!file.writeString("NewSection", "Key", "v"));
        // An unchanged value needs no write.
        QVERIFY(file.writeString("TopLocationAdjustSet", "TopLocationAdjust", "-3"));
        QCOMPARE(readBytes(path), windowsFile("crlf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList {"Lumeset.ini"});
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!stopped)
        QSKIP("Permission bits do not stop this user (root)");
}

void TstProfileFile::shouldFailWithoutTouchingUnreadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, windowsFile("crlf")));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("Permission bits do not stop this user (root)");
    ProfileFile file(path);
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 768), "Message1");
    // Writing a file it could not read first would throw away every other setting.
    QVERIFY(!file.writeString("MessageText", "Message1Text", "changed"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readBytes(path), windowsFile("crlf"));
}

void TstProfileFile::shouldFailWhenPathCannotHoldAFile()
{
    QTemporaryDir dir;
    QVERIFY(!ProfileFile(dir.filePath("no/such/dir/Lumeset.ini")).writeString("S", "K", "v"));
    QVERIFY(!QFileInfo::exists(dir.filePath("no")));

    QVERIFY(QDir(dir.path()).mkdir("Lumeset.ini"));
    QVERIFY(writeBytes(dir.filePath("Lumeset.ini/inside"), "kept"));
    ProfileFile directory(dir.filePath("Lumeset.ini"));
    QCOMPARE(directory.readString("S", "K", "default", 10), "default");
    QVERIFY(!directory.writeString("S", "K", "v"));
    QVERIFY(QFileInfo(dir.filePath("Lumeset.ini")).isDir());
    QCOMPARE(readBytes(dir.filePath("Lumeset.ini/inside")), "kept");
}

void TstProfileFile::shouldEncodeLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no line breaks") << cjk("abc 中文") << cjk("abc 中文");
    QTest::newRow("line feed") << "a\nb" << cjk("a\u2028b");
    QTest::newRow("carriage return") << "a\rb" << cjk("a\u2029b");
    QTest::newRow("windows line end") << "a\r\nb" << cjk("a\u2029\u2028b");
    QTest::newRow("only breaks") << "\n\n\r" << cjk("\u2028\u2028\u2029");
}

void TstProfileFile::shouldEncodeLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(lume::encodeLineBreaks(text), stored);
    QCOMPARE(lume::decodeLineBreaks(stored), text);
    QVERIFY(!stored.contains(u'\n') && !stored.contains(u'\r'));
}

void TstProfileFile::shouldUseWritableProgramDirectory()
{
    QTemporaryDir dir;
    const auto writable = [](const QString &) { return true; };
    const QString expected = QDir(dir.path()).filePath("Lumeset.ini");
    QCOMPARE(lume::settingsFilePath(dir.path(), "Lumeset.ini", writable), expected);
    QCOMPARE(lume::settingsFilePath(dir.path(), "\\Lumeset.ini", writable), expected);
    QCOMPARE(lume::settingsFilePath(dir.path(), "Lumeset.ini"), expected);
    QVERIFY(!QFileInfo::exists(userFile("Lumeset.ini")));
}

void TstProfileFile::shouldFallBackToUserDirectory()
{
    QTemporaryDir dir;
    QString probed;
    const auto readOnly = [&probed](const QString &directory) {
        probed = directory;
        return false;
    };
    const QString path = lume::settingsFilePath(dir.path(), "Lumeset.ini", readOnly);
    QCOMPARE(probed, dir.path());
    QCOMPARE(path, userFile("Lumeset.ini"));
    QVERIFY(QFileInfo(QFileInfo(path).path()).isDir());
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(ProfileFile(path).writeString("CommPortSet", "CommPort", "COM1"));
}

void TstProfileFile::shouldSeedUserDirectoryFromProgramDirectory()
{
    QTemporaryDir dir;
    const QString local = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(local, windowsFile("crlf")));
    QVERIFY(QFile::setPermissions(local, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const QString path =
        lume::settingsFilePath(dir.path(), "Lumeset.ini", [](const QString &) { return false; });
    QCOMPARE(path, userFile("Lumeset.ini"));
    QCOMPARE(readBytes(path), windowsFile("crlf"));
    QVERIFY(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
    ProfileFile file(path);
    QCOMPARE(file.readString("TopLocationAdjustSet", "TopLocationAdjust", "-2", 10), "-3");
    QVERIFY(file.writeString("TopLocationAdjustSet", "TopLocationAdjust", "4"));
    QCOMPARE(readBytes(local), windowsFile("crlf"));
}

void TstProfileFile::shouldNotOverwriteExistingUserFileWhenSeeding()
{
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("Lumeset.ini"), windowsFile("crlf")));
    const auto readOnly = [](const QString &) { return false; };
    const QString path = lume::settingsFilePath(dir.path(), "Lumeset.ini", readOnly);
    QVERIFY(ProfileFile(path).writeString("TopLocationAdjustSet", "TopLocationAdjust", "7"));
    const QByteArray userBytes = readBytes(path);

    QCOMPARE(lume::settingsFilePath(dir.path(), "Lumeset.ini", readOnly), path);
    QCOMPARE(readBytes(path), userBytes);
    QCOMPARE(ProfileFile(path).readString("TopLocationAdjustSet", "TopLocationAdjust", "-2", 10), "7");
}

void TstProfileFile::shouldProbeDirectoryByCreatingAFile()
{
    QTemporaryDir dir;
    QVERIFY(lume::canCreateFileIn(dir.path()));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(!lume::canCreateFileIn(dir.filePath("missing")));

    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool stopped = permissionsStopWrites(dir.path());
    QCOMPARE(lume::canCreateFileIn(dir.path()), !stopped);
    if (stopped) {
        QCOMPARE(lume::settingsFilePath(dir.path(), "Lumeset.ini"), userFile("Lumeset.ini"));
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TstProfileFile::shouldKeepAnInstalledProgramsSettingsPerUser()
{
    // Run as root, an installed program could write into /usr/bin: it must not.
    QCOMPARE(lume::settingsFilePath("/usr/bin", "Lumeset.ini"), userFile("Lumeset.ini"));
    QVERIFY(lume::isSystemProgramDir("/usr/local/bin"));
    QVERIFY(lume::isSystemProgramDir("/usr/bin/../lib/x"));
    QVERIFY(!lume::isSystemProgramDir("/usr2/bin"));
    QVERIFY(!lume::isSystemProgramDir("/home/user/lume/build/bin"));
    QTemporaryDir dir;
    QCOMPARE(lume::settingsFilePath(dir.path(), "Lumeset.ini"), dir.filePath("Lumeset.ini"));
}

void TstProfileFile::shouldFallBackWhenSettingsFileIsReadOnly()
{
    QTemporaryDir dir;
    const QString local = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(local, windowsFile("crlf")));
    QVERIFY(QFile::setPermissions(local, QFileDevice::ReadOwner));
    QFile probe(local);
    if (probe.open(QIODevice::Append))
        QSKIP("Permission bits do not stop this user (root)");
    const QString path =
        lume::settingsFilePath(dir.path(), "Lumeset.ini", [](const QString &) { return true; });
    QCOMPARE(path, userFile("Lumeset.ini"));
    QCOMPARE(readBytes(path), windowsFile("crlf"));
}

using Values = QList<QStringList>; // section, key, value

void TstProfileFile::shouldReadLegacyFilesAndStoreThemBack_data()
{
    QTest::addColumn<lume::CodePage>("codePage");
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QByteArray>("stored"); // after every value was written back

    // Files as the Windows programs write them, byte by byte: each value is read right, and
    // writing every value back leaves the file as it was.
    const QByteArray gbk = "; \xD7\xA2\xCA\xCD GBK\r\n" // 注释
                           "[MessageText]\r\n"
                           "Message1Text=\xD6\xD0\xCE\xC4\r\n" // 中文
                           "Message2Text=Hello\r\n"
                           "[Other]\r\n"
                           "Unknown=\xB2\xE2\xCA\xD4\r\n"; // 测试
    QTest::newRow("GBK") << lume::CodePage::Gbk << gbk
                         << Values {{"MessageText", "Message1Text", cjk("中文")},
                                    {"MessageText", "Message2Text", "Hello"},
                                    {"Other", "Unknown", cjk("测试")}}
                         << gbk;
    const QByteArray western = "[MessageText]\r\n"
                               "Message1Text=Gr\xFC\xDF"
                               "e Caf\xE9\r\n"
                               "; Notiz \xFC"
                               "brig\r\n"
                               "[Message1ShowFontSet]\r\n"
                               "FontName=Fran\xE7ois Sans\r\n";
    QTest::newRow("Windows-1252") << lume::CodePage::Western << western
                                  << Values {{"MessageText", "Message1Text", cjk("Grüße Café")},
                                             {"Message1ShowFontSet", "FontName", cjk("François Sans")}}
                                  << western;
    // A value our earlier versions wrote in UTF-8 beside one from Windows: each is read right, and
    // written back both are in the file's code page.
    QTest::newRow("UTF-8 and GBK mixed")
        << lume::CodePage::Gbk
        << QByteArray("[MessageText]\n"
                      "Message1Text=\xE4\xB8\xAD\xE6\x96\x87\n" // 中文 in UTF-8
                      "Message2Text=\xD6\xD0\xCE\xC4\n" // 中文 in GBK
                      "; \xE6\xB3\xA8\n") // a UTF-8 comment: not written, so kept
        << Values {{"MessageText", "Message1Text", cjk("中文")}, {"MessageText", "Message2Text", cjk("中文")}}
        << QByteArray("[MessageText]\n"
                      "Message1Text=\xD6\xD0\xCE\xC4\n"
                      "Message2Text=\xD6\xD0\xCE\xC4\n"
                      "; \xE6\xB3\xA8\n");
}

void TstProfileFile::shouldReadLegacyFilesAndStoreThemBack()
{
    QFETCH(lume::CodePage, codePage);
    QFETCH(QByteArray, original);
    QFETCH(Values, values);
    QFETCH(QByteArray, stored);

    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, original));
    ProfileFile file(path, codePage);
    for (const QStringList &v : values)
        QCOMPARE(file.readString(v[0], v[1], "default", 768), v[2]);
    for (const QStringList &v : values)
        QVERIFY(file.writeString(v[0], v[1], v[2]));
    QCOMPARE(readBytes(path), stored);
    for (const QStringList &v : values)
        QCOMPARE(file.readString(v[0], v[1], "default", 768), v[2]);
}

void TstProfileFile::shouldTurnTheWholeFileIntoUtf8_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("valueInUtf8");
    QTest::newRow("a character GBK does not hold")
        << cjk("中文😀") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80");
    // 模 is C4 A3 in GBK, which as UTF-8 would read back as ģ.
    QTest::newRow("GBK bytes that read as UTF-8") << cjk("模") << QByteArray("\xE6\xA8\xA1");
}

void TstProfileFile::shouldTurnTheWholeFileIntoUtf8()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, valueInUtf8);

    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path,
                       "; \xD7\xA2\xCA\xCD\r\n" // 注释
                       "[MessageText]\r\n"
                       "Message1Text=\xD6\xD0\xCE\xC4\r\n"
                       "Message2Text=old\r\n"
                       "[\xB2\xE2\xCA\xD4]\r\n" // [测试]
                       "Broken=\x81\x20\r\n")); // valid in neither
    ProfileFile file(path, lume::CodePage::Gbk);
    QVERIFY(file.writeString("MessageText", "Message2Text", value));
    QCOMPARE(readBytes(path),
             "; \xE6\xB3\xA8\xE9\x87\x8A\r\n"
             "[MessageText]\r\n"
             "Message1Text=\xE4\xB8\xAD\xE6\x96\x87\r\n"
             "Message2Text=" +
                 valueInUtf8 +
                 "\r\n"
                 "[\xE6\xB5\x8B\xE8\xAF\x95]\r\n"
                 "Broken=\x81\x20\r\n");
    QCOMPARE(file.readString("MessageText", "Message1Text", "", 768), cjk("中文"));
    QCOMPARE(file.readString("MessageText", "Message2Text", "", 768), value);
    // Now a UTF-8 file: what fits GBK is written in UTF-8 too.
    QVERIFY(file.writeString(cjk("测试"), "New", cjk("中")));
    QVERIFY(readBytes(path).endsWith("New=\xE4\xB8\xAD\r\n"));
}

void TstProfileFile::shouldKeepWhatCannotBeDecoded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    // \x81\x20 is no GBK character and no UTF-8; \x81\x7F neither.
    const QByteArray original =
        "[MessageText]\r\nMessage1Text=\x81\x20\xFF\r\n[Message1ShowMode]\r\nFlash=1\x81\x7F\r\n";
    QVERIFY(writeBytes(path, original));
    ProfileFile file(path, lume::CodePage::Gbk);
    QVERIFY(file.isUndecodable("MessageText", "Message1Text"));
    QVERIFY(!file.isUndecodable("MessageText", "Message2Text"));
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 768), "Message1");
    QCOMPARE(file.readInt("Message1ShowMode", "Flash", 0), 1); // the number in front, as Windows reads it
    // What the program goes on with, written back, leaves the bytes alone.
    QVERIFY(file.writeString("MessageText", "Message1Text", "Message1", "Message1"));
    QVERIFY(file.writeString("Message1ShowMode", "Flash", "1", "1"));
    QCOMPARE(readBytes(path), original);
    // A value the user changed replaces them.
    QVERIFY(file.writeString("MessageText", "Message1Text", "typed", "Message1"));
    QCOMPARE(file.readString("MessageText", "Message1Text", "Message1", 768), "typed");
    QVERIFY(readBytes(path).contains("Flash=1\x81\x7F\r\n"));
}

void TstProfileFile::shouldFindNamesWithByteOrderMarks_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("original");
    QTest::newRow("section") << cjk("\uFEFFS") << "K" << QByteArray();
    QTest::newRow("key") << "S" << cjk("\uFEFFK") << QByteArray();
    QTest::newRow("both") << cjk("\uFEFFS") << cjk("\uFEFFK") << QByteArray();
    QTest::newRow("file with a byte-order mark")
        << cjk("\uFEFFS") << cjk("\uFEFFK") << QByteArray("\xEF\xBB\xBF[A]\nB=c\n");
}

void TstProfileFile::shouldFindNamesWithByteOrderMarks()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, original);

    QTemporaryDir dir;
    const QString path = dir.filePath("bom.ini");
    if (!original.isEmpty())
        QVERIFY(writeBytes(path, original));
    ProfileFile file(path, lume::CodePage::Western);
    QVERIFY(file.writeString(section, key, cjk("\uFEFFvalue")));
    const QByteArray once = readBytes(path);
    QVERIFY(file.writeString(section, key, cjk("\uFEFFvalue")));
    QCOMPARE(readBytes(path), once); // found again: no second line
    QCOMPARE(file.readString(section, key, "default", 80), cjk("\uFEFFvalue"));
    QCOMPARE(file.readString(section.mid(1), key.mid(1), "default", 80), "default");
    if (!original.isEmpty())
        QCOMPARE(file.readString("A", "B", "default", 80), "c");
}

void TstProfileFile::shouldRefuseNamesWithLoneSurrogates()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("surrogate.ini");
    ProfileFile file(path, lume::CodePage::Western);
    QVERIFY(!file.writeString(QStringLiteral("S") + QChar(0xD800), "K", "v"));
    QVERIFY(!file.writeString("S", QChar(0xDC00) + QStringLiteral("K"), "v"));
    QVERIFY(!QFileInfo::exists(path));
    // A value keeps all but the broken half, which no encoding holds.
    const QString broken = QStringLiteral("a") + QChar(0xD800) + u'b' + cjk("😀");
    QVERIFY(file.writeString("S", "K", broken));
    QCOMPARE(file.readString("S", "K", "", 80), cjk("a\uFFFDb😀"));
}

void TstProfileFile::shouldRemoveTemporariesOfKilledWrites()
{
#ifndef Q_OS_UNIX
    QSKIP("Locks on temporary files are taken on Unix only");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, "[S]\nK=v\n"));
    const QString dead = path + ".lume-dead.tmp";
    const QString live = path + ".lume-live.tmp";
    QVERIFY(writeBytes(dead, "[S]\nK=half"));
    QVERIFY(writeBytes(live, "[S]\nK=w"));
    QFile writing(live); // a write in progress holds its lock
    QVERIFY(writing.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(writing.handle(), LOCK_EX), 0);
    QVERIFY(writeBytes(dir.filePath("other.ini.lume-x.tmp"), "not ours"));

    ProfileFile file(path);
    QVERIFY(file.writeString("S", "K", "v")); // unchanged, still cleans up
    QVERIFY(!QFileInfo::exists(dead));
    QVERIFY(QFileInfo::exists(live));
    QVERIFY(QFileInfo::exists(dir.filePath("other.ini.lume-x.tmp")));
    writing.close();
    QVERIFY(file.writeString("S", "K", "w"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"Lumeset.ini", "other.ini.lume-x.tmp"}));
    QCOMPARE(readBytes(path), "[S]\nK=w\n");
#endif
}

void TstProfileFile::shouldReadADocumentOnceAndWriteItOnlyAtCommit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    const QByteArray original = windowsFile("crlf");
    QVERIFY(writeBytes(path, original));
    ProfileDocument document(ProfileFile(path, lume::CodePage::Gbk));
    QVERIFY(QFile::remove(path)); // what the document holds was read at its start
    QCOMPARE(document.readString("MessageText", "Message1Text", "none", 768), u"Hello World"_qs);
    QVERIFY(writeBytes(path, original));

    QVERIFY(document.writeString("MessageText", "Message1Text", u"中文"_qs));
    QVERIFY(document.writeString("New", "Key", "1"));
    QCOMPARE(document.readString("MessageText", "Message1Text", "none", 768), u"中文"_qs);
    QCOMPARE(document.readInt("new", "key", 0), 1);
    QVERIFY(document.isModified());
    QCOMPARE(readBytes(path), original); // nothing on disk before the commit

    QVERIFY(document.commit());
    ProfileFile byValue(dir.filePath("copy.ini"), lume::CodePage::Gbk);
    QVERIFY(writeBytes(byValue.path(), original));
    QVERIFY(byValue.writeString("MessageText", "Message1Text", u"中文"_qs));
    QVERIFY(byValue.writeString("New", "Key", "1"));
    QCOMPARE(readBytes(path), readBytes(byValue.path()));
    QVERIFY(!document.isModified());
}

void TstProfileFile::shouldLeaveTheFileAloneWhenACommitFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lumeset.ini");
    QVERIFY(writeBytes(path, "[A]\nB=1\n"));
    ProfileDocument document(ProfileFile(path, lume::CodePage::Western));
    QVERIFY(document.writeString("A", "B", "2"));
    // The file turned into a folder: no replace can work.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir.path()).mkdir("Lumeset.ini"));
    QVERIFY(!document.commit());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(TstProfileFile)
#include "tst_profilefile.moc"
