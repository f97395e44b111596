#include "masters/suppliers.h"

#include "masters/partners.h"
#include "store/store.h"
#include "util/numbers.h"
#include "util/operator.h"
#include "util/text.h"

namespace kelmo::masters {

const std::vector<ListColumn>& SuppliersTab::columns() {
    static const std::vector<ListColumn> kColumns = {{"Code", 40, Align::Center},
                                                     {"FOURNISSEUR", 200, Align::Left},
                                                     {"ADRESSE", 150, Align::Left},
                                                     {"N° TELEPHONE", 110, Align::Left},
                                                     {"Solde Initial", 80, Align::Center}};
    return kColumns;
}

void SuppliersTab::fill_supplier_list() {
    rows_.clear();
    store_.for_each(
        store::kFour, "SELECT * FROM Ffour order by nom", {}, [this](const store::Row& r) {
            ListRow row;
            row.cells = {r.text(0), r.text(1), r.text(2), r.text(3), format_amount(r.text(4))};
            rows_.push_back(std::move(row));
            return true;
        });
    stripe_rows(rows_);
}

void SuppliersTab::choose_row(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    const ListRow& r = rows_[index];
    form = {r.cell(0), r.cell(1), r.cell(2), r.cell(3), r.cell(4)};
}

bool SuppliersTab::load_supplier(const std::string& code) {
    const store::Rows rows =
        store_.query(store::kFour, "SELECT * FROM Ffour where CodeFour=?", {code});
    if (rows.empty()) return false;
    const store::Row& r = rows[0];
    form = {r.text(0), r.text(1), r.text(2), r.text(3), format_amount(r.text(4))};
    return true;
}

void SuppliersTab::enter_name() {
    if (form.nom.empty()) return;
    if (const auto code =
            first_key(store_, store::kFour, "SELECT * FROM Ffour where nom=?", form.nom))
        load_supplier(*code);
}

void SuppliersTab::clear_supplier_form() {
    form = {};
}

void SuppliersTab::new_supplier() {
    form = {};
    form.code = next_supplier_code(store_);
}

RowChange SuppliersTab::save_supplier() {
    SupplierForm f = form;
    f.nom = trim(f.nom);
    if (f.nom.empty()) {
        op_.message("Erreur", "Nom Fournisseur incorrect !");
        return {};
    }
    if (f.code.empty()) {
        const auto same = first_key(store_, store::kFour, "SELECT * FROM Ffour where nom=?", f.nom);
        f.code = same ? *same : next_supplier_code(store_);
    }
    if (!is_number(f.si)) f.si = "0";
    const std::string si = to_hundredths(f.si);

    bool taken = false;
    store_.for_each(store::kFour, "SELECT * FROM Ffour where nom=?", {f.nom},
                    [&](const store::Row& r) {
                        taken = taken || whole_value(r.text(0)) != whole_value(f.code);
                        return !taken;
                    });
    if (taken) {
        op_.message("Erreur", "Ce Nom existe avec un autre code");
        return {};
    }

    if (!store_.query(store::kFour, "SELECT * FROM Ffour where codeFour=?", {f.code}).empty())
        store_.update(store::kFour, "update Ffour set  Nom=?, ad=?, tel=?, si=?  where codeFour=?",
                      {f.nom, f.ad, f.tel, si, f.code});
    else
        store_.update(store::kFour,
                      "insert into Ffour (CodeFour,nom,ad,tel,si)  values (?,?,?,?,?)",
                      {f.code, f.nom, f.ad, f.tel, si});
    ListRow row;
    row.cells = {f.code, f.nom, f.ad, f.tel, format_amount(si)};
    const RowChange change = put_row(rows_, std::move(row));
    form = {};
    return change;
}

RowChange SuppliersTab::delete_supplier() {
    const std::string code = form.code;
    if (store_.query(store::kFour, "SELECT * FROM Ffour where codeFour=?", {code}).empty()) {
        op_.message("Erreur inattendue", "Code Fournisseur introuvable dans la table !");
        return {};
    }
    static const RecordUse kReceipts = {
        store::kBr, "SELECT * FROM Fbr where codeFour=?",
        "Ce Fournisseur est utilisé au niveau des réceptions. Impossible de le supprimer de la "
        "table. Voir Br N°: "};
    static const RecordUse kPayments = {
        store::kVer, "SELECT * FROM FverE where codeFour=?",
        "Ce fournisseur est utilisé au niveau des versements (c). Impossible de le supprimer de "
        "la table. Voir Ver (E) N°: "};
    if (report_use(store_, op_, "Fournisseur utilisé", kReceipts, code) ||
        report_use(store_, op_, "Fournisseur", kPayments, code))
        return {};
    if (op_.ask_yes_no_cancel("Confirmation",
                              "Etes-vous sûr de vouloir supprimer ce fournisseur ?") != Answer::Yes)
        return {};
    store_.update(store::kFour, "Delete from Ffour where codeFour=?", {code});
    form = {};
    return remove_row(rows_, code);
}

}  // namespace kelmo::masters
