// Complete PIT-37 printout: building and filling the three pages from a loaded model, and
// writing them as one PDF job.

#include "FDM.h"
#include "FPit37.h"
#include "FPit37Prev.h"
#include "Messages.h"
#include "TestEnv.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A joint return with the income rows of both columns filled.
struct Fixture {
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm{false};
    TPit37 m;

    Fixture()
    {
        dm.OpenTables(data.path());
        TTable* t = dm.Podatnik;
        t->append();
        t->setValue(QStringLiteral("Nazwisko"), QStringLiteral("Kowalska"));
        t->setValue(QStringLiteral("Imie"), QStringLiteral("Anna"));
        t->setValue(QStringLiteral("MNazwisko"), QStringLiteral("Kowalski"));
        t->setValue(QStringLiteral("MImie"), QStringLiteral("Jan"));
        t->setValue(QStringLiteral("Miasto"), QString::fromUtf8("Łódź"));
        t->setValue(QStringLiteral("Sposob"), 1);
        t->setValue(QStringLiteral("Glowny"), QStringLiteral("PIT-37"));
        t->post();
        m.Load(t->asInt(QStringLiteral("PodatId")));
        for (int box : {39, 40, 43, 47, 48, 51, 66, 67, 70, 93, 94, 110, 111}) {
            m.SetEmpty(box, false);
            m.SetField(box, Amount::zloty(1000 + box * 37));
        }
    }
};

void BM_Pit37PagesFilled(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) benchmark::DoNotOptimize(Pit37Pages(f.m));
}
BENCHMARK(BM_Pit37PagesFilled)->Unit(benchmark::kMillisecond);

void BM_Pit37CompletePrintoutToPdf(benchmark::State& state)
{
    Fixture f;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pit37.pdf"));
    for (auto _ : state) benchmark::DoNotOptimize(SavePit37Pdf(f.m, pdf));
}
BENCHMARK(BM_Pit37CompletePrintoutToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
