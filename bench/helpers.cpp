// Per-call cost of the tax scale and the identifier checks.

#include "Globals.h"
#include "NumWeryf.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ScaleTax(benchmark::State& state)
{
    Amount income = "30000.00"_zl;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScaleTax(income));
        income += "1.37"_zl;
        if (income > "150000"_zl) income = "30000.00"_zl;
    }
}
BENCHMARK(BM_ScaleTax);

void BM_IsValidNip(benchmark::State& state)
{
    const QString nip = QStringLiteral("123-456-32-18");
    for (auto _ : state) benchmark::DoNotOptimize(IsValidNip(nip));
}
BENCHMARK(BM_IsValidNip);

void BM_IsValidPesel(benchmark::State& state)
{
    const QString pesel = QStringLiteral("70030501231");
    for (auto _ : state) benchmark::DoNotOptimize(IsValidPesel(pesel));
}
BENCHMARK(BM_IsValidPesel);

void BM_IsValidAccount(benchmark::State& state)
{
    const QString account = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    for (auto _ : state) benchmark::DoNotOptimize(IsValidAccount(account));
}
BENCHMARK(BM_IsValidAccount);

}  // namespace

BENCHMARK_MAIN();
