#include "masters/products.h"

#include "masters/stock.h"
#include "store/store.h"
#include "util/numbers.h"
#include "util/operator.h"
#include "util/text.h"

namespace kelmo::masters {

using store::Store;

namespace {

constexpr int kPaColumn = 3;

}  // namespace

std::string next_product_code(Store& store) {
    long long code =
        whole_value(store.next_number("SELECT max(codeprod) FROM FProd", store::kProd));
    if (code == 999 || code == 9999) ++code;
    return to_text(code);
}

bool products_keep_initial_price(Store& store) {
    return whole_value(store
                           .query(store::kProd,
                                  "select count(*) from pragma_table_info('FProd') "
                                  "where name='Pai'")
                           .first()) > 0;
}

const std::vector<ListColumn>& ProductsTab::columns() {
    static const std::vector<ListColumn> kColumns = {
        {"Code", 40, Align::Center},     {"DESIGNATIONDU PRODUIT", 280, Align::Left},
        {"Qté init.", 60, Align::Right}, {"P. A.", 100, Align::Right},
        {"P.V.F.", 100, Align::Right},   {"P.V.C.", 100, Align::Right},
        {"STOCK", 100, Align::Right}};
    return kColumns;
}

ListRow ProductsTab::row_of(const ProductForm& f) const {
    ListRow row;
    row.cells = {f.code, f.prod, f.qi, f.pa, f.pvf, f.pvc, f.stock};
    return row;
}

void ProductsTab::fill_product_list() {
    rows_.clear();
    store_.for_each(store::kProd, "SELECT * FROM FProd order by prod", {},
                    [this](const store::Row& r) {
                        ListRow row;
                        row.cells = {r.text(0),
                                     r.text(1),
                                     format_amount(r.text(2)),
                                     format_amount(r.text(3)),
                                     format_amount(r.text(4)),
                                     format_amount(r.text(5)),
                                     format_amount(r.text(6))};
                        rows_.push_back(std::move(row));
                        return true;
                    });
    stripe_rows(rows_);
}

void ProductsTab::choose_row(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    const ListRow& r = rows_[index];
    form = {r.cell(0), r.cell(1), r.cell(2), r.cell(3), r.cell(4), r.cell(5), r.cell(6)};
}

void ProductsTab::new_product() {
    form = {};
    form.code = next_product_code(store_);
}

RowChange ProductsTab::save_product() {
    std::string code = form.code;
    const std::string prod = trim(form.prod);
    std::string qi = trim(form.qi);
    std::string pa = trim(form.pa);
    std::string pvf = trim(form.pvf);
    std::string pvc = trim(form.pvc);

    if (code.empty()) form.code = code = next_product_code(store_);
    if (prod.empty()) {
        op_.message("Erreur", "La désignation du produit est incorrecte !");
        return {};
    }
    if (qi.empty()) qi = "0";
    // A purchase price that is not a number is no price at all.
    if (!pa.empty() && !is_number(pa)) pa.clear();
    if (pa.empty() && whole_value(qi) > 0) {
        op_.message("Erreur", "Le prix d'achat est obligatoire !");
        return {};
    }
    if (!is_number(qi)) qi = "0";
    if (pvf.empty()) pvf = "0";
    if (pvc.empty()) pvc = "0";
    // Both sale prices are stored: neither may be text that isn't a number.
    if (!is_number(pvc) || !is_number(pvf)) {
        op_.message("Erreur", "Prix de vente incorrect !");
        return {};
    }

    ProductForm saved;
    saved.code = code;
    saved.prod = prod;
    const std::string qi_h = to_hundredths(qi);
    const std::string pa_h = to_hundredths(pa);
    const std::string pvf_h = to_hundredths(pvf);
    const std::string pvc_h = to_hundredths(pvc);
    saved.qi = format_amount(qi_h);
    saved.pa = format_amount(pa_h);
    saved.pvf = format_amount(pvf_h);
    saved.pvc = format_amount(pvc_h);

    const store::Rows existing =
        store_.query(store::kProd, "SELECT * FROM FProd where codeprod=?", {code});
    // The initial quantity keeps the price it entered at: only a purchase price the operator
    // changed (the form shows the average) replaces it.
    bool typed_new_price = true;
    if (!existing.empty()) {
        const store::Row& old = existing[0];
        const bool has_initial = old.size() > 8 && !old.text(8).empty();
        typed_new_price = !has_initial || whole_value(old.text(kPaColumn)) != whole_value(pa_h);
        store_.update(store::kProd,
                      "update FProd set  prod=?, qi=?, pa=?, pvf=?, pvc=?, stock=?  where "
                      "codeprod=?",
                      {prod, qi_h, pa_h, pvf_h, pvc_h, old.text(6), code});
    } else {
        store_.update(store::kProd,
                      "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc,stock)  values "
                      "(?,?,?,?,?,?,\"0\")",
                      {code, prod, qi_h, pa_h, pvf_h, pvc_h});
    }
    if (typed_new_price && products_keep_initial_price(store_))
        store_.update(store::kProd, "update FProd set pai=? where codeprod=?", {pa_h, code});

    const StockBySums stock = product_stock_by_sums(store_, code);
    store_.update(store::kProd, "update FProd set stock=? where codeprod=?", {stock.text, code});
    saved.stock = format_amount(stock.hundredths);

    const RowChange change = put_row(rows_, row_of(saved));
    form = {};
    return change;
}

RowChange ProductsTab::delete_product() {
    const std::string code = form.code;
    if (store_.query(store::kProd, "SELECT * FROM FProd where codeprod=?", {code}).empty()) {
        op_.message("Erreur inattendue", "Code produit introuvable dans la table des produits!");
        return {};
    }
    static const RecordUse kUses[] = {
        {store::kBr, "SELECT * FROM fbr where codeprod=?",
         "Ce produit est utilisé au niveau des réceptions. Impossible de le supprimer de la "
         "table. Voir bon de réception N°: "},
        {store::kBlfProd, "SELECT * FROM FblfProd where codeprod=?",
         "Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir bon de livraison (f) N°: "},
        {store::kBlc, "SELECT * FROM fblc where codeprod=?",
         "Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir bon de livraison (c) N°: "},
        {store::kFac, "SELECT * FROM facv where codeprod=?",
         "Ce produit est utilisé au niveau des factures. Impossible de le supprimer de la "
         "table. Voir facture N°: "},
    };
    for (const RecordUse& use : kUses)
        if (report_use(store_, op_, "Produit utilisé", use, code)) return {};
    if (op_.ask_yes_no_cancel("Suppression d'un produit",
                              "Etes-vous sûr de vouloir supprimer ce produit?") != Answer::Yes)
        return {};
    store_.update(store::kProd, "Delete from FProd where codeprod=?", {code});
    form = {};
    return remove_row(rows_, code);
}

}  // namespace kelmo::masters
