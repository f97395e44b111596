// The "Nouveau produit" window, opened from a line whose designation is unknown.
#pragma once

#include <string>

class QWidget;

namespace kelmo {
class Operator;
namespace store {
class Store;
}
}  // namespace kelmo

namespace kelmo::sales {

// Runs the window until the operator closes it; each save creates one product.
void run_quick_product_dialog(store::Store& store, Operator& op, const std::string& designation,
                              QWidget* parent);

}  // namespace kelmo::sales
