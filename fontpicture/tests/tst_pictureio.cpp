#include "composer.h"
#include "drawingsurface.h"
#include "pictureio.h"

#include "messagebank.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

using namespace lume;

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(LUME_SOURCE_DIR "/fontpicture/tests/data/") + name;
}

QString corpusFile(const QString &name)
{
    return QStringLiteral(LUME_SOURCE_DIR "/fontpicture/fuzz/corpus/fuzz_pictureio/") + name;
}

// The test binary run with this option and a file name loads the picture as the programs do and
// prints the result: "loaded" or the reason.
constexpr const char *LoadPictureOption = "--load-picture";

int loadPictureInChild(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // the image plug-ins as in the programs
    const PictureLoad picture = loadPicture(QString::fromLocal8Bit(argv[2]));
    std::fputs(picture.ok() ? "loaded" : qPrintable(picture.error), stdout);
    return 0;
}

// What one picture may take at the most, resident: the reader's budget, the decoders' state and
// the program around them. A file that fools the reader takes gigabytes.
constexpr long MemoryCeilingKb = 300 * 1024;

struct ChildLoad
{
    QString output;
    int status = 0;
    long peakKb = 0;
};

// Loads the picture in a child process, so that its peak memory can be measured on its own.
ChildLoad loadInChild(const QString &path)
{
    ChildLoad result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    const QByteArray file = path.toLocal8Bit();
    char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>(LoadPictureOption),
                    const_cast<char *>(file.constData()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t n; spawned == 0 && (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            output.append(buffer, n);
        else if (errno != EINTR)
            break;
    }
    close(out[0]);
    if (spawned != 0)
        return {QStringLiteral("cannot start the child: %1").arg(spawned), -1, 0};
    rusage usage {};
    while (wait4(pid, &result.status, 0, &usage) < 0 && errno == EINTR) { }
    result.output = QString::fromLocal8Bit(output);
    result.peakKb = usage.ru_maxrss;
    return result;
}

// Rows as hex of their first column bytes; every byte after them must be 0.
QStringList rowsOf(const MessageBank &bank, int message, int bytes)
{
    QStringList rows;
    for (int r = 0; r < MessageBank::RowCount; ++r) {
        QByteArray row;
        for (int c = 0; c < bytes; ++c)
            row += char(bank.byte(message, r, c));
        for (int c = bytes; c < MessageBank::RowBytes; ++c)
            if (bank.byte(message, r, c) != 0)
                return {QStringLiteral("byte %1 of row %2 lit").arg(c).arg(r)};
        rows << QString::fromLatin1(row.toHex());
    }
    return rows;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList repeated(const QString &row, int count = 12)
{
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows << row;
    return rows;
}

} // namespace

class TstPictureIo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldLoadPicturesOfOtherEncoders_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("rows"); // the first four column bytes of each row
        QTest::addColumn<int>("width");
        QTest::newRow("white 8 x 12 BMP") << "white8x12.bmp" << QSize(8, 12) << repeated("ff000000") << 1;
        QTest::newRow("white 8 x 12 PNG") << "white8x12.png" << QSize(8, 12) << repeated("ff000000") << 1;
        QTest::newRow("white, blue, red GIF")
            << "stripes24x12.gif" << QSize(24, 12) << repeated("ff00ff00") << 3;
        QTest::newRow("white JPEG") << "white16x12.jpg" << QSize(16, 12) << repeated("ffff0000") << 2;
        QTest::newRow("blue, green, cyan BMP")
            << "bluegreen24x12.bmp" << QSize(24, 12) << repeated("00000000") << 0;
        // Rows 0..3 white, row 6 red in its first 8 pixels, rows 20..31 white but below the surface,
        // the rest transparent.
        QStringList icon = repeated("00000000");
        for (int r = 0; r < 4; ++r)
            icon[r] = "ffffffff";
        icon[6] = "ff000000";
        QTest::newRow("32 x 32 icon") << "icon32.ico" << QSize(32, 12) << icon << 4;
        QTest::newRow("icon of 16 and 32") << "icon16and32.ico" << QSize(32, 12) << icon << 4;
    }

    void shouldLoadPicturesOfOtherEncoders()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QStringList, rows);
        QFETCH(int, width);
        const PictureLoad picture = loadPicture(fixture(file));
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.image.size(), size);

        MessageBank bank;
        DrawingSurface surface;
        composePicture(bank, 5, surface, picture.image);
        QCOMPARE(rowsOf(bank, 5, 4), rows);
        QCOMPARE(int(bank.width(5)), width);
        QCOMPARE(surface.image().pixel(size.width(), 0), qRgb(0, 0, 0));
    }

    void shouldRefuseWhatItCannotDecode_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason"); // a part of the error text
        QTest::newRow("text named .jpg") << fixture("notapicture.jpg") << "not a picture";
        QTest::newRow("corrupt BMP") << fixture("corrupt.bmp") << "cannot be decoded";
        QTest::newRow("truncated BMP") << fixture("truncated.bmp") << "ends before";
        QTest::newRow("GIF header of 30000 x 30000") << fixture("huge-header.gif") << "30000 x 30000";
        QTest::newRow("missing file") << fixture("missing.bmp") << "does not exist";
        QTest::newRow("folder") << fixture("") << "folder";
    }

    void shouldRefuseWhatItCannotDecode()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const PictureLoad picture = loadPicture(path);
        QVERIFY(!picture.ok());
        QVERIFY(picture.image.isNull());
        QVERIFY2(picture.error.contains(reason), qPrintable(picture.error));
        QVERIFY2(picture.error.contains(path), qPrintable(picture.error));
    }

    // A few hundred bytes that claim 65500 x 65500 pixels: libjpeg would keep the coefficients of
    // the whole image for the later scans (12 GB) before giving the top rows, so the file is refused
    // from its headers. A baseline file of the same size decodes row by row and is no such risk.
    void shouldRefuseAJpegThatWouldHoldTheWholeImage_data()
    {
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("noise"); // bytes before the frame header, which libjpeg passes over
        QTest::newRow("progressive 65500 x 65500") << true << 65500 << true << false;
        QTest::newRow("progressive 65500 x 65500 after noise") << true << 65500 << true << true;
        QTest::newRow("progressive 2000 x 2000") << true << 2000 << false << false;
        QTest::newRow("baseline 65500 x 65500") << false << 65500 << false << false;
        QTest::newRow("baseline 65500 x 65500 after noise") << false << 65500 << false << true;
    }

    void shouldRefuseAJpegThatWouldHoldTheWholeImage()
    {
        QFETCH(bool, progressive);
        QFETCH(int, side);
        QFETCH(bool, refused);
        QFETCH(bool, noise);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImage white(16, 16, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(progressive);
        QVERIFY(writer.write(white));
        const qsizetype frame = bytes.indexOf(progressive ? "\xff\xc2" : "\xff\xc0");
        QVERIFY(frame > 0);
        auto *height = reinterpret_cast<uchar *>(bytes.data() + frame + 5);
        qToBigEndian<quint16>(quint16(side), height);
        qToBigEndian<quint16>(quint16(side), height + 2);
        if (noise)
            bytes.insert(frame, QByteArray("\x00\x12\xff", 3));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("claims.jpg"));
        QVERIFY(writeFile(path, bytes));

        const PictureLoad picture = loadPicture(path);
        if (refused) {
            QVERIFY(!picture.ok());
            QVERIFY2(picture.error.contains(QStringLiteral("%1 x %1 pixels, too large").arg(side)),
                     qPrintable(picture.error));
        } else {
            // What the file holds is only a 16 x 16 start: whatever libjpeg makes of the rest, it
            // is decoded or refused for its data, never for its size.
            QVERIFY2(!picture.error.contains(QStringLiteral("too large")), qPrintable(picture.error));
        }
    }

    void shouldKeepOnlyWhatReachesTheSurface_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("PNG") << QByteArray("png");
        QTest::newRow("BMP") << QByteArray("bmp");
        QTest::newRow("JPEG") << QByteArray("jpg");
    }

    void shouldKeepOnlyWhatReachesTheSurface()
    {
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wide.") + QString::fromLatin1(format));
        QImage wide(5000, 300, QImage::Format_RGB32);
        wide.fill(qRgb(255, 255, 255));
        QVERIFY(QImageWriter(path, format).write(wide));
        const PictureLoad picture = loadPicture(path);
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.image.size(), QSize(4096, 12));
        MessageBank bank;
        DrawingSurface surface;
        composePicture(bank, 0, surface, picture.image);
        QCOMPARE(int(bank.width(0)), 512);
        QCOMPARE(bank.byte(0, 11, 511), quint8(0xff));
    }

    void shouldCutABigBmpToTheSurfaceBeforeDecoding_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("topDown");
        QTest::newRow("1 bit") << int(QImage::Format_Mono) << false;
        QTest::newRow("8 bits") << int(QImage::Format_Indexed8) << false;
        QTest::newRow("24 bits") << int(QImage::Format_RGB32) << false;
        QTest::newRow("24 bits, top row first") << int(QImage::Format_RGB32) << true;
        QTest::newRow("32 bits") << int(QImage::Format_ARGB32) << false;
    }

    void shouldCutABigBmpToTheSurfaceBeforeDecoding()
    {
        QFETCH(int, format);
        QFETCH(bool, topDown);
        QImage picture(4100, 40, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb((x * 7 + y * 29) & 0xff, (x >> 3) & 0xff, y * 6));
        if (format == QImage::Format_Mono || format == QImage::Format_Indexed8)
            picture = picture.convertToFormat(QImage::Format(format), Qt::ThresholdDither);
        else
            picture = picture.convertToFormat(QImage::Format(format));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(QImageWriter(&buffer, "bmp").write(picture));
        QByteArray bytes = buffer.data();
        if (topDown) {
            // The same picture with its rows stored from the top, height negative.
            const qint32 offset = qFromLittleEndian<qint32>(bytes.constData() + 10);
            const qint64 rowBytes = (bytes.size() - offset) / picture.height();
            QByteArray rows;
            for (int r = picture.height() - 1; r >= 0; --r)
                rows += bytes.mid(offset + r * rowBytes, rowBytes);
            bytes = bytes.left(offset) + rows;
            qToLittleEndian<qint32>(-picture.height(), bytes.data() + 22);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.bmp"));
        QVERIFY(writeFile(path, bytes));

        const PictureLoad loaded = loadPicture(path);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error));
        QCOMPARE(loaded.image.size(), QSize(4096, 12));
        const QImage expected = picture.copy(0, 0, 4096, 12).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(loaded.image.convertToFormat(QImage::Format_RGB32), expected);
    }

    void shouldLoadTheTopOfAHugeBmpWithoutDecodingTheRest()
    {
        // 30000 x 30000 pixels of 1 bit, written by hand: only the last 12 rows of the file, the top
        // of the picture, hold anything. Decoding it whole would take 3.6 GB.
        constexpr qint32 size = 30000;
        constexpr qint64 rowBytes = (size + 31) / 32 * 4;
        constexpr quint32 offset = 14 + 40 + 8;
        QByteArray header(offset, '\0');
        auto *h = reinterpret_cast<uchar *>(header.data());
        h[0] = 'B';
        h[1] = 'M';
        qToLittleEndian<quint32>(quint32(offset + rowBytes * size), h + 2);
        qToLittleEndian<quint32>(offset, h + 10);
        qToLittleEndian<quint32>(40, h + 14);
        qToLittleEndian<qint32>(size, h + 18);
        qToLittleEndian<qint32>(size, h + 22);
        qToLittleEndian<quint16>(1, h + 26);
        qToLittleEndian<quint16>(1, h + 28);
        qToLittleEndian<quint32>(0xffffff, h + 58); // colour 1 white, colour 0 black
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("huge.bmp")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header);
        QVERIFY(file.resize(offset + rowBytes * size)); // sparse: no disk space for the dark rows
        for (int r = 0; r < 12; ++r) {
            QByteArray row(512, '\0');
            for (int c = 0; c < 512; ++c)
                row[c] = char((r * 16 + c) & 0xff);
            QVERIFY(file.seek(offset + (size - 1 - r) * rowBytes));
            file.write(row);
        }
        file.close();

        const PictureLoad loaded = loadPicture(file.fileName());
        QVERIFY2(loaded.ok(), qPrintable(loaded.error));
        QCOMPARE(loaded.image.size(), QSize(4096, 12));
        MessageBank bank;
        DrawingSurface surface;
        composePicture(bank, 2, surface, loaded.image);
        for (int r = 0; r < 12; ++r)
            for (int c = 0; c < 512; ++c)
                QCOMPARE(int(bank.byte(2, r, c)), (r * 16 + c) & 0xff);
        QCOMPARE(int(bank.width(2)), 512);
    }

    // Small files that claim far more than they hold, one kind per row, each of which took from
    // 500 MB to 2 GB before: every one is refused within the memory ceiling, whatever image
    // plug-ins are installed (the SVG one is refused even when Qt's SVG plug-in could read it).
    void shouldRefuseHostileFilesWithinBoundedMemory_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // a part of the error text
        const QString corrupt = QStringLiteral("the picture cannot be decoded (Unable to read image data).");
        QTest::newRow("PNG found by the fuzzer") << "hostile-found-text-5c000025.png" << corrupt;
        for (const char *kind : {"text", "ztxt", "itxt", "iccp", "splt", "exif", "lmnt"}) {
            for (const char *where : {"before", "after"}) {
                const QString name = QStringLiteral("hostile-%1-%2-idat.png").arg(kind, where);
                QTest::newRow(qPrintable(QStringLiteral("PNG, %1 claiming 2 GB %2 IDAT").arg(kind, where)))
                    << name << corrupt;
            }
        }
        QTest::newRow("PNG, 24 zTXt of 7 MB inflated") << "hostile-ztxt-24-inflating.png" << corrupt;
        QTest::newRow("icon embedding the PNG found") << "hostile-icon-embedded-png.ico" << corrupt;
        QTest::newRow("BMP, run-length 30000 x 30000") << "hostile-rle-30000.bmp" << corrupt;
        QTest::newRow("GIF, 30000 x 30000") << "huge-header.gif"
                                            << "too large to decode";
        QTest::newRow("JPEG, progressive 65500 x 65500") << "regression-progressive-65500.jpg"
                                                         << "too large to decode";
        QTest::newRow("SVGZ of 256 MB white space")
            << "hostile-whitespace-bomb.svgz"
            << "not a picture file that can be read (Unsupported image format).";
    }

    void shouldRefuseHostileFilesWithinBoundedMemory()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString path = corpusFile(file);
        const ChildLoad child = loadInChild(path);
        QVERIFY2(WIFEXITED(child.status) && WEXITSTATUS(child.status) == 0,
                 qPrintable(QStringLiteral("status %1: %2").arg(child.status).arg(child.output)));
        QVERIFY2(child.peakKb <= MemoryCeilingKb,
                 qPrintable(QStringLiteral("%1 MB resident").arg(child.peakKb / 1024)));
        QCOMPARE(child.output.left(path.size() + 2), path + QStringLiteral(": "));
        QVERIFY2(child.output.contains(reason), qPrintable(child.output));
    }

    void shouldSaveA24BitBmpThatLoadsBackToTheSameMessage()
    {
        DrawingSurface surface;
        QImage picture(100, 12, QImage::Format_RGB32);
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 12; ++y)
                picture.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xff, x & 0xff, y * 20));
        surface.setBackgroundPicture(picture);
        surface.drawText(QStringLiteral("Saved text"), QStringLiteral("DejaVu Sans"), 9, true, 0);
        MessageBank original;
        captureImage(surface.image(), original, 0);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("message.bmp"));
        QCOMPARE(savePicture(surface.image(), path), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 4096);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), 12);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QCOMPARE(bytes.size(), 54 + 4096 * 3 * 12);

        const PictureLoad loaded = loadPicture(path);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error));
        MessageBank reloaded;
        DrawingSurface blank;
        composePicture(reloaded, 3, blank, loaded.image);
        QCOMPARE(blank.image(), surface.image());
        for (int r = 0; r < MessageBank::RowCount; ++r)
            for (int c = 0; c < MessageBank::RowBytes; ++c)
                QCOMPARE(reloaded.byte(3, r, c), original.byte(0, r, c));
        QCOMPARE(reloaded.width(3), original.width(0));
    }

    void shouldReplaceAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.bmp"));
        QVERIFY(writeFile(path, "old contents"));
        DrawingSurface surface;
        QCOMPARE(savePicture(surface.image(), path), QString());
        QVERIFY(loadPicture(path).ok());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("old.bmp")});
    }

    void shouldReportAFailedSaveAndKeepWhatWasThere()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(writeFile(blocker, "keep me"));
        QFile file(blocker);
        DrawingSurface surface;
        const QString path = blocker + QStringLiteral("/message.bmp");
        const QString error = savePicture(surface.image(), path);
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
        // Saving over a folder fails and leaves it a folder.
        QVERIFY(!savePicture(surface.image(), dir.path()).isEmpty());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], LoadPictureOption) == 0)
        return loadPictureInChild(argc, argv);
    QGuiApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TstPictureIo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_pictureio.moc"
