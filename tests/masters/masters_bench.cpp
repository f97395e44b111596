// Lists and lookups of the Tables window on a large shop: 50 000 products and clients,
// one product with 2 000 receipt lines.
#include <benchmark/benchmark.h>

#include <memory>

#include "masters/clients.h"
#include "masters/products.h"
#include "masters/stock.h"
#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

constexpr int kRows = 50000;

test::TempData& shop() {
    static std::unique_ptr<test::TempData> data = [] {
        auto d = std::make_unique<test::TempData>();
        store::Store& s = d->store();
        {
            store::Store::Transaction t(s, store::kProd);
            for (int i = 1; i <= kRows; ++i)
                s.update(store::kProd,
                         "insert into FProd values (?,?,'100','500','700','600','100','','500')",
                         {std::to_string(i), "PRODUIT " + std::to_string(i)});
            t.commit();
        }
        {
            store::Store::Transaction t(s, store::kClient);
            for (int i = 1; i <= kRows; ++i)
                s.update(store::kClient,
                         "insert into fclient values (?,?,'AD','TEL',?,'',?,'0','1')",
                         {std::to_string(i), "CLIENT " + std::to_string(i),
                          "FONC" + std::to_string(i % 50), std::to_string(1000000 + i)});
            t.commit();
        }
        {
            store::Store::Transaction t(s, store::kBr);
            for (int i = 1; i <= 2000; ++i)
                s.update(store::kBr,
                         "insert into FBr (Numdoc,DateNum,CodeProd,Qte,Pu) "
                         "values (?,?,'77','100','900')",
                         {std::to_string(i), std::to_string(i * 86400LL)});
            t.commit();
        }
        return d;
    }();
    return *data;
}

void BM_FillProductList(benchmark::State& state) {
    ProductsTab tab(shop().store(), shop().op());
    for (auto _ : state) tab.fill_product_list();
}
BENCHMARK(BM_FillProductList)->Unit(benchmark::kMillisecond);

void BM_FillClientList(benchmark::State& state) {
    ClientsTab tab(shop().store(), shop().op());
    for (auto _ : state) tab.fill_client_list();
}
BENCHMARK(BM_FillClientList)->Unit(benchmark::kMillisecond);

void BM_FillOccupationBox(benchmark::State& state) {
    for (auto _ : state) {
        ClientsTab tab(shop().store(), shop().op());
        tab.fill_occupation_box();
    }
}
BENCHMARK(BM_FillOccupationBox)->Unit(benchmark::kMillisecond);

void BM_SaveListedProduct(benchmark::State& state) {
    ProductsTab tab(shop().store(), shop().op());
    tab.fill_product_list();
    for (auto _ : state) {
        tab.choose_row(kRows - 1);
        tab.save_product();
    }
}
BENCHMARK(BM_SaveListedProduct)->Unit(benchmark::kMillisecond);

void BM_RecomputeStock(benchmark::State& state) {
    for (auto _ : state) recompute_product_stock(shop().store(), "77");
}
BENCHMARK(BM_RecomputeStock)->Unit(benchmark::kMillisecond);

void BM_StockBySums(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(product_stock_by_sums(shop().store(), "77"));
}
BENCHMARK(BM_StockBySums)->Unit(benchmark::kMicrosecond);

void BM_ClientByPostalAccount(benchmark::State& state) {
    ClientsTab tab(shop().store(), shop().op());
    for (auto _ : state) {
        tab.form.ccp = "1049999";
        tab.enter_ccp();
    }
}
BENCHMARK(BM_ClientByPostalAccount)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelmo::masters

BENCHMARK_MAIN();
