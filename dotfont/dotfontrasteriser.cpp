#include "dotfontrasteriser.h"

#include "dotfontcell.h"
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace lume {

namespace {

constexpr int RowPixels = MessageBank::RowBytes * 8;

[[nodiscard]] bool isDoubleByte(quint16 code)
{
    return qint16(code) < 0;
}

// The pixel count saturates where (X + 7) div 8 would leave 16 bits, so the estimate and the
// rasteriser stay equal for any text and neither overflows.
[[nodiscard]] int advanced(int x, quint16 code)
{
    return std::min(x + (isDoubleByte(code) ? DoubleByteAdvance : SingleByteAdvance), MaxPixelCount);
}

[[nodiscard]] qint16 widthOf(int pixels)
{
    return qint16((pixels + 7) / 8);
}

[[nodiscard]] quint8 nextByte(QIODevice &font)
{
    char byte = 0;
    return font.getChar(&byte) ? quint8(byte) : 0; // past the end of the file: a blank row
}

// Column bytes beyond the row are dropped: a long text is cut at the row's end, never wraps.
void merge(MessageBank &bank, int message, int row, int column, quint8 bits)
{
    if (bits != 0 && column < MessageBank::RowBytes)
        bank.orByte(message, row, column, bits);
}

void drawDoubleByte(MessageBank &bank, int message, int x, quint16 code, QIODevice &font)
{
    const int lead = code >> 8;
    const int trail = code & 0xFF;
    const qint64 offset = gridOffset(lead, trail);
    // No code of the four code pages lies before the grid; should one, it stays blank.
    if (offset < 0 || !font.seek(offset))
        return;
    const int column = x / 8;
    const int shift = x % 8;
    for (int row = 0; row < MessageBank::RowCount; ++row) {
        const quint8 b0 = nextByte(font);
        const quint8 b1 = nextByte(font);
        const quint32 v = ((quint32(b0) << 8 | b1) << 8) >> shift;
        merge(bank, message, row, column, quint8(v >> 16));
        merge(bank, message, row, column + 1, quint8(v >> 8));
        merge(bank, message, row, column + 2, quint8(v));
    }
}

void drawSingleByte(MessageBank &bank, int message, int x, quint16 code, QIODevice &font)
{
    if (!font.seek(singleByteOffset(quint8(code))))
        return;
    const int column = x / 8;
    const int shift = x % 8;
    for (int row = 0; row < MessageBank::RowCount; ++row) {
        const quint32 v = (quint32(nextByte(font)) << 8) >> shift;
        merge(bank, message, row, column, quint8(v >> 8));
        merge(bank, message, row, column + 1, quint8(v));
    }
}

// The furthest byte a glyph can reach: the last cell of a double-byte grid (lead and trail 0xFF).
constexpr qint64 GlyphReach = gridOffset(0xFF, 0xFF) + DoubleByteCellBytes;

// A font file's bytes as a device. Unlike QBuffer it takes a seek past the end without a warning,
// as a file does; reads there give nothing, hence blank rows.
class FontBytes : public QIODevice
{
public:
    void setData(QByteArray data) { m_data = std::move(data); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_data.size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::clamp(m_data.size() - pos(), qint64(0), maxSize);
        if (count > 0)
            std::memcpy(data, m_data.constData() + pos(), std::size_t(count));
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
};

// A font file opened for ReadHZK. Its reachable part is read in one go at every Send: a seek on a
// buffered QFile costs two system calls and a 16 KiB refill for every glyph, and a memory map
// would crash the program if the file were cut short while a Send reads it.
class FontFile
{
public:
    explicit FontFile(const QString &path)
        : m_file(path)
    { }

    [[nodiscard]] bool open()
    {
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return false;
        m_bytes.setData(m_file.read(GlyphReach));
        m_file.close();
        m_bytes.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        return true;
    }
    QIODevice &device() { return m_bytes; }
    void close() { m_bytes.close(); }

private:
    QFile m_file;
    FontBytes m_bytes;
};

} // namespace

QStringList defaultFontSearchDirs()
{
    QStringList dirs {QDir::currentPath()};
    if (QCoreApplication::instance() != nullptr)
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/../share/scriptlume"));
    return dirs;
}

std::optional<QString> locateFontFile(const QString &name, const QStringList &searchDirs)
{
    for (const QString &dir : searchDirs) {
        const QFileInfo info(QDir(dir), name);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return std::nullopt;
}

qint16 estimateWidth(QStringView text, CodePage codePage)
{
    int x = 0;
    CodePageCodec::instance(codePage).forEachCode(text, [&x](quint16 code) { x = advanced(x, code); });
    return widthOf(x);
}

void readHZK(MessageBank &bank, int message, QStringView text, CodePage codePage, QIODevice &singleByteFont,
             QIODevice &doubleByteFont)
{
    bank.clear(message);
    int x = 0;
    CodePageCodec::instance(codePage).forEachCode(text, [&](quint16 code) {
        if (x < RowPixels) { // a glyph starting past the row's end would draw nothing
            if (isDoubleByte(code))
                drawDoubleByte(bank, message, x, code, doubleByteFont);
            else
                drawSingleByte(bank, message, x, code, singleByteFont);
        }
        x = advanced(x, code);
    });
    bank.setWidth(message, widthOf(x));
}

PrepareResult prepareBank(MessageBank &bank, const std::array<QString, MessageBank::MessageCount> &texts,
                          const std::array<bool, MessageBank::MessageCount> &selected,
                          const QString &language, const QStringList &searchDirs)
{
    const Language row = languageFor(language);
    const QString singleName = QString::fromLatin1(SingleByteFontFile);
    const std::optional<QString> singlePath = locateFontFile(singleName, searchDirs);
    if (!singlePath)
        return {false, singleName};
    const std::optional<QString> doublePath = locateFontFile(row.doubleByteFile, searchDirs);
    if (!doublePath)
        return {false, row.doubleByteFile};

    // Read-only: a missing file is reported, never created empty.
    FontFile singleByteFont(*singlePath);
    if (!singleByteFont.open())
        return {false, singleName};
    FontFile doubleByteFont(*doublePath);
    if (!doubleByteFont.open())
        return {false, row.doubleByteFile};

    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        bank.clear(m);
        if (selected[m])
            readHZK(bank, m, texts[m], row.codePage, singleByteFont.device(), doubleByteFont.device());
        else
            bank.setWidth(m, 0);
    }
    doubleByteFont.close();
    singleByteFont.close();
    return {true, QString()};
}

} // namespace lume
