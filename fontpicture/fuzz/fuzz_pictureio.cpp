// Any bytes under any name "Load Picture" offers give a picture of at most 4096 x 12 pixels or a
// reason, and the surface stays 4096 x 12. Memory is bounded by the run's -malloc_limit_mb: a
// picture that would need more must be refused from its headers.
#include "composer.h"
#include "drawingsurface.h"
#include "pictureio.h"

#include "messagebank.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>

using namespace lume;

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "fuzz_pictureio: %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' warnings about damaged files, printed for nearly every input, slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication app(*argc, *argv); // image plug-ins and fonts as in the program
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static QTemporaryDir dir;
    static const std::array<QString, 7> names {
        QStringLiteral("p.bmp"), QStringLiteral("p.gif"),  QStringLiteral("p.jpg"), QStringLiteral("p.ico"),
        QStringLiteral("p.png"), QStringLiteral("p.jpeg"), QStringLiteral("p")};
    FuzzedDataProvider data(bytes, size);
    const QString path = dir.filePath(names[data.ConsumeIntegralInRange<size_t>(0, names.size() - 1)]);
    const std::string content = data.ConsumeRemainingBytesAsString();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(content.data(), qsizetype(content.size()));
    }
    const PictureLoad picture = loadPicture(path);
    QFile::remove(path);
    if (picture.ok() == picture.image.isNull())
        fail("a picture and its error disagree", picture.error);
    if (!picture.ok()) {
        if (!picture.error.startsWith(path))
            fail("the error does not name the file", picture.error);
        return 0;
    }
    if (picture.image.width() > DrawingSurface::Width || picture.image.height() > DrawingSurface::Height)
        fail("more than the surface was kept");

    MessageBank bank;
    DrawingSurface surface;
    composePicture(bank, 3, surface, picture.image);
    if (surface.image().size() != QSize(DrawingSurface::Width, DrawingSurface::Height))
        fail("the surface changed its size");
    if (bank.width(3) < 0 || bank.width(3) > MessageBank::RowBytes)
        fail("a message width out of range");
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (m != 3 && bank.width(m) != 0)
            fail("another message changed");
    }
    return 0;
}
