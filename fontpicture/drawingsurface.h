#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace lume {

class MessageBank;

// The off-screen picture of one message: 4096 x 12 pixels, 8 bits per colour component, black,
// with an optional background picture at the top-left corner and drawn red text over it.
class DrawingSurface
{
public:
    static constexpr int Width = 4096;
    static constexpr int Height = 12;
    // Larger glyphs cannot show more than a 12-row slice of a stroke; the cap keeps an absurd
    // size typed by the user from costing the rasteriser seconds and memory.
    static constexpr int MaxPixelSize = 2048;

    DrawingSurface();

    // Erases the drawn text; the background picture stays.
    void clearText();
    // Replaces the background picture (a null image removes it). The surface then shows exactly
    // the picture over black: text drawn before is erased, as loading a picture starts a new image.
    // Transparent pixels show the black background.
    void setBackgroundPicture(const QImage &picture);
    [[nodiscard]] bool hasBackgroundPicture() const { return m_hasPicture; }

    // Draws the text as one line in red from x = left, the top of its character cell at topOffset,
    // without smoothing, so that every lit pixel is a whole stroke pixel. The cell background is
    // not filled: a picture under the text stays visible between its strokes. Line breaks are
    // drawn as blanks. A size that gives no pixel (0 or less) draws nothing. The window
    // draws at left 0; a negative left brings the part of a line beyond the right edge into view.
    void drawText(const QString &text, const QString &family, double points, bool bold, int topOffset,
                  int left = 0);

    // Pixel size of a font of this many points at 96 dots per inch, rounded half to even and held
    // at MaxPixelSize; 0 when nothing can be drawn.
    [[nodiscard]] static int pixelSizeForPoints(double points);
    // The font drawText() uses.
    [[nodiscard]] static QFont textFont(const QString &family, int pixelSize, bool bold);

    // The surface as shown: background, picture and text, Format_RGB32.
    [[nodiscard]] const QImage &image() const { return m_image; }

private:
    QImage m_base; // black and the background picture
    QImage m_image; // m_base with the drawn text
    bool m_hasPicture = false;
};

// CaptureImage: rewrites all 6144 bytes of the message from all 49,152 pixels of the surface and
// sets the message's width from its content. The pixel at position k of its column byte is lit
// exactly when bit 7 - k of its red component is set; green and blue are never looked at. Pixels
// beyond a smaller image count as black.
void captureImage(const QImage &surface, MessageBank &bank, int message);

} // namespace lume
