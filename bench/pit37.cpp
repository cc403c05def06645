// PIT-37 model: one Calculate of a full return, and Load + Calculate + Verify of returns
// from a data folder of 10 000 taxpayers (a third joint, some with PIT/O and PIT/D).

#include "FDM.h"
#include "FPit37.h"
#include "Messages.h"
#include "TestEnv.h"

#include <QGuiApplication>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTaxpayers = 10000;

void typeReturn(TPit37& m, int i)
{
    const std::pair<int, Amount> boxes[] = {
        {39, Amount::zloty(30000 + i % 90000)}, {40, "1335.00"_zl}, {43, Amount::zloty(3000 + i % 9000)},
        {44, "12000.00"_zl}, {46, "1000.00"_zl}, {47, "5000.00"_zl}, {48, "1000.00"_zl}, {51, "760.00"_zl},
        {66, Amount::zloty(20000 + i % 50000)}, {67, "1335.00"_zl}, {70, "2500.00"_zl}, {93, "4000.00"_zl},
        {94, "2000.00"_zl}, {110, "2500.00"_zl}, {111, "1500.00"_zl}, {126, "25.00"_zl}};
    for (auto [box, a] : boxes) {
        m.SetEmpty(box, false);
        m.SetField(box, a);
    }
}

void BM_Pit37Calculate(benchmark::State& state)
{
    RecordingSink sink;
    TPit37 m;
    typeReturn(m, 7);
    for (auto _ : state) {
        m.Calculate();
        benchmark::DoNotOptimize(m.GetPole(120));
    }
}
BENCHMARK(BM_Pit37Calculate)->Unit(benchmark::kMicrosecond);

// Writes the taxpayers and their rows in one transaction per table (set-up, not measured).
void fill(TDM& dm)
{
    QSqlDatabase pod = dm.Podatnik->database();
    pod.transaction();
    QSqlQuery q(pod);
    q.prepare(QStringLiteral(
        "INSERT INTO Podatnik (PodatId, Sposob, Glowny, PitO, PitDPod, UrzadId, NIP, Nazwisko, Imie, DataUr, Pesel,"
        " Kraj, Wojew, Powiat, Gmina, Ulica, Posesja, Miasto, KodPoczt, MNIP, MNazwisko, MImie, MDataUr, MPesel)"
        " VALUES (?, ?, 'PIT-37', ?, ?, 1, '123-456-32-18', ?, 'Jan', '1980-04-30', '80043012343', 'Polska',"
        " 'Mazowieckie', 'Warszawa', 'Warszawa', 'Prosta', '1', 'Warszawa', '00-001', '526-000-12-46', ?,"
        " 'Anna', '1982-01-15', '')"));
    for (int i = 1; i <= kTaxpayers; ++i) {
        q.addBindValue(i);
        q.addBindValue(i % 3 == 0 ? 1 : 0);
        q.addBindValue(i % 5 == 0 ? 1 : 0);
        q.addBindValue(i % 7 == 0 ? 1 : 0);
        q.addBindValue(QStringLiteral("Nowak%1").arg(i));
        q.addBindValue(QStringLiteral("Nowak%1").arg(i));
        q.exec();
    }
    pod.commit();

    QSqlDatabase pit = dm.Pit37->database();
    pit.transaction();
    QSqlQuery r(pit);
    r.prepare(QStringLiteral("INSERT INTO Pit37 (PodatId, P10_1, P39, P40, P43, P44, P46, P66, P67, P70, P93, P94,"
                             " P110, P111, KwotaOPP, NazwaOPP, NumerOPP) VALUES (?, 1, ?, 1335, ?, 12000, 1000, ?,"
                             " 1335, 2500, 4000, 2000, 2500, 1500, 25, 'Fundacja', '0000012345')"));
    for (int i = 1; i <= kTaxpayers; ++i) {
        r.addBindValue(i);
        r.addBindValue(30000 + i % 90000);
        r.addBindValue(3000 + i % 9000);
        r.addBindValue(20000 + i % 50000);
        r.exec();
    }
    pit.commit();

    QSqlDatabase po = dm.PitO->database();
    po.transaction();
    QSqlQuery o(po);
    o.prepare(QStringLiteral("INSERT INTO PitO (PodatId, NrZal, P13, P21, P34, P35) VALUES (?, 1, 500, 760, 1, 1173.70)"));
    for (int i = 5; i <= kTaxpayers; i += 5) {
        o.addBindValue(i);
        o.exec();
    }
    po.commit();

    QSqlDatabase pd = dm.PitD->database();
    pd.transaction();
    QSqlQuery d(pd);
    d.prepare(QStringLiteral("INSERT INTO PitD (PodatId, P32, P40, P49) VALUES (?, 3000, 2000, 1000)"));
    for (int i = 7; i <= kTaxpayers; i += 7) {
        d.addBindValue(i);
        d.exec();
    }
    pd.commit();
}

class Folder {
public:
    Folder() : dm(false)
    {
        dm.OpenTables(data.path());
        fill(dm);
        dm.CloseDatabase();
        dm.OpenTables(data.path());
    }
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm;
};

void BM_Pit37LoadCalculateVerify(benchmark::State& state)
{
    Folder f;
    int i = 0;
    for (auto _ : state) {
        TPit37 m;
        m.Load(i % kTaxpayers + 1);
        m.Verify();
        benchmark::DoNotOptimize(m.GetPole(120));
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
    if (f.sink.count() > 0) state.SkipWithError("unexpected message box");
}
BENCHMARK(BM_Pit37LoadCalculateVerify)->Unit(benchmark::kMicrosecond);

void BM_Pit37AllReturnsOfTheFolder(benchmark::State& state)
{
    Folder f;
    for (auto _ : state) {
        Amount total;
        for (int id = 1; id <= kTaxpayers; ++id) {
            TPit37 m;
            m.Load(id);
            m.Verify();
            total += m.GetPole(122);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kTaxpayers);
}
BENCHMARK(BM_Pit37AllReturnsOfTheFolder)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
