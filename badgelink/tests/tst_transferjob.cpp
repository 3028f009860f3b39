#include "fakeserialcontrol.h"
#include "testsupport.h"
#include "testwaits.h"
#include "transferjob.h"

#include <QSignalSpy>
#include <QTest>

using namespace lume;
using lume::test::RecordingProgress;

namespace {

BadgeStream fullBankStream()
{
    MessageBank bank;
    for (int m = 0; m < 8; ++m) {
        bank.setWidth(m, 64);
        for (int r = 0; r < 12; ++r)
            for (int k = 0; k < 64; ++k)
                bank.setByte(m, r, k, quint8(m * 31 + r * 7 + k));
    }
    return buildBadgeStream(bank, MessageSettingsList {}, {});
}

// The two ways a program's progress bar goes: a value once the header has drained in a range the
// window set, or a range set then.
ProgressSteps valueAfterHeader()
{
    ProgressSteps steps;
    steps.valueAfterHeader = 1;
    steps.rowBase = 2;
    steps.trailerBase = 13;
    return steps;
}

ProgressSteps rangeAfterHeader()
{
    ProgressSteps steps;
    steps.rangeAfterHeader = ProgressSteps::Range {0, 17};
    steps.trailerBase = 11;
    return steps;
}

QList<int> range(int from, int to)
{
    QList<int> values;
    for (int v = from; v <= to; ++v)
        values << v;
    return values;
}

// Index of the first call of the operation at or after `from`, -1 when there is none.
qsizetype findCall(const QList<FakeSerialControl::Call> &calls, FakeSerialControl::Operation op,
                   qsizetype from)
{
    for (qsizetype i = from; i < calls.size(); ++i)
        if (calls[i].operation == op)
            return i;
    return -1;
}

} // namespace

class TstTransferJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldWriteTheStreamAndShowTheProgramsProgress_data()
    {
        QTest::addColumn<ProgressSteps>("steps");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("ranges");
        QTest::newRow("value after the header") << valueAfterHeader() << (range(1, 19) << 0) << 0;
        QTest::newRow("range after the header") << rangeAfterHeader() << (range(0, 17) << 0) << 1;
    }

    void shouldWriteTheStreamAndShowTheProgramsProgress()
    {
        QFETCH(ProgressSteps, steps);
        QFETCH(QList<int>, values);
        QFETCH(int, ranges);
        FakeSerialControl port;
        QVERIFY(port.open());
        RecordingProgress progress;
        const BadgeStream stream = fullBankStream();
        TransferJob job(port, &progress, steps, stream);
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        QVERIFY(job.isRunning());
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(port.writes(), stream.writes());
        QCOMPARE(port.written(), stream.bytes());
        QCOMPARE(progress.values, values);
        QCOMPARE(progress.ranges.size(), qsizetype(ranges));
        if (ranges)
            QCOMPARE(progress.ranges.first(), qMakePair(0, 17));
        QVERIFY(!port.isOpen());
        QVERIFY(!job.isRunning());
    }

    void shouldWaitForTheLineAfterEveryWriteButThePreamble()
    {
        FakeSerialControl port;
        QVERIFY(port.open());
        RecordingProgress progress;
        TransferJob job(port, &progress, valueAfterHeader(), fullBankStream());
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        QVERIFY(finished.wait(test::SafetyNetMs));
        using Op = FakeSerialControl::Operation;
        const auto &calls = port.calls();
        qsizetype at = findCall(calls, Op::Write, 0);
        QCOMPARE(calls[at + 1].operation, Op::Write); // header straight after "Hello"
        at = at + 1;
        for (int write = 2; write < 20; ++write) {
            const qsizetype pending = findCall(calls, Op::PendingOutput, at + 1);
            const qsizetype next = findCall(calls, Op::Write, at + 1);
            QVERIFY2(pending > at && pending < next,
                     qPrintable(QStringLiteral("no drain wait before write %1").arg(write)));
            at = next;
        }
        // The last trailer block drains before the port is closed.
        const qsizetype lastPending = findCall(calls, Op::PendingOutput, at + 1);
        const qsizetype close = findCall(calls, Op::Close, at + 1);
        QVERIFY(lastPending > at && close > lastPending);
    }

    // The line drains 120 bytes per second in the design; 100 times faster keeps the test short while the
    // job still has to wait for every block.
    void shouldNeverShowProgressAheadOfTheLine()
    {
        FakeSerialControl port;
        port.setDrainRate(12000);
        QVERIFY(port.open());
        RecordingProgress progress;
        progress.probe = [&port] { return port.sentBytes(); };
        const BadgeStream stream = fullBankStream();
        TransferJob job(port, &progress, valueAfterHeader(), stream);
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(port.written(), stream.bytes());
        const qint64 n = stream.dataWidth;
        QCOMPARE(progress.values.size(), 20);
        // Value 1: the header has left the line; value 2 + r: all blocks before row r have too.
        QCOMPARE(progress.probed[0], 47);
        for (int r = 0; r < 12; ++r)
            QCOMPARE(progress.probed[1 + r], 47 + r * n);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(progress.probed[13 + k], 47 + 12 * n + k * 107);
        QCOMPARE(progress.probed[19], stream.size()); // the closing 0 after the last byte left
    }

    void shouldCarryOnWhenAWriteFails()
    {
        FakeSerialControl port;
        port.setFailingWrite(4);
        QVERIFY(port.open());
        RecordingProgress progress;
        const BadgeStream stream = fullBankStream();
        TransferJob job(port, &progress, rangeAfterHeader(), stream);
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(port.writes().size(), 20);
        QVERIFY(port.writes()[4].isEmpty());
        QCOMPARE(port.writes()[5], stream.writes()[5]);
        QCOMPARE(progress.values.last(), 0);
        QCOMPARE(progress.values.size(), 19);
    }

    void shouldEndEachWaitWhenTheCountCannotBeRead()
    {
        FakeSerialControl port;
        port.setPendingUnreadable(true);
        port.setNeverDrains(true);
        QVERIFY(port.open());
        RecordingProgress progress;
        const BadgeStream stream = fullBankStream();
        TransferJob job(port, &progress, valueAfterHeader(), stream);
        QSignalSpy finished(&job, &TransferJob::finished);
        job.start();
        QVERIFY(finished.wait(test::SafetyNetMs));
        QCOMPARE(port.written(), stream.bytes());
    }

    void shouldWaitWhileTheLineNeverDrainsAndStopWhenCancelled()
    {
        FakeSerialControl port;
        port.setNeverDrains(true);
        port.setDrainRate(120);
        QVERIFY(port.open());
        RecordingProgress progress;
        auto job = std::make_unique<TransferJob>(port, &progress, valueAfterHeader(), fullBankStream());
        QSignalSpy finished(job.get(), &TransferJob::finished);
        job->start();
        QTRY_COMPARE_WITH_TIMEOUT(port.writes().size(), 2, test::SafetyNetMs);
        // Then nothing more while the event loop runs on: the job waits for the line.
        QTest::qWait(150);
        QVERIFY(job->isRunning());
        QCOMPARE(port.writes().size(), 2);
        QVERIFY(progress.values.isEmpty());
        job->cancel();
        QVERIFY(!port.isOpen());
        QVERIFY(!job->isRunning());
        QTest::qWait(60);
        QCOMPARE(port.writes().size(), 2);
        QVERIFY(progress.values.isEmpty());
        QCOMPARE(finished.size(), 0);
        job.reset(); // destroying a cancelled job touches nothing
        QCOMPARE(finished.size(), 0);
    }

    void shouldStopWritingWhenCancelledMidway()
    {
        FakeSerialControl port;
        port.setDrainRate(6000);
        QVERIFY(port.open());
        RecordingProgress progress;
        TransferJob job(port, &progress, valueAfterHeader(), fullBankStream());
        job.start();
        QTRY_VERIFY_WITH_TIMEOUT(port.writes().size() >= 5, test::SafetyNetMs);
        job.cancel();
        const qsizetype written = port.writes().size();
        const qsizetype shown = progress.values.size();
        QTest::qWait(200);
        QCOMPARE(port.writes().size(), written);
        QCOMPARE(progress.values.size(), shown);
        QVERIFY(!port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TstTransferJob)
#include "tst_transferjob.moc"
