#include "testsupport.h"

#include "fakeserialcontrol.h"
#include "testwaits.h"

#include <QEventLoop>
#include <QTimer>

namespace lume::test {

RecordingProgress recordTransferProgress(const ProgressSteps &steps)
{
    FakeSerialControl port;
    port.open();
    MessageBank bank;
    bank.setWidth(0, 1);
    RecordingProgress progress;
    TransferJob job(port, &progress, steps, buildBadgeStream(bank, {}, {}));
    QEventLoop loop;
    QObject::connect(&job, &TransferJob::finished, &loop, &QEventLoop::quit);
    // A job that never finishes leaves its values short, which the caller's comparison shows.
    QTimer::singleShot(SafetyNetMs, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return progress;
}

} // namespace lume::test
