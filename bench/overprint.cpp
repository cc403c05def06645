// Overprint: the three PIT-37 pages as PDF jobs (the correction and margin look-ups of
// every box included), and the look-ups alone.

#include "FPit37.h"
#include "FPit37Druk.h"
#include "FPrn.h"
#include "Messages.h"
#include "TestEnv.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm{false};
    TPit37 pit;
    QTemporaryDir out;

    Fixture()
    {
        dm.OpenTables(data.path());
        dm.Podatnik->append();
        const QVariantMap cols{{QStringLiteral("Nazwisko"), QStringLiteral("Kowalski")},
                               {QStringLiteral("Imie"), QStringLiteral("Jan")},
                               {QStringLiteral("Sposob"), 1},
                               {QStringLiteral("NIP"), QStringLiteral("123-456-32-18")},
                               {QStringLiteral("MNIP"), QStringLiteral("526-000-12-46")},
                               {QStringLiteral("MNazwisko"), QStringLiteral("Kowalska")},
                               {QStringLiteral("DataUr"), QDate(1970, 3, 5)},
                               {QStringLiteral("Miasto"), QStringLiteral("Łódź")}};
        for (auto it = cols.begin(); it != cols.end(); ++it) dm.Podatnik->setValue(it.key(), it.value());
        dm.Podatnik->post();
        pit.Load(dm.Podatnik->asInt(QStringLiteral("PodatId")));
        for (int box : {39, 40, 43, 66, 67, 70, 93, 94, 110, 111}) {
            pit.SetEmpty(box, false);
            pit.SetField(box, "1234.56"_zl * (box % 7 + 1));
        }
    }
};

void BM_Pit37OverprintThreePagesToPdf(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        TOverprintOutput output(f.out.filePath(QStringLiteral("pit37.pdf")), 600);
        PrintOverprint(output, {1, 2, 3}, 1, false,
                       [&](TOverprintOutput& o, int page) { PrintPit37Page(o, f.pit, page); });
    }
}
BENCHMARK(BM_Pit37OverprintThreePagesToPdf)->Unit(benchmark::kMillisecond);

void BM_CorrectionLookupsOfEveryPit37Entry(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        int sum = 0;
        for (int box = 1; box <= 151; ++box) sum += f.dm.CorrectionX(fkPit37, box) + f.dm.CorrectionY(fkPit37, box);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CorrectionLookupsOfEveryPit37Entry)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
