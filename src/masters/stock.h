// Stock quantities of a product, derived from its initial quantity and every document line
// that names it. No table holds movements: the `stock` column of FProd is only a cache of
// the last recompute, never added to or subtracted from directly.
#pragma once

#include <string>
#include <vector>

namespace kelmo::store {
class Store;
}

namespace kelmo::masters {

// The stock by sums: order-free and always current (initial quantity + receipts +
// regularisations in - instalment and cash sales - regularisations out).
struct StockBySums {
    long long hundredths = 0;
    std::string text;   // decimal digits of the hundredths, "-300"
    std::string units;  // whole units: "1250" -> "12", "50" -> "", "-300" -> "-3"
};

// Reads only. An unknown product counts its initial quantity as 0.
StockBySums product_stock_by_sums(store::Store& store, const std::string& code);

// Replays the product's movements in date order, stores the resulting stock in FProd.stock
// and, when positive, the weighted average purchase price in FProd.Pa. Does nothing for a
// code FProd does not hold. Call it after every change to a document line that moves the
// product's stock. With no change to the documents it stores the same values again.
void recompute_product_stock(store::Store& store, const std::string& code);

// The whole-unit text of a stock in hundredths (the decimal text without its last two
// characters): 1250 -> "12", 50 -> "", -300 -> "-3".
std::string whole_units_text(long long hundredths);

// One element of the replay, in hundredths.
struct Movement {
    long long day = 0;  // day number; 0 for the initial quantity
    long long in = 0;
    long long out = 0;
    long long price = 0;  // unit price at which `in` enters
};

struct Replayed {
    long long stock = 0;
    long long average = 0;  // weighted average purchase price; 0 when nothing valued it
};

// Sorts the movements by day (stable: the order given breaks ties) and replays them.
Replayed replay_movements(std::vector<Movement> movements);

}  // namespace kelmo::masters
