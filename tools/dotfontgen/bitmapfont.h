#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace lume {

// One glyph as FreeType draws it: a monochrome bitmap and where it sits against the pen and the
// baseline (left: pixels right of the pen; top: rows above the baseline).
struct GlyphBitmap
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<bool> pixels; // row-major, width x height

    [[nodiscard]] bool pixel(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// A font file read through FreeType at one pixel size: the fixed strike of a bitmap font, or a
// scalable font rendered monochrome. Bitmap fonts without a Unicode map (the JIS X 0208, JIS X 0201
// and KS X 1001 ones) are looked up by their own codes, e.g. 0x2121 for row 1, cell 1.
class BitmapFont
{
public:
    ~BitmapFont();
    BitmapFont(BitmapFont &&) noexcept;
    BitmapFont &operator=(BitmapFont &&) noexcept;

    // nullopt and the reason in *error when the file cannot be read as a font.
    [[nodiscard]] static std::optional<BitmapFont> open(const QString &path, int pixelSize, QString *error);

    // nullopt where the font has no glyph for the code.
    [[nodiscard]] std::optional<GlyphBitmap> glyph(quint32 code) const;

    [[nodiscard]] int ascent() const { return m_ascent; }
    [[nodiscard]] int descent() const { return m_descent; }
    // Whether codes are Unicode; else they are the font's own codes.
    [[nodiscard]] bool isUnicode() const { return m_unicode; }
    // The X11 charset registry of a PCF/BDF font in upper case (e.g. "JISX0208.1990"); empty for others.
    [[nodiscard]] const QString &charset() const { return m_charset; }
    [[nodiscard]] const QString &path() const { return m_path; }

private:
    struct Handles;
    explicit BitmapFont(std::unique_ptr<Handles> handles, QString path);

    std::unique_ptr<Handles> m_handles;
    QString m_path;
    QString m_charset;
    int m_ascent = 0;
    int m_descent = 0;
    bool m_unicode = false;
};

} // namespace lume
