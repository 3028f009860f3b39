// Restoring and storing a full Lumeset.ini (58 values): the file is read once and written in one
// atomic replace, which the counters show as one file sync, one folder sync and one rename per store.
#include "filecallcounter.h"
#include "profilefile.h"
#include "sketchsettings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lume;

namespace {

// Every value set, with texts as long as a user would type: a full file.
SketchSettings fullSettings(int variant)
{
    SketchSettings s;
    s.topLocationAdjust = QString::number(-variant);
    s.commPort = QStringLiteral("COM%1").arg(3 + variant);
    for (int m = 0; m < 8; ++m) {
        SketchMessageSettings &ms = s.messages[m];
        ms.text =
            QStringLiteral("Message %1, take %2: ").arg(m + 1).arg(variant) + QString(80, QChar(u'a' + m));
        ms.fontName = QStringLiteral("DejaVu Sans");
        ms.fontSize = QString::number(9 + variant);
        ms.fontBold = checkValueFromStored(variant % 2);
        ms.moveDirection = QStringLiteral("From left to right");
        ms.flash = checkValueFromStored((m + variant) % 2);
        ms.moveSpeed = QString::number(1 + (m + variant) % 8);
    }
    return s;
}

void restore(benchmark::State &state)
{
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")), CodePage::Western);
    writeSketchSettings(file, fullSettings(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(readSketchSettings(file));
}

void store(benchmark::State &state)
{
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")), CodePage::Western);
    const SketchSettings variants[2] = {fullSettings(0), fullSettings(1)};
    writeSketchSettings(file, variants[0]);
    const bench::FileCallCounts before = bench::fileCallCounts;
    int round = 0;
    for (auto _ : state)
        writeSketchSettings(file, variants[++round % 2]); // every store changes every value
    const auto perStore = [](long count) {
        return benchmark::Counter(double(count), benchmark::Counter::kAvgIterations);
    };
    state.counters["file syncs"] = perStore(bench::fileCallCounts.fileSyncs - before.fileSyncs);
    state.counters["folder syncs"] = perStore(bench::fileCallCounts.folderSyncs - before.folderSyncs);
    state.counters["renames"] = perStore(bench::fileCallCounts.renames - before.renames);
}

void storeUnchanged(benchmark::State &state)
{
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(QStringLiteral("Lumeset.ini")), CodePage::Western);
    const SketchSettings settings = fullSettings(0);
    writeSketchSettings(file, settings);
    const bench::FileCallCounts before = bench::fileCallCounts;
    for (auto _ : state)
        writeSketchSettings(file, settings);
    state.counters["renames"] = benchmark::Counter(double(bench::fileCallCounts.renames - before.renames),
                                                   benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(restore)->Name("Sketchlume/restore full Lumeset.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK(store)->Name("Sketchlume/store full Lumeset.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK(storeUnchanged)->Name("Sketchlume/store unchanged Lumeset.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
