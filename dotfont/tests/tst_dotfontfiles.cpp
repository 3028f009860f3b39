#include "dotfontrasteriser.h"
#include "language.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;

// The preparation of a Send reading real files from disk: the files that the build generates, and
// short or empty ones, must give what ReadHZK gives from the same bytes in memory.
class TstDotFontFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFindGeneratedFilesBesideTheProgramsFolder();
    void shouldRasteriseGeneratedFilesAsFromMemory_data();
    void shouldRasteriseGeneratedFilesAsFromMemory();
    void shouldGiveBlankRowsForShortAndEmptyFiles_data();
    void shouldGiveBlankRowsForShortAndEmptyFiles();
};

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// All twelve rows of message 0, one after the other.
QByteArray rows(const MessageBank &bank)
{
    QByteArray bytes;
    for (int r = 0; r < MessageBank::RowCount; ++r) {
        const std::span<const quint8, MessageBank::RowBytes> row = bank.row(0, r);
        bytes.append(reinterpret_cast<const char *>(row.data()), qsizetype(row.size()));
    }
    return bytes;
}

// ReadHZK over in-memory copies of the two files.
MessageBank fromMemory(const QString &text, CodePage codePage, const QByteArray &ascii,
                       const QByteArray &grid)
{
    QBuffer single;
    single.setData(ascii);
    QBuffer twin;
    twin.setData(grid);
    single.open(QIODevice::ReadOnly);
    twin.open(QIODevice::ReadOnly);
    MessageBank bank;
    readHZK(bank, 0, text, codePage, single, twin);
    return bank;
}

} // namespace

void TstDotFontFiles::shouldFindGeneratedFilesBesideTheProgramsFolder()
{
    // Programs and tests run from bin/; the build puts the files into share/scriptlume beside it,
    // as an install does.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QStringList dirs = defaultFontSearchDirs();
    QVERIFY(QDir::setCurrent(previous));
    for (const QString &name : {u"ASC12"_qs, u"HZK12"_qs, u"TWK12"_qs, u"JPK12"_qs, u"KRK12"_qs}) {
        QCOMPARE(locateFontFile(name, dirs).value_or(QString()),
                 QFileInfo(QStringLiteral(LUME_BINARY_DIR "/share/scriptlume/") + name).absoluteFilePath());
    }
}

void TstDotFontFiles::shouldRasteriseGeneratedFilesAsFromMemory_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese (Simplified)") << u"Chinese (Simplified)"_qs << u"Lume 啊中文字 €5"_qs;
    QTest::newRow("Chinese (Traditional)") << u"Chinese (Traditional)"_qs << u"一中文 Big5"_qs;
    QTest::newRow("Japanese") << u"Japanese"_qs << u"あ亜ｱｲｳ ①犾 JIS"_qs;
    QTest::newRow("Korean") << u"Korean"_qs << u"가갂흐 KS"_qs;
}

void TstDotFontFiles::shouldRasteriseGeneratedFilesAsFromMemory()
{
    QFETCH(QString, language);
    QFETCH(QString, text);

    const QString dataDir = QStringLiteral(LUME_BINARY_DIR "/share/scriptlume");
    const Language row = languageFor(language);
    const QByteArray ascii = readAll(dataDir + u"/ASC12"_qs);
    const QByteArray grid = readAll(dataDir + u'/' + row.doubleByteFile);
    QCOMPARE(ascii.size(), 3072);
    QCOMPARE(grid.size(), 577584);

    MessageBank bank;
    QVERIFY(prepareBank(bank, {text}, {true}, language, {dataDir}).ok);
    const MessageBank expected = fromMemory(text, row.codePage, ascii, grid);
    QCOMPARE(bank.width(0), expected.width(0));
    QCOMPARE(rows(bank), rows(expected));
    QVERIFY(rows(bank).count('\0') < 12 * 512 - 20); // real glyphs, not blank cells
}

void TstDotFontFiles::shouldGiveBlankRowsForShortAndEmptyFiles_data()
{
    QTest::addColumn<int>("asciiSize");
    QTest::addColumn<int>("gridSize");
    QTest::newRow("both empty") << 0 << 0;
    QTest::newRow("grid ends inside B0A1") << 3072 << 217776 + 5;
    QTest::newRow("ASC12 ends inside A") << 780 + 3 << 577584;
}

void TstDotFontFiles::shouldGiveBlankRowsForShortAndEmptyFiles()
{
    QFETCH(int, asciiSize);
    QFETCH(int, gridSize);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray ascii(asciiSize, char(0x5A));
    QByteArray grid(gridSize, char(0xC3));
    QVERIFY(writeFile(dir.filePath(u"ASC12"_qs), ascii));
    QVERIFY(writeFile(dir.filePath(u"HZK12"_qs), grid));

    // A file is read as if the missing end were zero bytes, and without a word on the console.
    QTest::failOnWarning(QRegularExpression(u".*"_qs));
    MessageBank bank;
    const QString text = u"啊A中"_qs; // 中 (D6D0) lies past the end of the short grid
    QVERIFY(prepareBank(bank, {text}, {true}, u"Chinese (Simplified)"_qs, {dir.path()}).ok);
    const MessageBank expected =
        fromMemory(text, CodePage::Gbk, ascii.leftJustified(3072, '\0'), grid.leftJustified(577584, '\0'));
    QCOMPARE(bank.width(0), qint16(5));
    QCOMPARE(rows(bank), rows(expected));
}

QTEST_GUILESS_MAIN(TstDotFontFiles)
#include "tst_dotfontfiles.moc"
