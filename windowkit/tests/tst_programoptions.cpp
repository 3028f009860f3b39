#include "programoptions.h"

#include <QProcess>
#include <QTest>

#include <cstdio>

using namespace lume;

namespace {

struct Answer
{
    std::optional<int> status;
    QByteArray out;
    QByteArray err;
};

QByteArray readBack(std::FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[512];
    while (const size_t n = std::fread(buffer, 1, sizeof buffer, file))
        bytes.append(buffer, qsizetype(n));
    std::fclose(file);
    return bytes;
}

Answer answer(const QStringList &arguments)
{
    QList<QByteArray> bytes {"Sketchlume"};
    for (const QString &argument : arguments)
        bytes << argument.toUtf8();
    QList<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv << argument.constData();
    argv << nullptr;
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    Answer result;
    result.status = answerCommandLine(int(bytes.size()), argv.constData(),
                                      {"Sketchlume", "2.00", "Composes messages."}, out, err);
    result.out = readBack(out);
    result.err = readBack(err);
    return result;
}

} // namespace

class TstProgramOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldAnswerOrLeaveTheArgumentsToQt_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the window opens
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QByteArray version = "Sketchlume Ver 2.00 (Lume " LUME_TEST_VERSION ")\n";
        QTest::newRow("none") << QStringList {} << -1 << QByteArray() << QByteArray();
        QTest::newRow("--version") << QStringList {"--version"} << 0 << version << QByteArray();
        QTest::newRow("-v") << QStringList {"-v"} << 0 << version << QByteArray();
        QTest::newRow("--help") << QStringList {"--help"} << 0 << QByteArray("Usage: Sketchlume [--help")
                                << QByteArray();
        QTest::newRow("among Qt's") << QStringList {"-platform", "xcb", "--version", "-style=fusion"} << 0
                                    << version << QByteArray();
        QTest::newRow("after an unknown")
            << QStringList {"--bogus", "--help"} << 0 << QByteArray("Usage:") << QByteArray();
        QTest::newRow("Qt's own") << QStringList {"-platform",   "offscreen", "--style",
                                                  "fusion",      "-reverse",  "-qwindowgeometry=100x100",
                                                  "-stylesheet", "a.qss"}
                                  << -1 << QByteArray() << QByteArray();
        // A Qt option's value is no option of the program's.
        QTest::newRow("a value like an option")
            << QStringList {"-title", "-x"} << -1 << QByteArray() << QByteArray();
        QTest::newRow("unknown") << QStringList {"--bogus"} << 2 << QByteArray()
                                 << QByteArray("Sketchlume: unknown option or argument: --bogus\nUsage:");
        QTest::newRow("a file") << QStringList {"picture.bmp"} << 2 << QByteArray()
                                << QByteArray("unknown option or argument: picture.bmp");
        QTest::newRow("Qt's name cut")
            << QStringList {"-plat"} << 2 << QByteArray() << QByteArray("unknown option or argument: -plat");
    }

    void shouldAnswerOrLeaveTheArgumentsToQt()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Answer got = answer(arguments);
        QCOMPARE(got.status.value_or(-1), status);
        QVERIFY2(out.isEmpty() ? got.out.isEmpty() : got.out.startsWith(out), got.out.constData());
        QVERIFY2(err.isEmpty() ? got.err.isEmpty() : got.err.contains(err), got.err.constData());
    }

    // The built programs, without a display: no application object may be made before the answer.
    void shouldAnswerWithoutADisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QString sketch = QStringLiteral(LUME_SKETCHLUME);
        const QString script = QStringLiteral(LUME_SCRIPTLUME);
        QTest::newRow("Sketchlume --version")
            << sketch << QStringList {"--version"} << 0
            << QByteArray("Sketchlume Ver 2.00 (Lume " LUME_TEST_VERSION ")\n") << QByteArray();
        QTest::newRow("Scriptlume --version")
            << script << QStringList {"--version"} << 0
            << QByteArray("Scriptlume Ver 2.20 (Lume " LUME_TEST_VERSION ")\n") << QByteArray();
        QTest::newRow("Sketchlume --help")
            << sketch << QStringList {"--help"} << 0 << QByteArray("Usage: Sketchlume ") << QByteArray();
        QTest::newRow("Scriptlume --help") << script << QStringList {"-style", "fusion", "--help"} << 0
                                           << QByteArray("Usage: Scriptlume ") << QByteArray();
        QTest::newRow("Sketchlume unknown") << sketch << QStringList {"--bogus", "-platform", "offscreen"}
                                            << 2 << QByteArray() << QByteArray("Usage: Sketchlume ");
        QTest::newRow("Scriptlume unknown")
            << script << QStringList {"--verbose"} << 2 << QByteArray() << QByteArray("Usage: Scriptlume ");
    }

    void shouldAnswerWithoutADisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY2(process.waitForFinished(60000), qPrintable(program));
        const QByteArray gotOut = process.readAllStandardOutput();
        const QByteArray gotErr = process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == status, gotErr.constData());
        QVERIFY2(out.isEmpty() ? gotOut.isEmpty() : gotOut.startsWith(out), gotOut.constData());
        QVERIFY2(err.isEmpty() ? gotErr.isEmpty() : gotErr.contains(err), gotErr.constData());
    }
};

QTEST_GUILESS_MAIN(TstProgramOptions)
#include "tst_programoptions.moc"
