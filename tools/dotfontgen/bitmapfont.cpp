#include "bitmapfont.h"

#include <ft2build.h>
#include FT_BDF_H
#include FT_FREETYPE_H

#include <QFile>
#include <QFileInfo>

namespace lume {

struct BitmapFont::Handles
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Handles()
    {
        if (face != nullptr)
            FT_Done_Face(face);
        if (library != nullptr)
            FT_Done_FreeType(library);
    }
};

BitmapFont::BitmapFont(std::unique_ptr<Handles> handles, QString path)
    : m_handles(std::move(handles))
    , m_path(std::move(path))
{
    FT_Face face = m_handles->face;
    const FT_Size_Metrics &metrics = face->size->metrics;
    m_ascent = int(metrics.ascender >> 6);
    m_descent = int(-metrics.descender >> 6);
    m_unicode = face->charmap != nullptr && face->charmap->encoding == FT_ENCODING_UNICODE;
    const char *encoding = nullptr;
    const char *registry = nullptr;
    if (FT_Get_BDF_Charset_ID(face, &encoding, &registry) == 0 && registry != nullptr)
        m_charset = QString::fromLatin1(registry).toUpper();
}

BitmapFont::~BitmapFont() = default;
BitmapFont::BitmapFont(BitmapFont &&) noexcept = default;
BitmapFont &BitmapFont::operator=(BitmapFont &&) noexcept = default;

std::optional<BitmapFont> BitmapFont::open(const QString &path, int pixelSize, QString *error)
{
    auto handles = std::make_unique<Handles>();
    auto fail = [&](const QString &why) {
        if (error != nullptr)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("no such file"));
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("not a readable file"));
    if (FT_Init_FreeType(&handles->library) != 0)
        return fail(QStringLiteral("FreeType could not start"));
    if (FT_New_Face(handles->library, QFile::encodeName(path).constData(), 0, &handles->face) != 0)
        return fail(QStringLiteral("not a font FreeType can read"));
    FT_Face face = handles->face;

    if (FT_IS_SCALABLE(face)) {
        if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize)) != 0)
            return fail(QStringLiteral("cannot be scaled to %1 pixels").arg(pixelSize));
    } else {
        // Only a strike of exactly that size: another one would be cut or leave the cell half empty.
        int strike = -1;
        for (int i = 0; i < face->num_fixed_sizes; ++i) {
            if ((face->available_sizes[i].y_ppem >> 6) == pixelSize)
                strike = i;
        }
        if (strike < 0 || FT_Select_Size(face, strike) != 0)
            return fail(QStringLiteral("has no %1-pixel strike").arg(pixelSize));
    }
    // A Unicode map where there is one, else the font's own (national) codes.
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        if (face->num_charmaps < 1 || FT_Set_Charmap(face, face->charmaps[0]) != 0)
            return fail(QStringLiteral("has no character map"));
    }
    return BitmapFont(std::move(handles), path);
}

std::optional<GlyphBitmap> BitmapFont::glyph(quint32 code) const
{
    FT_Face face = m_handles->face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0)
        return std::nullopt; // glyph 0 is the font's "missing" box, never a character
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
        return std::nullopt;
    const FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return std::nullopt;
    const FT_Bitmap &bitmap = slot->bitmap;

    GlyphBitmap glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.pixels.resize(std::size_t(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char *row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            const bool lit = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x / 8] & (0x80 >> (x % 8))) != 0
                                                                     : row[x] >= 128;
            glyph.pixels[std::size_t(y) * glyph.width + x] = lit;
        }
    }
    return glyph;
}

} // namespace lume
