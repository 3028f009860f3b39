#include "sketchsendprofile.h"
#include "sketchsettings.h"

#include "profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace lume;

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(LUME_SOURCE_DIR "/fontpicture/tests/data/") + name;
}

// The store as it was before one document held it: every value by its own read and write of the
// file. The bytes it leaves are what a store must write in one go.
void storeValueByValue(ProfileFile &file, const SketchSettings &s)
{
    const SketchSettings defaults;
    auto write = [&](const QString &section, const QString &key, const QString &value,
                     const QString &readAs) { file.writeString(section, key, value, readAs); };
    auto writeCheck = [&](const QString &section, const QString &key, CheckValue value) {
        const int stored = file.readInt(section, key, 0);
        write(section, key, QString::number(storedNumber(value)),
              QString::number(stored == 1 || stored == 2 ? stored : 0));
    };
    file.writeString(QStringLiteral("CommPortSet"), QStringLiteral("CommPort"), s.commPort);
    write(QStringLiteral("TopLocationAdjustSet"), QStringLiteral("TopLocationAdjust"), s.topLocationAdjust,
          defaults.topLocationAdjust);
    for (int m = 0; m < 8; ++m) {
        const QString n = QString::number(m + 1);
        const QString font = QStringLiteral("Message") + n + QStringLiteral("ShowFontSet");
        const QString mode = QStringLiteral("Message") + n + QStringLiteral("ShowMode");
        const SketchMessageSettings &ms = s.messages[m];
        const SketchMessageSettings &fallback = defaults.messages[m];
        write(QStringLiteral("MessageText"), QStringLiteral("Message") + n + QStringLiteral("Text"),
              encodeLineBreaks(ms.text), fallback.text);
        write(font, QStringLiteral("FontName"), ms.fontName, fallback.fontName);
        write(font, QStringLiteral("FontSize"), ms.fontSize, fallback.fontSize);
        writeCheck(font, QStringLiteral("FontBold"), ms.fontBold);
        write(mode, QStringLiteral("MoveDirection"), ms.moveDirection, fallback.moveDirection);
        writeCheck(mode, QStringLiteral("Flash"), ms.flash);
        write(mode, QStringLiteral("MoveSpeed"), ms.moveSpeed, fallback.moveSpeed);
    }
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

// Every one of the 58 values different from its default and from the others.
SketchSettings unusualSettings()
{
    SketchSettings s;
    s.topLocationAdjust = QStringLiteral("2.5");
    s.commPort = QStringLiteral("COM17");
    const QStringList directions = sketchDirections();
    for (int m = 0; m < 8; ++m) {
        SketchMessageSettings &ms = s.messages[m];
        ms.text = QStringLiteral("Text %1").arg(m);
        ms.fontName = QStringLiteral("Font %1").arg(m);
        ms.fontSize = QString::number(6 + m);
        ms.fontBold = CheckValue(m % 3);
        ms.moveDirection = m < 5 ? directions[m] : QStringLiteral("Other %1").arg(m);
        ms.flash = CheckValue((m + 1) % 3);
        ms.moveSpeed = QString::number(m + 1);
    }
    s.messages[1].text = QStringLiteral("Two\nlines");
    s.messages[2].text = QStringLiteral("Line\n\nbreaks\nand a \"quote\" ");
    s.messages[3].text = QStringLiteral("  blanks around  ");
    s.messages[4].text = QStringLiteral("Grüße, 你好, =;[x]");
    s.messages[5].text = QString();
    s.messages[6].text = QStringLiteral("'single quoted'");
    return s;
}

// A whole Lumeset.ini as the Windows program leaves it, message 1 with the text and font name given.
QByteArray windowsLumeset(const QByteArray &text1, const QByteArray &font1)
{
    QByteArray bytes =
        "[CommPortSet]\r\nCommPort=COM1\r\n\r\n[TopLocationAdjustSet]\r\nTopLocationAdjust=-2\r\n\r\n"
        "[MessageText]\r\n";
    for (int n = 1; n <= 8; ++n)
        bytes += "Message" + QByteArray::number(n) +
            "Text=" + (n == 1 ? text1 : "Message" + QByteArray::number(n)) + "\r\n";
    for (int n = 1; n <= 8; ++n) {
        const QByteArray number = QByteArray::number(n);
        bytes += "\r\n[Message" + number + "ShowFontSet]\r\nFontName=" + (n == 1 ? font1 : "System") +
            "\r\nFontSize=10\r\nFontBold=0\r\n\r\n[Message" + number +
            "ShowMode]\r\nMoveDirection=From right to left\r\nFlash=0\r\nMoveSpeed=4\r\n";
    }
    return bytes + "; notes \xB1\xB8\xD7\xA2\r\n";
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstSketchSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldRestoreTheDefaultsWithoutAFile()
    {
        QTemporaryDir dir;
        const SketchSettings s = readSketchSettings(ProfileFile(dir.filePath(QStringLiteral("Lumeset.ini"))));
        QCOMPARE(s.topLocationAdjust, QStringLiteral("-2"));
        for (int m = 0; m < 8; ++m) {
            const SketchMessageSettings &ms = s.messages[m];
            QCOMPARE(ms.text, QStringLiteral("Message%1").arg(m + 1));
            QCOMPARE(ms.fontName, QStringLiteral("System"));
            QCOMPARE(ms.fontSize, QStringLiteral("10"));
            QCOMPARE(ms.fontBold, CheckValue::Unchecked);
            QCOMPARE(ms.moveDirection, QStringLiteral("From right to left"));
            QCOMPARE(ms.flash, CheckValue::Unchecked);
            QCOMPARE(ms.moveSpeed, QStringLiteral("4"));
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Lumeset.ini"))));
    }

    void shouldRoundTripEveryValue()
    {
        QTemporaryDir dir;
        ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")));
        const SketchSettings stored = unusualSettings();
        QVERIFY(writeSketchSettings(file, stored));
        SketchSettings expected = stored;
        expected.commPort.clear(); // stored, never restored: the probe chooses the port
        QCOMPARE(readSketchSettings(file), expected);
        QCOMPARE(file.readString(QStringLiteral("CommPortSet"), QStringLiteral("CommPort"), {}, 10),
                 QStringLiteral("COM17"));
    }

    void shouldKeepEveryKeyOnOneLine()
    {
        QTemporaryDir dir;
        ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")));
        QVERIFY(writeSketchSettings(file, unusualSettings()));
        QFile raw(file.path());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = raw.readAll().split('\n');
        int values = 0;
        for (const QByteArray &line : lines)
            values += line.contains('=') && !line.startsWith('[');
        QCOMPARE(values, 58);
        QVERIFY(lines.contains(QByteArray("Message1Text=Text 0")));
        QVERIFY(lines.contains(QByteArray("Message5Text=Grüße, 你好, =;[x]")));
    }

    void shouldGiveANewFileItsSectionsInTheCloseOrder()
    {
        QTemporaryDir dir;
        ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")));
        QVERIFY(writeSketchSettings(file, SketchSettings()));
        QFile raw(file.path());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QStringList order;
        for (const QByteArray &line : raw.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (text.startsWith(u'['))
                order << text;
            else if (text.contains(u'='))
                order << text.section(u'=', 0, 0);
        }
        QStringList expected {"[CommPortSet]", "CommPort", "[TopLocationAdjustSet]", "TopLocationAdjust",
                              "[MessageText]"};
        for (int n = 1; n <= 8; ++n)
            expected << QStringLiteral("Message%1Text").arg(n);
        for (int n = 1; n <= 8; ++n) {
            expected << QStringLiteral("[Message%1ShowFontSet]").arg(n) << "FontName"
                     << "FontSize"
                     << "FontBold" << QStringLiteral("[Message%1ShowMode]").arg(n) << "MoveDirection"
                     << "Flash"
                     << "MoveSpeed";
        }
        QCOMPARE(order, expected);
    }

    void shouldReadAFileWrittenOnWindows()
    {
        const SketchSettings s =
            readSketchSettings(ProfileFile(fixture(QStringLiteral("windows-lumeset.ini"))));
        SketchSettings expected;
        expected.topLocationAdjust = QStringLiteral("-3");
        SketchMessageSettings &m1 = expected.messages[0];
        m1.text = QString(767, u'L'); // read through 768 bytes
        m1.fontName = QString(79, u'F'); // through 80 bytes
        m1.fontSize = QStringLiteral("12");
        m1.fontBold = CheckValue::Checked;
        m1.moveDirection = QStringLiteral("Sideways and backwa"); // through 20 bytes, unchanged otherwise
        m1.flash = CheckValue::Unchecked; // 7 is no state of a check box
        m1.moveSpeed = QStringLiteral("3");
        SketchMessageSettings &m2 = expected.messages[1];
        m2.text = QStringLiteral("Grüße aus Wien");
        m2.fontName = QStringLiteral("DejaVu Sans Mono");
        m2.fontSize = QStringLiteral("7 points");
        m2.fontBold = CheckValue::Greyed;
        m2.moveDirection = QStringLiteral("From left to right");
        m2.flash = CheckValue::Checked;
        m2.moveSpeed = QStringLiteral("9"); // no entry of the list, restored as it is
        SketchMessageSettings &m3 = expected.messages[2];
        m3.text = QStringLiteral("padded");
        m3.moveDirection = QStringLiteral("Freeze show");
        m3.moveSpeed = QStringLiteral("123456789"); // through 10 bytes
        QCOMPARE(s, expected);
    }

    void shouldReadAndStoreBackAFileInTheLocalesCodePage_data()
    {
        QTest::addColumn<CodePage>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("font");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QString>("expectedFont");
        QTest::newRow("GBK") << CodePage::Gbk << QByteArray("\xD6\xD0\xCE\xC4 ok")
                             << QByteArray("\xCB\xCE\xCC\xE5") << QStringLiteral("中文 ok")
                             << QStringLiteral("宋体");
        QTest::newRow("Windows-1252")
            << CodePage::Western
            << QByteArray("Gr\xFC\xDF"
                          "e Caf\xE9")
            << QByteArray("Fran\xE7ois") << QStringLiteral("Grüße Café") << QStringLiteral("François");
    }

    void shouldReadAndStoreBackAFileInTheLocalesCodePage()
    {
        QFETCH(CodePage, locale);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, font);
        QFETCH(QString, expectedText);
        QFETCH(QString, expectedFont);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lumeset.ini"));
        const QByteArray original = windowsLumeset(text, font);
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(original);
        raw.close();

        ProfileFile file(path, locale);
        SketchSettings s = readSketchSettings(file);
        SketchSettings expected;
        expected.messages[0].text = expectedText;
        expected.messages[0].fontName = expectedFont;
        QCOMPARE(s, expected);
        s.commPort = QStringLiteral("COM1");
        QVERIFY(writeSketchSettings(file, s));
        QCOMPARE(readFile(path), original);
    }

    void shouldKeepA383CharacterTextThroughARestart()
    {
        QTemporaryDir dir;
        ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")),
                         CodePage::Gbk); // a Chinese (PRC) locale
        SketchSettings s;
        const QString chinese(383, QChar(0x4E2D));
        s.messages[0].text = chinese;
        s.messages[1].text = chinese + QChar(0x6587);
        s.messages[2].text = QStringLiteral("ab") + chinese;
        s.messages[3].fontName = QString(40, QChar(0x5B8B)); // 80 bytes of GBK through a buffer of 80
        QVERIFY(writeSketchSettings(file, s));
        const SketchSettings restored = readSketchSettings(file);
        QCOMPARE(restored.messages[0].text, chinese);
        QCOMPARE(restored.messages[1].text, chinese);
        QCOMPARE(restored.messages[2].text, QStringLiteral("ab") + chinese.left(382));
        QCOMPARE(restored.messages[3].fontName, QString(39, QChar(0x5B8B)));
    }

    void shouldReadCheckStatesOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("state");
        QTest::newRow("0") << QByteArray("0") << 0;
        QTest::newRow("1") << QByteArray("1") << 1;
        QTest::newRow("2 greyed") << QByteArray("2") << 2;
        QTest::newRow("3") << QByteArray("3") << 0;
        QTest::newRow("-1") << QByteArray("-1") << 0;
        QTest::newRow("text") << QByteArray("yes") << 0;
        QTest::newRow("leading number") << QByteArray("1 (checked)") << 1;
        QTest::newRow("huge") << QByteArray("99999999999999999999") << 0;
    }

    void shouldReadCheckStatesOfTheFile()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, state);
        QTemporaryDir dir;
        QFile raw(dir.filePath(QStringLiteral("Lumeset.ini")));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[Message4ShowFontSet]\r\nFontBold=" + value + "\r\n[Message4ShowMode]\r\nFlash=" + value +
                  "\r\n");
        raw.close();
        const SketchSettings s = readSketchSettings(ProfileFile(raw.fileName()));
        QCOMPARE(storedNumber(s.messages[3].fontBold), state);
        QCOMPARE(storedNumber(s.messages[3].flash), state);
    }

    void shouldKeepTheOtherLinesOfTheFile()
    {
        QTemporaryDir dir;
        QFile raw(dir.filePath(QStringLiteral("Lumeset.ini")));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("; my notes\r\n[Other]\r\nKey=kept\r\n[messagetext]\r\nmessage1text=old\r\n");
        raw.close();
        ProfileFile file(raw.fileName());
        QVERIFY(writeSketchSettings(file, unusualSettings()));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray contents = raw.readAll();
        QVERIFY(contents.startsWith("; my notes\r\n[Other]\r\nKey=kept\r\n"));
        QVERIFY(!contents.contains("=old"));
        QCOMPARE(file.readString(QStringLiteral("Other"), QStringLiteral("Key"), {}, 10),
                 QStringLiteral("kept"));
        QCOMPARE(readSketchSettings(file).messages[0].text, QStringLiteral("Text 0"));
    }

    void shouldWriteInOneReplaceWhatValueByValueWritesGave_data()
    {
        QTest::addColumn<QString>("start"); // the file before the store; empty: no file
        QTest::addColumn<QByteArray>("content"); // or these bytes
        QTest::addColumn<CodePage>("locale");
        QTest::addColumn<int>("change"); // 0: every value, 1: none (the restored ones), 2: an emoji too
        const QString windows = QStringLiteral(LUME_SOURCE_DIR "/platform/tests/data/windows-lumeset.ini");
        const QString stored = QStringLiteral(LUME_SOURCE_DIR "/platform/tests/data/lumeset-stored.ini");
        const QString sketch = fixture(QStringLiteral("windows-lumeset.ini"));
        const QByteArray gbk = windowsLumeset("\xD6\xD0\xCE\xC4", "\xCB\xCE\xCC\xE5");
        for (int change = 0; change < 3; ++change) {
            const QByteArray c = QByteArray::number(change);
            QTest::newRow("new file " + c) << QString() << QByteArray() << CodePage::Western << change;
            QTest::newRow("Windows file, GBK " + c) << windows << QByteArray() << CodePage::Gbk << change;
            QTest::newRow("Windows file, 1252 " + c)
                << windows << QByteArray() << CodePage::Western << change;
            QTest::newRow("UTF-8 file " + c) << stored << QByteArray() << CodePage::Gbk << change;
            QTest::newRow("Sketchlume's Windows file " + c)
                << sketch << QByteArray() << CodePage::Western << change;
            QTest::newRow("legacy GBK texts " + c) << QString() << gbk << CodePage::Gbk << change;
            QTest::newRow("undecodable texts " + c) << QString() << gbk << CodePage::Western << change;
        }
    }

    void shouldWriteInOneReplaceWhatValueByValueWritesGave()
    {
        QFETCH(QString, start);
        QFETCH(QByteArray, content);
        QFETCH(CodePage, locale);
        QFETCH(int, change);
        QTemporaryDir dir;
        const QString byValue = dir.filePath(QStringLiteral("a/Lumeset.ini"));
        const QString atOnce = dir.filePath(QStringLiteral("b/Lumeset.ini"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a")) && QDir(dir.path()).mkpath(QStringLiteral("b")));
        if (!start.isEmpty()) {
            QFile source(start);
            QVERIFY(source.open(QIODevice::ReadOnly));
            content = source.readAll();
        }
        if (!content.isEmpty()) {
            for (const QString &path : {byValue, atOnce}) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            }
        }
        ProfileFile a(byValue, locale);
        ProfileFile b(atOnce, locale);
        SketchSettings settings = change == 1 ? readSketchSettings(b) : unusualSettings();
        if (change == 2)
            settings.messages[7].text = QStringLiteral("\U0001F600 beyond every code page");

        storeValueByValue(a, settings);
        QVERIFY(writeSketchSettings(b, settings));
        QCOMPARE(readFile(atOnce), readFile(byValue));
        // The same store again changes nothing, and so writes nothing.
        const quint64 written = fileIdentity(atOnce);
        QVERIFY(writeSketchSettings(b, settings));
        QCOMPARE(fileIdentity(atOnce), written);
        QCOMPARE(readSketchSettings(b), readSketchSettings(a));
    }

    void shouldReportAFileThatCannotBeWritten()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ProfileFile file(blocker.fileName() + QStringLiteral("/Lumeset.ini"));
        QVERIFY(!writeSketchSettings(file, SketchSettings()));
    }

    void shouldGiveTheTransferTheMovementTexts()
    {
        SketchSettings s = unusualSettings();
        const MessageSettingsList list = messageSettingsList(s);
        for (int m = 0; m < 8; ++m) {
            QCOMPARE(list[m].speed, s.messages[m].moveSpeed);
            QCOMPARE(list[m].direction, s.messages[m].moveDirection);
            QCOMPARE(list[m].flash, s.messages[m].flash != CheckValue::Unchecked); // greyed counts as checked
        }
    }
};

QTEST_GUILESS_MAIN(TstSketchSettings)
#include "tst_sketchsettings.moc"
