#include "fontpicture/composer.h"
#include "fontpicture/drawingsurface.h"
#include "fontpicture/pictureio.h"

#include "badgelink/messagebank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace lume;

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(LUME_SOURCE_DIR "/fontpicture/tests/data/") + name;
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
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        DrawingSurface surface;
        QCOMPARE(savePicture(surface.image(), path), QString());
        QVERIFY(loadPicture(path).ok());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("old.bmp")});
    }

    void shouldReportAFailedSaveAndKeepWhatWasThere()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
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

QTEST_MAIN(TstPictureIo)
#include "tst_pictureio.moc"
