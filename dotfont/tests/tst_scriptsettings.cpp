#include "profilefile.h"
#include "scriptsendprofile.h"
#include "scriptsettings.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace lume;

namespace {

QString cjk(int count)
{
    return QString(count, QChar(0x4E2D)); // 中: three bytes of UTF-8
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A whole Scriptlume.ini as the Windows program leaves it, message 1 holding text1.
QByteArray windowsScriptFile(const QByteArray &text1, const QByteArray &language)
{
    QByteArray bytes = "; kept as it is\r\n";
    for (int n = 1; n <= 8; ++n) {
        const QByteArray number = QByteArray::number(n);
        bytes += "[Message" + number + "]\r\nMessage" + number +
            "Text=" + (n == 1 ? text1 : "MESSAGE" + number) +
            "\r\nSelect=1\r\nSpeed=4\r\nDirection=to Left\r\nFlash=0\r\n\r\n";
    }
    return bytes + "[Language]\r\nLanguage=" + language + "\r\n";
}

// The store as it was before one document held it: every value by its own read and write of the
// file. The bytes it leaves are what a store must write in one go.
void storeValueByValue(const ProfileFile &profile, const ScriptSettings &settings)
{
    ProfileFile file = scriptSettingsFile(profile);
    const ScriptSettings defaults = ScriptSettings::defaults();
    const auto writeCheck = [&](const QString &section, const QString &key, CheckValue value,
                                CheckValue defaultValue) {
        file.writeString(section, key, QString::number(storedNumber(value)),
                         QString::number(storedNumber(
                             checkValueFromStored(file.readInt(section, key, storedNumber(defaultValue))))));
    };
    for (int m = 0; m < 8; ++m) {
        const QString name = QStringLiteral("Message%1").arg(m + 1);
        const ScriptMessage &message = settings.messages[m];
        const ScriptMessage &fallback = defaults.messages[m];
        file.writeString(name, name + QStringLiteral("Text"), message.text, fallback.text);
        writeCheck(name, QStringLiteral("Select"), message.select, fallback.select);
        file.writeString(name, QStringLiteral("Speed"), message.speed, fallback.speed);
        file.writeString(name, QStringLiteral("Direction"), message.direction, fallback.direction);
        writeCheck(name, QStringLiteral("Flash"), message.flash, fallback.flash);
    }
    file.writeString(QStringLiteral("Language"), QStringLiteral("Language"), settings.language,
                     defaults.language);
}

// Which file this is on disk: a replace gives a new one.
quint64 fileIdentity(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
#else
    return QFileInfo(path).lastModified().toMSecsSinceEpoch();
#endif
}

} // namespace

class TstScriptSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void shouldGiveTheDefaultsWithoutAFile()
    {
        const ScriptSettings settings = readScriptSettings(ProfileFile(path("missing.ini")));
        QCOMPARE(settings, ScriptSettings::defaults());
        QCOMPARE(settings.messages[0].text, QStringLiteral("MESSAGE1"));
        QCOMPARE(settings.messages[7].text, QStringLiteral("MESSAGE8"));
        for (const ScriptMessage &message : settings.messages) {
            QCOMPARE(message.select, CheckValue::Checked);
            QCOMPARE(message.speed, QStringLiteral("4"));
            QCOMPARE(message.direction, QStringLiteral("to Left"));
            QCOMPARE(message.flash, CheckValue::Unchecked);
        }
        QCOMPARE(settings.language, QStringLiteral("Chinese (Simplified)"));
    }

