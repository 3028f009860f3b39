// Timing program, not a test: stream building speed, and a paced full-bank transfer through the fake
// serial control draining at the badge line's 120 bytes per second of wall-clock time.
//   bench_badgelink            both
//   bench_badgelink --build    only the stream building
#include "badgesender.h"
#include "fakeserialcontrol.h"
#include "testsupport.h"
#include "transferjob.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <ctime>

using namespace lume;

namespace {

MessageBank fullBank()
{
    MessageBank bank;
    for (int m = 0; m < 8; ++m) {
        bank.setWidth(m, 64);
        for (int r = 0; r < 12; ++r)
            for (int k = 0; k < 512; ++k)
                bank.setByte(m, r, k, quint8(m + r + k));
    }
    return bank;
}

class NoProgress : public ProgressDisplay
{
public:
    void setProgressRange(int, int) override { }
    void setProgressValue(int) override { }
};

double processCpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const MessageBank bank = fullBank();
    const MessageSettingsList settings {};

    constexpr int rounds = 20000;
    qsizetype bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        bytes += buildBadgeStream(bank, settings, lume::test::LongDirections).bytes().size();
    const double buildUs = double(timer.nsecsElapsed()) / 1000.0 / rounds;
    out << "build full-bank stream (N=512, " << bytes / rounds << " bytes): " << buildUs << " us\n";
    out.flush();
    if (app.arguments().contains(QStringLiteral("--build")))
        return 0;

    FakeSerialControl port;
    port.setDrainRate(120);
    port.open();
    NoProgress progress;
    const BadgeStream stream = buildBadgeStream(bank, settings, lume::test::LongDirections);
    TransferJob job(port, &progress, ProgressSteps {}, stream);
    QObject::connect(&job, &TransferJob::finished, &app, &QCoreApplication::quit);
    const double cpuBefore = processCpuSeconds();
    timer.restart();
    job.start();
    app.exec();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = processCpuSeconds() - cpuBefore;
    out << "paced transfer of " << stream.size() << " bytes at 120 B/s: " << seconds << " s, line efficiency "
        << 100.0 * double(stream.size()) / (120.0 * seconds) << " %, CPU " << 100.0 * cpu / seconds
        << " % of a core\n";
    return 0;
}
