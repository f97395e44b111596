// The small "Nouveau produit" window of the instalment tab: a product created on the spot
// when the designation typed on a line is not in the table.
#pragma once

#include <string>

namespace kelmo {
class Operator;
namespace store {
class Store;
}
}  // namespace kelmo

namespace kelmo::sales {

struct QuickProduct {
    std::string designation;  // "DESIGNATION:"
    std::string initial;      // "Quantité initiale:"
    std::string purchase;     // "P. A.:"
    std::string wholesale;    // "P.V. GROS:" (not stored)
    std::string cash;         // "P.V. CASH:"
    std::string instalment;   // "P.V. F."
};

// Saves one product under the next code; its stock is left to the next recompute. The
// empty number fields become "0". False when refused or not written.
bool save_quick_product(store::Store& store, Operator& op, QuickProduct& product);

}  // namespace kelmo::sales
