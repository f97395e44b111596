#include "sales/quick_product.h"

#include "masters/products.h"
#include "store/store.h"
#include "util/numbers.h"
#include "util/operator.h"
#include "util/text.h"

namespace kelmo::sales {

bool save_quick_product(store::Store& store, Operator& op, QuickProduct& p) {
    if (trim(p.designation).empty()) {
        op.message("Erreur", "La désignation du Produit est incorrecte !");
        return false;
    }
    for (std::string* f : {&p.initial, &p.purchase, &p.wholesale, &p.cash, &p.instalment})
        if (trim(*f).empty()) *f = "0";
    auto cents = [](const std::string& s) { return to_text(whole_value(to_hundredths(s))); };
    // The next code skips those that mark document header rows.
    std::string code = masters::next_product_code(store);
    if (!store.update(store::kProd,
                      "insert into FProd (Codeprod,Prod,Qi,Pa,Pvc,Pvf)  values (?,?,?,?,?,?)",
                      {code, trim(p.designation), cents(p.initial), cents(p.purchase),
                       cents(p.cash), cents(p.instalment)}))
        return false;
    // The typed purchase price values the initial quantity in the stock recompute.
    if (masters::products_keep_initial_price(store))
        store.update(store::kProd, "update FProd set pai=? where codeprod=?",
                     {cents(p.purchase), code});
    op.message("Confirmation", "Le nouveau produit a été ajouté dans la table ! ");
    return true;
}

}  // namespace kelmo::sales
