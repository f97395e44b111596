// Search as you type on the instalment tab over the generated shop (60 000 clients,
// 20 000 products): one keystroke's refill of the chooser, and loading a document.
#include <benchmark/benchmark.h>

#include <memory>

#include "sales/instalment_sale.h"
#include "shop_data.h"
#include "store/store.h"

using namespace kelmo;

namespace {

struct Fixture {
    bench::QuietOperator op;
    std::unique_ptr<store::Store> store = store::Store::open(op, bench::bench_data_folder());
    sales::InstalmentSale sale{*store, op};
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_SearchByName(benchmark::State& state, const char* typed) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.client = typed;
        f.sale.search_by_name();
        benchmark::DoNotOptimize(f.sale.form.chooser.size());
    }
}
BENCHMARK_CAPTURE(BM_SearchByName, common, "BEN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByName, rare, "ZERROUKI DALILA")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByName, none, "ZZZ")->Unit(benchmark::kMillisecond);

void BM_SearchByTel(benchmark::State& state, const char* typed) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.tel = typed;
        f.sale.search_by_tel();
    }
}
BENCHMARK_CAPTURE(BM_SearchByTel, common, "055")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByTel, rare, "0551234")->Unit(benchmark::kMillisecond);

void BM_SearchByCcp(benchmark::State& state, const char* typed) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.ccp = typed;
        f.sale.search_by_ccp();
    }
}
BENCHMARK_CAPTURE(BM_SearchByCcp, common, "100")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByCcp, rare, "123456")->Unit(benchmark::kMillisecond);

void BM_SearchByDesignation(benchmark::State& state, const char* typed) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.designation = typed;
        f.sale.search_by_designation();
    }
}
BENCHMARK_CAPTURE(BM_SearchByDesignation, common, "REFRIG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByDesignation, rare, "TELEVISEUR SONY 4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByDesignation, none, "ZZZ")->Unit(benchmark::kMillisecond);

// Loading a document of the middle of the years: header, client, lines, payments, balance.
void BM_LoadInstalmentSale(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.number = "12345";
        f.sale.load_instalment_sale();
    }
}
BENCHMARK(BM_LoadInstalmentSale)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    fixture();  // generates the folder when needed, outside any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