    void shouldWriteFortyOneValuesInOrder()
    {
        ProfileFile file(path("order.ini"));
        QVERIFY(writeScriptSettings(file, ScriptSettings::defaults()));
        QByteArray expected;
        for (int n = 1; n <= 8; ++n) {
            if (n > 1)
                expected += '\n';
            expected +=
                QStringLiteral("[Message%1]\nMessage%1Text=MESSAGE%1\nSelect=1\nSpeed=4\nDirection=to Left\n"
                               "Flash=0\n")
                    .arg(n)
                    .toUtf8();
        }
        expected += "\n[Language]\nLanguage=Chinese (Simplified)\n";
        QFile written(file.path());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), expected);
    }

    void shouldRoundTripTextsInEveryLanguage()
    {
        ScriptSettings settings = ScriptSettings::defaults();
        settings.messages[0].text = QStringLiteral("Hello 你好 世界");
        settings.messages[1].text = QStringLiteral("臺北 101");
        settings.messages[2].text = QStringLiteral("こんにちは カタカナ 漢字");
        settings.messages[3].text = QStringLiteral("안녕하세요 KOREA");
        settings.messages[4].text = QStringLiteral("  leading and trailing blanks  ");
        settings.messages[5].text = QStringLiteral("\"quoted\"");
        settings.messages[6].text = QString();
        settings.messages[7].text = QStringLiteral("a=b;c [d]");
        settings.messages[1].select = CheckValue::Unchecked;
        settings.messages[2].select = CheckValue::Greyed;
        settings.messages[3].flash = CheckValue::Checked;
        settings.messages[4].flash = CheckValue::Greyed;
        settings.messages[5].speed = QStringLiteral("x");
        settings.messages[6].direction = QStringLiteral("to down"); // kept as typed
        settings.language = QStringLiteral("Korean");
        ProfileFile file(path("roundtrip.ini"));
        QVERIFY(writeScriptSettings(file, settings));
        QCOMPARE(readScriptSettings(file), settings);
        // Writing again over the file leaves it as it was.
        QFile first(file.path());
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray before = first.readAll();
        first.close();
        QVERIFY(writeScriptSettings(file, settings));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), before);
    }

    void shouldReadAFileWrittenOnWindows()
    {
        const QString name = path("windows.ini");
        writeFile(name,
                  "; written by Scriptlume on Windows\r\n"
                  "[MESSAGE2]\r\n"
                  "MESSAGE2TEXT=\xE4\xBD\xA0\xE5\xA5\xBD World\r\n"
                  "select=0\r\n"
                  "SPEED = 7 \r\n"
                  "direction=to Up\r\n"
                  "FLASH=1\r\n"
                  "\r\n"
                  "[language]\r\n"
                  "LANGUAGE=Japanese\r\n");
        const ScriptSettings settings = readScriptSettings(ProfileFile(name));
        ScriptSettings expected = ScriptSettings::defaults();
        expected.messages[1] = {QStringLiteral("你好 World"), CheckValue::Unchecked, QStringLiteral("7"),
                                QStringLiteral("to Up"), CheckValue::Checked};
        expected.language = QStringLiteral("Japanese");
        QCOMPARE(settings, expected);

        // Storing keeps the file's CRLF line ends and its spelling of the names.
        ProfileFile file(name);
        QVERIFY(writeScriptSettings(file, settings));
        QFile written(name);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.startsWith("; written by Scriptlume on Windows\r\n[MESSAGE2]\r\nMESSAGE2TEXT="));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QCOMPARE(bytes.count("[language]"), 1);
        QCOMPARE(bytes.count("[Language]"), 0);
        QCOMPARE(readScriptSettings(file), settings);
    }

    void shouldCutTextsToTheirBuffers_data()
    {
        QTest::addColumn<CodePage>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("restored");
        // Bytes count as Windows counted them: a CJK character 2 bytes in the code page of the
        // language (message texts) or of the locale (the rest), 1 where that page cannot hold it.
        const QString text = QStringLiteral("Message1Text");
        const auto row = [](const char *name, CodePage locale, const QString &key, const QString &stored,
                            const QString &restored) {
            QTest::newRow(name) << locale << key << stored << restored;
        };
        const CodePage gbk = CodePage::Gbk;
        const CodePage western = CodePage::Western;
        row("767 bytes stay", gbk, text, QString(767, u'a'), QString(767, u'a'));
        row("768 bytes: 767", gbk, text, QString(768, u'a'), QString(767, u'a'));
        row("383 CJK stay: 766 bytes", gbk, text, cjk(383), cjk(383));
        row("384 CJK: 383", gbk, text, cjk(384), cjk(383));
        row("letter and 383 CJK: 767 bytes stay", gbk, text, QStringLiteral("a") + cjk(383),
            QStringLiteral("a") + cjk(383));
        row("two letters and 383 CJK: the last would be cut inside", gbk, text,
            QStringLiteral("ab") + cjk(383), QStringLiteral("ab") + cjk(382));
        row("text in the language's code page whatever the locale", western, text, cjk(384), cjk(383));
        row("direction of 10 bytes: 9", gbk, QStringLiteral("Direction"), QStringLiteral("to Right!!"),
            QStringLiteral("to Right!"));
        row("speed of 10 bytes: 9", gbk, QStringLiteral("Speed"), QStringLiteral("1234567890"),
            QStringLiteral("123456789"));
        row("speed of 5 CJK under a Chinese locale: 4", gbk, QStringLiteral("Speed"), cjk(5), cjk(4));
        row("speed of 10 CJK under a Western locale: 9", western, QStringLiteral("Speed"), cjk(10), cjk(9));
        row("language of 80 bytes: 79", gbk, QStringLiteral("Language"), QString(80, u'L'),
            QString(79, u'L'));
        row("language of 40 CJK: 39", gbk, QStringLiteral("Language"), cjk(40), cjk(39));
    }

    void shouldCutTextsToTheirBuffers()
    {
        QFETCH(CodePage, locale);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, restored);
        ProfileFile file(path("cut.ini"), locale);
        QFile::remove(file.path());
        const QString section = key == u"Language" ? key : QStringLiteral("Message1");
        QVERIFY(file.writeString(section, key, stored));
        const ScriptSettings settings = readScriptSettings(file);
        const QString read = key == u"Language" ? settings.language
            : key == u"Speed"                   ? settings.messages[0].speed
            : key == u"Direction"               ? settings.messages[0].direction
                                                : settings.messages[0].text;
        QCOMPARE(read, restored);
    }

    void shouldReadTextsInTheCodePageOfTheLanguage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("Japanese: Shift_JIS")
            << QByteArray("Japanese") << QByteArray("\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD \x93\xFA\x96{")
            << QStringLiteral("こんにちは 日本");
        QTest::newRow("Chinese (Simplified): GBK")
            << QByteArray("Chinese (Simplified)") << QByteArray("\xD6\xD0\xCE\xC4") << QStringLiteral("中文");
        QTest::newRow("Chinese (Traditional): Big5")
            << QByteArray("Chinese (Traditional)") << QByteArray("\xA4\xA4\xB0\xEA")
            << QStringLiteral("中國");
        QTest::newRow("Korean: Windows-949")
            << QByteArray("Korean") << QByteArray("\xC7\xD1\xB1\xDB") << QStringLiteral("한글");
        QTest::newRow("a text that names no language: GBK")
            << QByteArray("japanese") << QByteArray("\xD6\xD0\xCE\xC4") << QStringLiteral("中文");
    }

    void shouldReadTextsInTheCodePageOfTheLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString name = path("legacy.ini");
        const QByteArray original = windowsScriptFile(bytes, language);
        writeFile(name, original);
        // A Western locale: the texts follow the language, not the locale.
        ProfileFile file(name, CodePage::Western);
        const ScriptSettings settings = readScriptSettings(file);
        ScriptSettings expected = ScriptSettings::defaults();
        expected.messages[0].text = text;
        expected.language = QString::fromLatin1(language);
        QCOMPARE(settings, expected);
        QVERIFY(writeScriptSettings(file, settings));
        QCOMPARE(readFile(name), original);
    }

    void shouldKeepTextsWhenTheLanguageChanges()
    {
        const QString name = path("switch.ini");
        writeFile(name, windowsScriptFile("\x82\xB1\x82\xF1\x93\xFA\x96{", "Japanese")); // こん日本
        ProfileFile file(name, CodePage::ShiftJis);
        ScriptSettings settings = readScriptSettings(file);
        QCOMPARE(settings.messages[0].text, QStringLiteral("こん日本"));

        // GBK holds the text too: the file stays in the old code pages, the text now in GBK.
        settings.language = QStringLiteral("Chinese (Simplified)");
        QVERIFY(writeScriptSettings(file, settings));
        QCOMPARE(readScriptSettings(file), settings);
        QVERIFY(readFile(name).contains("Message1Text=\xA4\xB3\xA4\xF3\xC8\xD5\xB1\xBE\r\n"));

        // Half-width katakana has no place in GBK: the whole file turns into UTF-8.
        settings.messages[1].text = QStringLiteral("ｶﾀｶﾅ");
        QVERIFY(writeScriptSettings(file, settings));
        QCOMPARE(readScriptSettings(file), settings);
        const QByteArray utf8 = readFile(name);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(utf8);
        QVERIFY(!decoder.hasError());
        QVERIFY(utf8.contains("Message1Text=こん日本\r\n"));
    }

    void shouldWriteInOneReplaceWhatValueByValueWritesGave_data()
    {
        QTest::addColumn<QByteArray>("content"); // the file before the store; empty: no file
        QTest::addColumn<CodePage>("locale");
        QTest::addColumn<int>(
            "change"); // 0: texts and language, 1: none (the restored values), 2: an emoji too
        const QByteArray japanese = windowsScriptFile("\x82\xB1\x82\xF1\x93\xFA\x96{", "Japanese");
        const QByteArray gbk = windowsScriptFile("\xD6\xD0\xCE\xC4", "Chinese (Simplified)");
        QFile lumeset(QStringLiteral(LUME_SOURCE_DIR "/platform/tests/data/windows-lumeset.ini"));
        QVERIFY(lumeset.open(QIODevice::ReadOnly));
        const QByteArray other = lumeset.readAll(); // another program's file: its lines stay
        for (int change = 0; change < 3; ++change) {
            const QByteArray c = QByteArray::number(change);
            QTest::newRow("new file " + c) << QByteArray() << CodePage::Western << change;
            QTest::newRow("Shift_JIS texts " + c) << japanese << CodePage::ShiftJis << change;
            QTest::newRow("Shift_JIS texts, 1252 locale " + c) << japanese << CodePage::Western << change;
            QTest::newRow("GBK texts " + c) << gbk << CodePage::Gbk << change;
            QTest::newRow("Lumeset.ini " + c) << other << CodePage::Gbk << change;
        }
    }

    void shouldWriteInOneReplaceWhatValueByValueWritesGave()
    {
        QFETCH(QByteArray, content);
        QFETCH(CodePage, locale);
        QFETCH(int, change);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a")) && QDir(dir.path()).mkpath(QStringLiteral("b")));
        const QString byValue = dir.filePath(QStringLiteral("a/Scriptlume.ini"));
        const QString atOnce = dir.filePath(QStringLiteral("b/Scriptlume.ini"));
        if (!content.isEmpty()) {
            writeFile(byValue, content);
            writeFile(atOnce, content);
        }
        ProfileFile b(atOnce, locale);
        ScriptSettings settings = readScriptSettings(b);
        if (change != 1) {
            // Other texts, and a language of another code page: every text is encoded anew.
            settings.messages[0].text = QStringLiteral("中文 and more");
            settings.messages[3].text = QStringLiteral("  한글 ");
            settings.messages[4].select = CheckValue::Greyed;
            settings.messages[5].speed = QStringLiteral("speed beyond its buffer");
            settings.language =
                settings.language == u"Korean" ? QStringLiteral("Japanese") : QStringLiteral("Korean");
        }
        if (change == 2)
            settings.messages[7].text = QStringLiteral("\U0001F600");

        storeValueByValue(ProfileFile(byValue, locale), settings);
        QVERIFY(writeScriptSettings(b, settings));
        QCOMPARE(readFile(atOnce), readFile(byValue));
        QCOMPARE(readScriptSettings(b), readScriptSettings(ProfileFile(byValue, locale)));
        // The same store again changes nothing, and so writes nothing.
        const quint64 written = fileIdentity(atOnce);
        QVERIFY(writeScriptSettings(b, settings));
        QCOMPARE(fileIdentity(atOnce), written);
    }

    void shouldKeepA383CharacterTextThroughARestart()
    {
        ScriptSettings settings = ScriptSettings::defaults();
        settings.messages[0].text = cjk(383);
        settings.messages[1].text = cjk(384);
        settings.messages[2].text = QStringLiteral("ab") + cjk(383);
        ProfileFile file(path("restart.ini"), CodePage::Western);
        QVERIFY(writeScriptSettings(file, settings));
        const ScriptSettings restored = readScriptSettings(ProfileFile(file.path(), CodePage::Western));
        QCOMPARE(restored.messages[0].text, cjk(383)); // 766 bytes of GBK, as on Windows
        QCOMPARE(restored.messages[1].text, cjk(383)); // the 384th would end at byte 768
        QCOMPARE(restored.messages[2].text, QStringLiteral("ab") + cjk(382)); // not inside a character
    }

    void shouldTakeUnknownCheckBoxValuesAsClear_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("value");
        QTest::newRow("0") << QByteArray("0") << 0;
        QTest::newRow("1") << QByteArray("1") << 1;
        QTest::newRow("2 greyed") << QByteArray("2") << 2;
        QTest::newRow("5") << QByteArray("5") << 0;
        QTest::newRow("-1") << QByteArray("-1") << 0;
        QTest::newRow("99999999999") << QByteArray("99999999999") << 0;
        QTest::newRow("not a number") << QByteArray("yes") << 0;
        QTest::newRow("1 with text") << QByteArray("1abc") << 1;
    }

    void shouldTakeUnknownCheckBoxValuesAsClear()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, value);
        const QString name = path("checks.ini");
        writeFile(name, "[Message4]\nSelect=" + stored + "\nFlash=" + stored + "\n");
        const ScriptSettings settings = readScriptSettings(ProfileFile(name));
        QCOMPARE(storedNumber(settings.messages[3].select), value);
        QCOMPARE(storedNumber(settings.messages[3].flash), value);
        QCOMPARE(settings.messages[2].select, CheckValue::Checked); // the default, untouched
    }

    void shouldCountGreyedBoxesAsChecked()
    {
        ScriptSettings settings = ScriptSettings::defaults();
        settings.messages[0] = {QStringLiteral("a"), CheckValue::Unchecked, QStringLiteral("8"),
                                QStringLiteral("Freeze"), CheckValue::Greyed};
        settings.messages[1] = {QStringLiteral("b"), CheckValue::Greyed, QStringLiteral("2.5"),
                                QStringLiteral("nowhere"), CheckValue::Unchecked};
        const std::array<bool, 8> selected = selectedMessages(settings);
        QCOMPARE(selected[0], false);
        QCOMPARE(selected[1], true);
        QCOMPARE(selected[2], true);
        const MessageSettingsList list = messageSettingsFor(settings);
        QCOMPARE(list[0], (MessageSettings {QStringLiteral("8"), true, QStringLiteral("Freeze")}));
        QCOMPARE(list[1], (MessageSettings {QStringLiteral("2.5"), false, QStringLiteral("nowhere")}));
        QCOMPARE(modeByte(list[0], scriptDirections()), quint8(0x7C));
        QCOMPARE(messageTexts(settings)[1], QStringLiteral("b"));
    }
};

QTEST_GUILESS_MAIN(TstScriptSettings)
#include "tst_scriptsettings.moc"
