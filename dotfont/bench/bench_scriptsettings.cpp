// Restoring and storing a full Scriptlume.ini (41 values): the file is read once and written in one
// atomic replace, which the counters show as one file sync, one folder sync and one rename per store.
#include "filecallcounter.h"
#include "profilefile.h"
#include "scriptsettings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lume;

namespace {

// Every value set, the texts in Chinese as long as a user would type: a full file.
ScriptSettings fullSettings(int variant)
{
    ScriptSettings settings = ScriptSettings::defaults();
    for (int m = 0; m < 8; ++m) {
        ScriptMessage &message = settings.messages[m];
        message.text = QStringLiteral("%1/%2 ").arg(m + 1).arg(variant) + QString(60, QChar(0x4E2D + m));
        message.select = checkValueFromStored((m + variant) % 2);
        message.speed = QString::number(1 + (m + variant) % 8);
        message.direction = variant ? QStringLiteral("to Right") : QStringLiteral("to Left");
        message.flash = checkValueFromStored(variant);
    }
    settings.language =
        variant ? QStringLiteral("Chinese (Traditional)") : QStringLiteral("Chinese (Simplified)");
    return settings;
}

void restore(benchmark::State &state)
{
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(QStringLiteral("Scriptlume.ini")), CodePage::Gbk);
    writeScriptSettings(file, fullSettings(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(readScriptSettings(file));
}

void store(benchmark::State &state)
{
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(QStringLiteral("Scriptlume.ini")), CodePage::Gbk);
    const ScriptSettings variants[2] = {fullSettings(0), fullSettings(1)};
    writeScriptSettings(file, variants[0]);
    const bench::FileCallCounts before = bench::fileCallCounts;
    int round = 0;
    for (auto _ : state)
        writeScriptSettings(file, variants[++round % 2]); // every store changes every value
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
    ProfileFile file(dir.filePath(QStringLiteral("Scriptlume.ini")), CodePage::Gbk);
    const ScriptSettings settings = fullSettings(0);
    writeScriptSettings(file, settings);
    const bench::FileCallCounts before = bench::fileCallCounts;
    for (auto _ : state)
        writeScriptSettings(file, settings);
    state.counters["renames"] = benchmark::Counter(double(bench::fileCallCounts.renames - before.renames),
                                                   benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(restore)->Name("Scriptlume/restore full Scriptlume.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK(store)->Name("Scriptlume/store full Scriptlume.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK(storeUnchanged)->Name("Scriptlume/store unchanged Scriptlume.ini")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
