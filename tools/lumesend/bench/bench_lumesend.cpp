// Timing program, not a test: the real lumesend as a process, start included.
//   bench_lumesend [runs]
// 1. Eight full messages (pictures of 4096 pixels, texts of 512 dot-font characters) written to
//    --output; also the same with screen-font texts, which need the GUI application.
// 2. From starting lumesend --device to a running badgesim having printed the decoded summary.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

const QString Lumesend = QStringLiteral(LUME_LUMESEND);
const QString Badgesim = QStringLiteral(LUME_BADGESIM);
const QString DotFontDir = QStringLiteral(LUME_DATA_DIR);

struct Figures
{
    double median = 0;
    double minimum = 0;
    double maximum = 0;
};

Figures figuresOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

QString widePicture(const QTemporaryDir &dir, int seed)
{
    QImage image(4096, 12, QImage::Format_RGB32);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 4096; ++x)
            image.setPixel(x, y, ((x * 7 + y * 3 + seed) % 5) < 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("wide%1.png").arg(seed));
    QImageWriter(path).write(image);
    return path;
}

QStringList fullMessages(const QTemporaryDir &dir, bool screenText)
{
    // Mixed letters and Chinese: 512 characters, more than a row holds.
    QString text;
    for (int i = 0; text.size() < 512; ++i)
        text += i % 3 == 0 ? QStringLiteral("Ab") : QStringLiteral("徽章");
    text.truncate(512);
    QStringList args {"--font-dir", DotFontDir};
    for (int m = 1; m <= 8; ++m) {
        args << "--message" << QString::number(m) << "--speed" << QString::number(m);
        if (m % 2 == 1)
            args << "--image" << widePicture(dir, m);
        else if (screenText)
            args << "--screen-text" << text << "--font"
                 << "DejaVu Sans"
                 << "--size"
                 << "9";
        else
            args << "--text" << text;
    }
    return args;
}

QProcessEnvironment environment(const QString &runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return env;
}

Figures timeOutput(const QStringList &args, const QString &runtimeDir, int runs, bool *ok)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessEnvironment(environment(runtimeDir));
        QElapsedTimer timer;
        timer.start();
        process.start(Lumesend, args);
        process.waitForFinished(60000);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        *ok = *ok && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return figuresOf(ms);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 21;
    QTemporaryDir dir;
    bool ok = true;

    const QString output = dir.filePath(QStringLiteral("stream.bin"));
    const auto report = [&out, runs](const char *what, const Figures &f) {
        out << what << ": median " << QString::number(f.median, 'f', 1) << " ms (min "
            << QString::number(f.minimum, 'f', 1) << ", max " << QString::number(f.maximum, 'f', 1) << ", "
            << runs << " runs)\n";
        out.flush();
    };
    report("--output, 4 pictures of 4096 px + 4 dot-font texts of 512 characters",
           timeOutput(QStringList {"--output", output} + fullMessages(dir, false), dir.path(), runs, &ok));
    report("--output, 4 pictures of 4096 px + 4 screen-font texts of 512 characters",
           timeOutput(QStringList {"--output", output} + fullMessages(dir, true), dir.path(), runs, &ok));

    QProcess sim;
    sim.setProcessEnvironment(environment(dir.path()));
    sim.setReadChannel(QProcess::StandardError);
    sim.start(Badgesim, {"--no-window"});
    QByteArray errors;
    while (!errors.contains('\n') && sim.waitForReadyRead(20000))
        errors += sim.readAllStandardError();
    const QByteArray marker = "listening on ";
    const QString device =
        QString::fromLocal8Bit(errors.mid(errors.indexOf(marker) + marker.size()).trimmed());
    sim.setReadChannel(QProcess::StandardOutput);
    std::vector<double> ms;
    const QStringList args = QStringList {"--device", device} + fullMessages(dir, false);
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessEnvironment(environment(dir.path()));
        QByteArray summary;
        QElapsedTimer timer;
        timer.start();
        process.start(Lumesend, args);
        while (summary.count('\n') < 9 && sim.waitForReadyRead(20000))
            summary += sim.readAllStandardOutput();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished(60000);
        ok = ok && summary.startsWith("stream ") && summary.count('\n') >= 9 && process.exitCode() == 0;
    }
    report("--device to badgesim, start to decoded summary (full bank, 6833 bytes)", figuresOf(ms));
    sim.terminate();
    sim.waitForFinished(5000);
    if (!ok)
        out << "some runs failed\n";
    return ok ? 0 : 1;
}
