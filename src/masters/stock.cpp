#include "masters/stock.h"

#include <algorithm>

#include "store/store.h"
#include "util/numbers.h"
#include "util/text.h"

namespace kelmo::masters {

using store::Row;
using store::Store;

namespace {

// Position of FProd.Pai, appended after the columns read by position. Files made before it
// existed lack it; their initial quantity is then valued at Pa.
constexpr int kInitialPriceColumn = 8;

}  // namespace

std::string whole_units_text(long long hundredths) {
    // Below one unit either way there is no whole unit to show.
    if (hundredths > -100 && hundredths < 100) return "";
    return to_text(hundredths / 100);
}

StockBySums product_stock_by_sums(Store& store, const std::string& code) {
    const store::Rows product =
        store.query(store::kProd, "select * from fProd where codeprod=?", {code});
    const long long qi = product.empty() ? 0 : product[0].integer(2);
    long long in = store.sum(store::kBr, "select sum(qte) from fbr where codeprod=?", {code});
    long long out =
        store.sum(store::kBlfProd, "select sum(qte) from FblfProd where codeprod=?", {code}) +
        store.sum(store::kBlc, "select sum(qte) from Fblc where codeprod=?", {code});
    in += store.sum(store::kBrs, "select sum(qe) from Fbrs where codeprod=?", {code});
    out += store.sum(store::kBrs, "select sum(qs) from Fbrs where codeprod=?", {code});
    StockBySums result;
    result.hundredths = qi + in - out;
    result.text = to_text(result.hundredths);
    result.units = whole_units_text(result.hundredths);
    return result;
}

Replayed replay_movements(std::vector<Movement> movements) {
    std::stable_sort(movements.begin(), movements.end(),
                     [](const Movement& a, const Movement& b) { return a.day < b.day; });
    long long stock = 0;
    long long pmp = 0;
    for (const Movement& m : movements) {
        if (stock >= 0 && m.in > 0) {
            // A regularisation holding both quantities can leave nothing (or less than
            // nothing) to spread the value over: the average then stays as it was.
            const long long divisor = stock + m.in - m.out;
            if (divisor > 0) {
                const __int128 value =
                    static_cast<__int128>(stock) * pmp + static_cast<__int128>(m.in) * m.price;
                pmp = static_cast<long long>(value / divisor);
            }
        }
        stock += m.in - m.out;
        if (pmp <= 0) pmp = m.price;
    }
    return {stock, pmp};
}

void recompute_product_stock(Store& store, const std::string& code) {
    const store::Rows product =
        store.query(store::kProd, "select * from FProd where codeprod=?", {code});
    if (product.empty()) return;
    const Row& p = product[0];

    // The initial quantity enters at the purchase price typed on the product, not at the
    // average a previous recompute stored in Pa: recomputing without a change to the
    // documents must store the same average again.
    long long initial_price = whole_value(p.text(3));
    if (p.size() > kInitialPriceColumn) {
        if (p.text(kInitialPriceColumn).empty())
            store.update(store::kProd, "update fProd set pai=? where codeprod=?",
                         {p.text(3), code});
        else
            initial_price = whole_value(p.text(kInitialPriceColumn));
    }

    std::vector<Movement> movements;
    movements.push_back({0, whole_value(p.text(2)), 0, initial_price});
    // Sales and regularisations carry the price of the element added just before them.
    auto last_price = [&movements] { return movements.back().price; };
    store.for_each(store::kBr, "select * from fbr where codeprod=?", {code}, [&](const Row& r) {
        movements.push_back({r.integer(2), r.integer(5), 0, r.integer(6)});
        return true;
    });
    store.for_each(store::kBlfProd, "select * from FblfProd where codeprod=?", {code},
                   [&](const Row& r) {
                       movements.push_back({r.integer(2), 0, r.integer(6), last_price()});
                       return true;
                   });
    store.for_each(store::kBlc, "select * from fblc where codeprod=?", {code}, [&](const Row& r) {
        movements.push_back({r.integer(2), 0, r.integer(5), last_price()});
        return true;
    });
    store.for_each(store::kBrs, "select * from fBrs where codeprod=?", {code}, [&](const Row& r) {
        movements.push_back({r.integer(2), r.integer(4), r.integer(5), last_price()});
        return true;
    });

    const Replayed result = replay_movements(std::move(movements));
    store.update(store::kProd, "update fProd set stock=? where codeprod=?",
                 {to_text(result.stock), code});
    if (result.average > 0)
        store.update(store::kProd, "update fProd set pa=? where codeprod=?",
                     {to_text(result.average), code});
}

}  // namespace kelmo::masters
