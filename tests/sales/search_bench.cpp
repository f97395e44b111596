// Search as you type on a large table: one keystroke's refill of the chooser.
#include <benchmark/benchmark.h>

#include "sales/instalment_sale.h"
#include "store/store.h"
#include "support/temp_data.h"
#include "util/text.h"

using namespace kelmo;

namespace {

constexpr int kRows = 50000;

struct Fixture {
    test::TempData data;
    sales::InstalmentSale sale{data.store(), data.op()};
    Fixture() {
        store::Store& db = data.store();
        const char* syllables[] = {"BEN", "ALI", "KAR", "IM", "SAI",
                                   "DI",  "MOU", "RAD", "HA", "LIM"};
        store::Store::Transaction c(db, store::kClient);
        store::Store::Transaction p(db, store::kProd);
        for (int i = 1; i <= kRows; ++i) {
            std::string name = std::string(syllables[i % 10]) + syllables[(i / 10) % 10] +
                               syllables[(i / 100) % 10] + " " + to_text(i);
            db.update(store::kClient,
                      "insert into fclient (CodeClient,nom,tel,ccp) values (?,?,?,?)",
                      {to_text(i), name, "05" + to_text(10000000 + i), to_text(900000 + i)});
            db.update(store::kProd, "insert into FProd (Codeprod,Prod,stock) values (?,?,?)",
                      {to_text(i), "ARTICLE " + name, to_text(i % 3 * 100)});
        }
        c.commit();
        p.commit();
    }
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
BENCHMARK_CAPTURE(BM_SearchByName, common, "BE")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByName, rare, "RADHA 4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByName, none, "ZZZ")->Unit(benchmark::kMillisecond);

void BM_SearchByTel(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.tel = "0510004";
        f.sale.search_by_tel();
    }
}
BENCHMARK(BM_SearchByTel)->Unit(benchmark::kMillisecond);

void BM_SearchByDesignation(benchmark::State& state, const char* typed) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.sale.form.designation = typed;
        f.sale.search_by_designation();
    }
}
BENCHMARK_CAPTURE(BM_SearchByDesignation, common, "ART")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchByDesignation, none, "ZZZ")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
