// PIT-36 model: Load (register, attachments, the row) and Calculate of a return with three
// PIT/B, two PIT/ZG, PIT/Z, PIT/M, PIT/O and PIT/D attached; Calculate alone.

#include "FDM.h"
#include "FPit36.h"
#include "Messages.h"
#include "TestEnv.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void addRow(TTable* t, int podatId, const QVariantMap& values)
{
    t->ensureOpen();
    t->append();
    t->setValue(QStringLiteral("PodatId"), podatId);
    for (auto it = values.begin(); it != values.end(); ++it) t->setValue(it.key(), it.value());
    t->post();
}

QVariant zl(const char* text) { return QVariant::fromValue(*Amount::parse(QString::fromLatin1(text))); }

int addReturn(TDM& dm)
{
    dm.Podatnik->append();
    dm.Podatnik->setValue(QStringLiteral("Nazwisko"), QStringLiteral("Nowak"));
    dm.Podatnik->setValue(QStringLiteral("Imie"), QStringLiteral("Jan"));
    dm.Podatnik->setValue(QStringLiteral("Glowny"), QStringLiteral("PIT-36"));
    dm.Podatnik->setValue(QStringLiteral("Sposob"), 1);
    dm.Podatnik->setValue(QStringLiteral("PitBPod"), 3);
    dm.Podatnik->setValue(QStringLiteral("PitZGPod"), 2);
    dm.Podatnik->setValue(QStringLiteral("PitZPod"), true);
    dm.Podatnik->setValue(QStringLiteral("PitMPod"), true);
    dm.Podatnik->setValue(QStringLiteral("PitDPod"), true);
    dm.Podatnik->setValue(QStringLiteral("PitO"), 1);
    dm.Podatnik->post();
    const int id = dm.Podatnik->asInt(QStringLiteral("PodatId"));
    for (int nr = 1; nr <= 3; ++nr)
        addRow(dm.PitB, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("NrZal"), nr},
                             {QStringLiteral("P11"), zl("40000")}, {QStringLiteral("P12"), zl("15000")}});
    for (int nr = 1; nr <= 2; ++nr) {
        addRow(dm.PitZG, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("NrZal"), nr},
                              {QStringLiteral("P7"), QStringLiteral("Niemcy")}, {QStringLiteral("P11"), zl("300")},
                              {QStringLiteral("P12"), zl("5000")}});
        for (int pole : {10, 13, 16, 19, 22, 25})
            addRow(dm.Zagranica, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("NrZal"), nr},
                                      {QStringLiteral("Pole"), pole}, {QStringLiteral("Przychod"), zl("2000")},
                                      {QStringLiteral("Koszty"), zl("500")}});
    }
    addRow(dm.PitZ, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("P33"), zl("90000")},
                         {QStringLiteral("P34"), zl("30000")}, {QStringLiteral("P35"), zl("60000")}});
    addRow(dm.PitM, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("P10"), zl("12000")},
                         {QStringLiteral("P11"), zl("2000")}});
    addRow(dm.PitO, id, {{QStringLiteral("NrZal"), 1}, {QStringLiteral("P13"), zl("500")}, {QStringLiteral("P30"), zl("200")}});
    addRow(dm.PitD, id, {{QStringLiteral("P37"), zl("800")}});
    addRow(dm.Utrata, id, {{QStringLiteral("Rodz"), QStringLiteral("P")}, {QStringLiteral("Gosp"), zl("1000")}});
    addRow(dm.Pit36, id, {{QStringLiteral("P45"), zl("30000")}, {QStringLiteral("P88"), zl("45000")},
                          {QStringLiteral("P176"), zl("2000")}, {QStringLiteral("P177"), zl("2000")}});
    return id;
}

void BM_Pit36LoadWithAttachments(benchmark::State& state)
{
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm(false);
    dm.OpenTables(data.path());
    const int id = addReturn(dm);
    TPit36 m;
    for (auto _ : state) {
        m.Load(id);
        benchmark::DoNotOptimize(m.GetPole(207));
    }
}
BENCHMARK(BM_Pit36LoadWithAttachments)->Unit(benchmark::kMillisecond);

void BM_Pit36Calculate(benchmark::State& state)
{
    TempSettings settings;
    TempDataFolder data;
    RecordingSink sink;
    TDM dm(false);
    dm.OpenTables(data.path());
    const int id = addReturn(dm);
    TPit36 m;
    m.Load(id);
    for (auto _ : state) {
        m.Calculate();
        benchmark::DoNotOptimize(m.GetPole(207));
    }
}
BENCHMARK(BM_Pit36Calculate)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
