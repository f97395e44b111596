// Client and product look-ups of the instalment tab: search as you type, the chooser,
// the client fields with the balance box, and the product panel.
#include "sales/instalment_common.h"
#include "sales/instalment_sale.h"
#include "store/store.h"
#include "util/operator.h"

namespace kelmo::sales {

using store::kBlf;
using store::kBlfVer;
using store::kClient;
using store::kProd;

namespace {
// The matches are filtered and ordered by SQLite on the indexed column and only the first
// screenfuls are read, so each keystroke stays instant on tens of thousands of rows.
// instr() is a case-sensitive substring test, as the chooser requires.
std::vector<std::string> matches(store::Store& store, int db, const char* sql,
                                 const std::string& text) {
    std::vector<std::string> found;
    const std::string limited = std::string(sql) + " limit " + to_text(kChooserLimit);
    store.for_each(db, limited, {text}, [&](const store::Row& r) {
        found.push_back(r.text(0));
        return true;
    });
    return found;
}
}  // namespace

void InstalmentSale::search_clients(const std::string& typed, const char* sql, LookupKind kind) {
    if (typed.empty()) return;
    form.chooser = matches(store_, kClient, sql, to_upper_ascii(typed));
    lookup_ = kind;
}

void InstalmentSale::search_by_name() {
    search_clients(form.client, "select nom from fclient where instr(nom,?)>0 order by nom",
                   LookupKind::Name);
}

void InstalmentSale::search_by_tel() {
    search_clients(form.tel, "select tel from fclient where instr(tel,?)>0 order by tel",
                   LookupKind::Tel);
}

void InstalmentSale::search_by_ccp() {
    search_clients(form.ccp, "select ccp from fclient where instr(ccp,?)>0 order by CCP",
                   LookupKind::Ccp);
}

void InstalmentSale::search_by_designation() {
    lookup_ = LookupKind::Prod;
    std::string text = to_upper_ascii(trim(form.designation));
    if (form.designation.empty()) return;
    // Products without stock are never offered.
    form.chooser = matches(store_, kProd,
                           "select prod from fProd where instr(prod,?)>0 and "
                           "CAST(stock AS INTEGER)>0 order by prod",
                           text);
}

void InstalmentSale::code_changed() {
    lookup_ = LookupKind::Ref;
    if (form.code.empty()) return;
    // A search by product reference: the in-stock products whose reference holds the text.
    form.chooser = matches(store_, kProd,
                           "select prod from fProd where instr(Ref,?)>0 and "
                           "CAST(stock AS INTEGER)>0 order by prod",
                           to_upper_ascii(trim(form.code)));
}

void InstalmentSale::resolve_client_by_name(const std::string& name) {
    form.client = name;
    store::Rows rows = store_.query(kClient, "SELECT * from fclient where nom=?", {name});
    set_client_code(rows.empty() ? std::string() : rows[0].text(0));
    show_instalment_client();
}

void InstalmentSale::choose(int row) {
    if (row < 0 || row >= static_cast<int>(form.chooser.size())) return;
    std::string value = form.chooser[row];
    switch (lookup_) {
        case LookupKind::Name:
            resolve_client_by_name(value);
            break;
        case LookupKind::Tel:
        case LookupKind::Ccp: {
            store::Rows rows =
                lookup_ == LookupKind::Tel
                    ? store_.query(kClient, "select * from fclient where tel=?", {value})
                    : store_.query(kClient, "select * from fclient where ccp=?", {value});
            if (!rows.empty()) resolve_client_by_name(rows[0].text(1));
            break;
        }
        case LookupKind::Prod:
        case LookupKind::Ref: {
            store::Rows rows = store_.query(kProd, "select * from fProd where prod=?", {value});
            if (!rows.empty()) show_instalment_product(rows[0].text(0));
            break;
        }
        default:
            break;
    }
}

void InstalmentSale::pick_line(int row) {
    if (row < 0 || row >= static_cast<int>(form.lines.size())) return;
    const ListRow& line = form.lines[row];
    form.code = line.cell(0);
    form.designation = line.cell(1);
    form.quantity = line.cell(2);
    form.unit_price = line.cell(3);
    store::Rows rows = store_.query(kProd, "select * from fProd where prod=?", {form.designation});
    if (!rows.empty()) show_instalment_product(rows[0].text(0));
}

void InstalmentSale::pick_payment(int row) {
    if (row < 0 || row >= static_cast<int>(form.payments.size())) return;
    const ListRow& payment = form.payments[row];
    form.paid_date = payment.cell(0);
    form.tr = payment.cell(1);
    form.paid = payment.cell(2);
}

void InstalmentSale::take_instalment_price() {
    form.unit_price = form.instalment_price;
}

void InstalmentSale::show_instalment_client() {
    store::Rows rows =
        store_.query(kClient, "SELECT * FROM fclient where codeClient=?", {client_code_});
    if (rows.empty()) return;
    const store::Row& c = rows[0];
    std::string code = c.text(0);
    form.file_number = code;
    form.client = c.text(1);
    form.address = c.text(2);
    form.tel = c.text(3);
    form.occupation = c.text(4);
    form.ccp = c.text(6);
    client_name_ = c.text(1);
    long long balance =
        whole_value(c.text(7)) +
        store_.sum(kBlf, "SELECT SUM(netapayer) FROM Fblf where codeClient=?", {code}) -
        store_.sum(kBlfVer, "SELECT SUM(MntV) FROM FBlfVer where codeClient=?", {code});
    form.balance = format_amount(balance);
}

void InstalmentSale::show_instalment_product(const std::string& code) {
    store::Rows rows = store_.query(kProd, "SELECT * FROM FProd where codeprod=?", {code});
    if (rows.empty()) return;
    const store::Row& p = rows[0];
    form.designation = p.text(1);
    form.purchase_price = format_amount(p.text(3));
    form.instalment_price = format_amount(p.text(4));
    form.cash_price = format_amount(p.text(5));
    std::string stock = format_amount(p.text(6));
    form.stock = stock.size() > 3 ? stock.substr(0, stock.size() - 3) : std::string();
}

void InstalmentSale::fill_occupations() {
    if (!form.occupations.empty()) return;
    std::string last;
    store_.for_each(kClient, "SELECT DISTINCT upper(fonc) FROM fclient order by 1", {},
                    [&](const store::Row& r) {
                        std::string occupation = to_upper_ascii(r.text(0));
                        if (!occupation.empty() && occupation != last) {
                            form.occupations.push_back(occupation);
                            last = occupation;
                        }
                        return true;
                    });
}

void InstalmentSale::tab_chosen() {
    if (form.modes.empty()) {
        const std::string pad(28, ' ');
        form.modes = {pad + "ESPECE", pad + "CHEQUE", pad + "VO"};
        fill_occupations();
    }
    if (form.number.empty()) {
        form.number = to_text(new_instalment_sale_number());
        form.lines.clear();
        form.payments.clear();
    }
}

}  // namespace kelmo::sales
