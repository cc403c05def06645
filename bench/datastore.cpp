// Data module: opening every table, adding taxpayers one committed row at a time,
// finding a taxpayer by surname prefix.

#include "FDM.h"
#include "Install.h"
#include "Messages.h"
#include "TestEnv.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString surname(int i)
{
    static const char* const stems[] = {"Nowak", "Kowalski", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński",
                                        "Lewandowski", "Zieliński", "Szymański", "Woźniak", "Dąbrowski", "Ślęzak"};
    return QString::fromUtf8(stems[i % 12]) + QString::number(i);
}

void fill(TDM& dm, int n)
{
    for (int i = 0; i < n; ++i) {
        dm.Podatnik->append();
        dm.Podatnik->setValue(QStringLiteral("Nazwisko"), surname(i));
        dm.Podatnik->setValue(QStringLiteral("Imie"), QStringLiteral("Jan"));
        dm.Podatnik->setValue(QStringLiteral("Glowny"), QStringLiteral("PIT-37"));
        dm.Podatnik->post();
    }
}

void BM_OpenTables(benchmark::State& state)
{
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm(false);
    for (auto _ : state) {
        dm.CloseDatabase();
        benchmark::DoNotOptimize(dm.OpenTables(data.path()));
    }
}
BENCHMARK(BM_OpenTables)->Unit(benchmark::kMillisecond);

void BM_Add10000TaxpayersOneCommitEach(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        TempSettings settings;
        TempDataFolder data;
        RecordingSink sink;
        TDM dm(false);
        dm.OpenTables(data.path());
        state.ResumeTiming();
        fill(dm, 10000);
    }
}
BENCHMARK(BM_Add10000TaxpayersOneCommitEach)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FindBySurnamePrefixAmong10000(benchmark::State& state)
{
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm(false);
    dm.OpenTables(data.path());
    fill(dm, 10000);
    int i = 0;
    for (auto _ : state) {
        const QString prefix = surname(i++ % 10000).left(6).toLower();
        benchmark::DoNotOptimize(dm.Podatnik->locate(QStringLiteral("Nazwisko"), prefix,
                                                     TTable::CaseInsensitive | TTable::PartialKey));
    }
}
BENCHMARK(BM_FindBySurnamePrefixAmong10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
