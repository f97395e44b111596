#include "masters/clients.h"

#include <set>

#include "masters/partners.h"
#include "store/store.h"
#include "util/numbers.h"
#include "util/operator.h"
#include "util/text.h"

namespace kelmo::masters {

using store::Store;

const std::vector<ListColumn>& ClientsTab::columns() {
    static const std::vector<ListColumn> kColumns = {
        {"Code", 40, Align::Center},       {"NOM DU CLIENT", 200, Align::Left},
        {"ADRESSE", 150, Align::Left},     {"N° TELEPHONE", 110, Align::Left},
        {"FONCTION", 120, Align::Left},    {"DATE NAIS.", 90, Align::Center},
        {"N° C.C.P.", 100, Align::Center}, {"Solde Initial", 80, Align::Right},
        {"VF", 70, Align::Center}};
    return kColumns;
}

ListRow ClientsTab::row_of(const ClientForm& f, const std::string& si_display) const {
    ListRow row;
    row.cells = {f.code, f.nom, f.ad, f.tel, f.fonc, f.dateN, f.ccp, si_display, f.vf ? "1" : "0"};
    return row;
}

void ClientsTab::fill_client_list() {
    rows_.clear();
    store_.for_each(store::kClient, "SELECT * FROM fclient order by codeClient", {},
                    [this](const store::Row& r) {
                        ListRow row;
                        row.cells = {r.text(0),
                                     r.text(1),
                                     r.text(2),
                                     r.text(3),
                                     r.text(4),
                                     r.text(5),
                                     r.text(6),
                                     format_amount(r.text(7)),
                                     to_text(r.integer(8))};
                        rows_.push_back(std::move(row));
                        return true;
                    });
    stripe_rows(rows_);
}

void ClientsTab::fill_occupation_box() {
    if (!occupations_.empty()) return;
    // Distinct values only: the box needs each occupation once, not every client.
    std::set<std::string> seen;
    store_.for_each(store::kClient, "SELECT DISTINCT fonc FROM fclient order by fonc", {},
                    [&seen](const store::Row& r) {
                        const std::string fonc = trim(to_upper_ascii(r.text(0)));
                        if (!fonc.empty()) seen.insert(fonc);
                        return true;
                    });
    occupations_.assign(seen.begin(), seen.end());
}

void ClientsTab::choose_row(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    const ListRow& r = rows_[index];
    form = {r.cell(0), r.cell(1), r.cell(2),
            r.cell(3), r.cell(4), r.cell(5),
            r.cell(6), r.cell(7), whole_value(r.cell(8)) == 1};
}

bool ClientsTab::load_client(const std::string& code) {
    const store::Rows rows =
        store_.query(store::kClient, "SELECT * FROM fclient where Codeclient=?", {code});
    if (rows.empty()) return false;
    const store::Row& r = rows[0];
    form = {r.text(0),        r.text(1), r.text(2), r.text(3),
            r.text(4),        r.text(5), r.text(6), format_amount(r.text(7)),
            r.integer(8) == 1};
    return true;
}

void ClientsTab::enter_name() {
    if (form.nom.empty()) return;
    if (const auto code =
            first_key(store_, store::kClient, "SELECT * FROM fclient where nom=?", form.nom))
        load_client(*code);
}

void ClientsTab::enter_ccp() {
    // An empty account would match any client saved without one.
    if (trim(form.ccp).empty()) return;
    if (const auto code =
            first_key(store_, store::kClient, "SELECT * FROM fclient where Ccp=?", form.ccp))
        load_client(*code);
}

void ClientsTab::clear_client_form() {
    const bool vf = form.vf;
    form = {};
    form.vf = vf;
}

void ClientsTab::new_client() {
    clear_client_form();
    form.code = next_client_code(store_);
}

RowChange ClientsTab::save_client() {
    ClientForm c = form;
    c.nom = trim(c.nom);
    if (c.nom.empty()) {
        op_.message("Erreur", "Nom de client incorrect !");
        return {};
    }
    if (c.code.empty()) {
        // A client typed again under the same name and postal account is the same client.
        const store::Rows same = store_.query(
            store::kClient, "SELECT * FROM fclient where nom=? and ccp= ?", {c.nom, c.ccp});
        c.code = same.empty() ? next_client_code(store_) : same[0].text(0);
    }
    if (!is_number(c.si)) c.si = "0";
    const std::string si = to_hundredths(c.si);
    const std::string vf = c.vf ? "1" : "0";
    c.fonc = to_upper_ascii(c.fonc);

    if (!store_.query(store::kClient, "SELECT * FROM fclient where codeClient=?", {c.code}).empty())
        store_.update(store::kClient,
                      "update fclient set  Nom=?, ad=?, tel=?, fonc=?, dateN=?, ccp=?, si=?, "
                      "Vf=?  where codeClient=?",
                      {c.nom, c.ad, c.tel, c.fonc, c.dateN, c.ccp, si, vf, c.code});
    else
        store_.update(store::kClient,
                      "insert into fclient (CodeClient,nom,ad,tel,fonc,dateN,ccp,si,Vf)  values "
                      "(?,?,?,?,?,?,?,?,?)",
                      {c.code, c.nom, c.ad, c.tel, c.fonc, c.dateN, c.ccp, si, vf});
    const RowChange change = put_row(rows_, row_of(c, format_amount(si)));
    clear_client_form();
    record_occupation(c.fonc);
    return change;
}

void ClientsTab::record_occupation(const std::string& typed) {
    const std::string fonc = trim(typed);
    if (fonc.empty()) return;
    if (store_.query(store::kFonc, "SELECT * FROM fFonc where fonc=?", {fonc}).empty())
        store_.update(store::kFonc, "insert into fFonc (fonc) values (?)", {fonc});
}

RowChange ClientsTab::delete_client() {
    const std::string code = form.code;
    const std::string nom = form.nom;
    if (store_.query(store::kClient, "SELECT * FROM fclient where codeClient=?", {code}).empty()) {
        op_.message("Erreur inattendue", "Code Client introuvable dans la table !");
        return {};
    }
    static const RecordUse kUses[] = {
        {store::kBlf, "SELECT * FROM fblf where codeClient=?",
         "Ce Client est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir BL (F) N°: "},
        {store::kBlc, "SELECT * FROM Fblc where codeclient=?",
         "Ce Client est utilisé au niveau des livraisons (c). Impossible de le supprimer de la "
         "table. Voir BL (c) N°: "},
        {store::kVer, "SELECT * FROM FverR where codeclient=?",
         "Ce Client est utilisé au niveau des versements (c). Impossible de le supprimer de la "
         "table. Voir Ver (R) N°: "},
    };
    for (const RecordUse& use : kUses)
        if (report_use(store_, op_, "Client utilisé", use, code)) return {};
    // Invoices hold the client's name, not its code.
    static const RecordUse kInvoices = {
        store::kFac, "SELECT * FROM facv where Client=?",
        "Ce Client est utilisé au niveau des factures. Impossible de le supprimer de la "
        "table. Voir facture vente N°: "};
    if (report_use(store_, op_, "Client utilisé", kInvoices, nom)) return {};
    if (op_.ask_yes_no_cancel("Confirmation", "Etes-vous sûr de vouloir supprimer ce Client ?") !=
        Answer::Yes)
        return {};
    store_.update(store::kClient, "Delete from fclient where codeClient=?", {code});
    clear_client_form();
    return remove_row(rows_, code);
}

}  // namespace kelmo::masters
