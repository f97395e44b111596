// Lists, saves, stock and lookups of the Tables window, and the numbering of codes and
// documents, on the generated shop (20 000 products, 60 000 clients, years of documents).
#include <benchmark/benchmark.h>

#include <memory>

#include "masters/clients.h"
#include "masters/products.h"
#include "masters/stock.h"
#include "shop_data.h"
#include "store/store.h"

namespace kelmo::masters {
namespace {

struct Shop {
    bench::QuietOperator op;
    std::unique_ptr<store::Store> store;
    std::string busiest;  // the product with the most movements
    std::string ccp;      // the postal account of the last client
    Shop() {
        const std::string& folder = bench::bench_data_folder();
        store = store::Store::open(op, folder);
        busiest = bench::busiest_product(folder);
        ccp = store
                  ->query(store::kClient,
                          "select ccp from fclient where ccp<>'' order by CodeClient desc "
                          "limit 1")
                  .first();
    }
};

Shop& shop() {
    static Shop s;
    return s;
}

void BM_FillProductList(benchmark::State& state) {
    ProductsTab tab(*shop().store, shop().op);
    for (auto _ : state) tab.fill_product_list();
    state.counters["rows"] = static_cast<double>(tab.rows().size());
}
BENCHMARK(BM_FillProductList)->Unit(benchmark::kMillisecond);

void BM_FillClientList(benchmark::State& state) {
    ClientsTab tab(*shop().store, shop().op);
    for (auto _ : state) tab.fill_client_list();
}
BENCHMARK(BM_FillClientList)->Unit(benchmark::kMillisecond);

void BM_FillOccupationBox(benchmark::State& state) {
    for (auto _ : state) {
        ClientsTab tab(*shop().store, shop().op);
        tab.fill_occupation_box();
    }
}
BENCHMARK(BM_FillOccupationBox)->Unit(benchmark::kMillisecond);

// Saving the last listed product unchanged: the data stay as generated.
void BM_SaveListedProduct(benchmark::State& state) {
    ProductsTab tab(*shop().store, shop().op);
    tab.fill_product_list();
    int last = static_cast<int>(tab.rows().size()) - 1;
    for (auto _ : state) {
        tab.choose_row(last);
        tab.save_product();
    }
}
BENCHMARK(BM_SaveListedProduct)->Unit(benchmark::kMillisecond);

// The replay of years of sales, receipts and regularisations of the busiest product; it
// stores the same stock and price at every run.
void BM_RecomputeStock(benchmark::State& state) {
    Shop& s = shop();
    for (auto _ : state) recompute_product_stock(*s.store, s.busiest);
}
BENCHMARK(BM_RecomputeStock)->Unit(benchmark::kMillisecond);

void BM_StockBySums(benchmark::State& state) {
    Shop& s = shop();
    for (auto _ : state) benchmark::DoNotOptimize(product_stock_by_sums(*s.store, s.busiest));
}
BENCHMARK(BM_StockBySums)->Unit(benchmark::kMicrosecond);

void BM_ClientByPostalAccount(benchmark::State& state) {
    ClientsTab tab(*shop().store, shop().op);
    for (auto _ : state) {
        tab.form.ccp = shop().ccp;  // the shop is built by the constructor above
        tab.enter_ccp();
    }
}
BENCHMARK(BM_ClientByPostalAccount)->Unit(benchmark::kMicrosecond);

// The largest value plus one, as every code and document number is allocated.
void BM_NextNumber(benchmark::State& state, int db, const char* sql) {
    store::Store& s = *shop().store;
    for (auto _ : state) benchmark::DoNotOptimize(s.next_number(sql, db));
}
BENCHMARK_CAPTURE(BM_NextNumber, FProd, store::kProd, "SELECT max(codeprod) FROM FProd")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, fclient, store::kClient, "SELECT max(codeClient) FROM fclient")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, fBLf, store::kBlf, "SELECT max(numdoc) FROM fblf")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, Fblc, store::kBlc, "SELECT max(numdoc) FROM fBlc")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, FBr, store::kBr, "SELECT max(numdoc) FROM fBr")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, fcaisse, store::kCaisse, "select MAX(numdoc) from fcaisse")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextNumber, fVerR, store::kVer, "select MAX(numdoc) from fVerR")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelmo::masters

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    kelmo::masters::shop();  // generates the folder when needed, outside any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
