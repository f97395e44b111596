// The instalment sale document: numbering, browsing, loading and its product lines.
#include <set>

#include "masters/stock.h"
#include "sales/instalment_common.h"
#include "sales/instalment_sale.h"
#include "store/store.h"
#include "util/dates.h"
#include "util/operator.h"

namespace kelmo::sales {

using detail::cents;
using store::kBlf;
using store::kBlfProd;
using store::kClient;
using store::kProd;

namespace {
// Lives as long as the program: it bounds the next-number button of every window opened.
long long g_next_free = 0;
}  // namespace

InstalmentSale::InstalmentSale(store::Store& store, Operator& op) : store_(store), op_(op) {}

long long InstalmentSale::next_free_number() {
    return g_next_free;
}
void InstalmentSale::reset_next_free_number() {
    g_next_free = 0;
}

void InstalmentSale::set_client_code(const std::string& code) {
    client_code_ = code;
    form.client_id = code;
}

bool InstalmentSale::check_number(long long& numdoc) {
    if (!is_number(form.number) || whole_value(form.number) <= 0) {
        op_.message("Erreur", "N° BLF incorrect !");
        return false;
    }
    numdoc = whole_value(form.number);
    return true;
}

long long InstalmentSale::new_instalment_sale_number() {
    long long n = whole_value(store_.query(kBlf, "SELECT max(numdoc) FROM fblf").first()) + 1;
    g_next_free = n;
    return n;
}

void InstalmentSale::clear_instalment_sale_form() {
    for (std::string* f :
         {&form.number,     &form.file_number, &form.client,        &form.address,
          &form.tel,        &form.ccp,         &form.occupation,    &form.debit_day,
          &form.code,       &form.designation, &form.quantity,      &form.unit_price,
          &form.total,      &form.discount,    &form.first_payment, &form.first_date,
          &form.months,     &form.per_month,   &form.monthly,       &form.net,
          &form.instalment, &form.count_text,  &form.remaining,     &form.months_left})
        f->clear();
    form.lines.clear();
    form.calendar.clear();
    form.payments.clear();
    total_paid_ = "0.00";
}

void InstalmentSale::new_instalment_sale() {
    clear_instalment_sale_form();
    long long n = new_instalment_sale_number();
    form.number = to_text(n);
    form.date = stamp_now().date;
    // Lines left under this number by a document that was never validated. Their goods
    // are back in stock: the stored stock of their products is recomputed, or it would
    // go on refusing quantities that are there.
    std::set<std::string> codes;
    for (const store::Row& r :
         store_.query(kBlfProd, "SELECT codeprod FROM FblfProd where numdoc=?", {form.number}))
        codes.insert(r.text(0));
    if (!store_.update(kBlfProd, "Delete from FblfProd where numdoc=?", {form.number})) return;
    for (const std::string& code : codes)
        if (!code.empty()) masters::recompute_product_stock(store_, code);
}

void InstalmentSale::load_instalment_sale() {
    form.balance.clear();
    std::string number = form.number;
    clear_instalment_sale_form();
    form.number = number;
    long long numdoc = whole_value(number);
    store::Rows rows = store_.query(kBlf, "Select * FROM fBLf where numdoc=?", {to_text(numdoc)});
    if (!rows.empty()) {
        const store::Row& r = rows[0];
        form.date = date_of_day_number(r.integer(2));
        set_client_code(r.text(3));
        std::string jp = r.text(4);
        std::string first_date = r.text(8);
        store::Rows client =
            store_.query(kClient, "SELECT * FROM fclient where codeClient=?", {r.text(3)});
        if (!client.empty()) {
            const store::Row& c = client[0];
            form.client = c.text(1);
            form.address = c.text(2);
            form.tel = c.text(3);
            form.occupation = c.text(4);
            form.ccp = c.text(6);
        }
        if (jp.empty())
            jp = whole_value(first_date.substr(0, 2)) > 0 ? first_date.substr(0, 2) : "17";
        form.file_number = r.text(16);
        form.debit_day = jp;
        form.total = format_amount(r.text(5));
        form.discount = format_amount(r.text(6));
        form.first_payment = format_amount(r.text(7));
        form.first_date = first_date;
        form.mode = std::string(25, ' ') + trim(r.text(9));
        form.net = format_amount(r.text(10));
        form.months = r.text(11);
        form.monthly = format_amount(r.text(12));
        form.per_month = r.text(13);
        form.instalment = format_amount(r.text(14));
        form.count_text = r.text(13) + " X";
    }
    show_instalment_sale_lines();
    show_instalment_payments();
}

void InstalmentSale::show_instalment_sale_lines() {
    form.lines.clear();
    long long total = 0;
    store::Rows rows = store_.query(kBlfProd, "Select * FROM FblfProd where numdoc=?",
                                    {to_text(whole_value(form.number))});
    for (const store::Row& r : rows) {
        std::string code = r.text(5);
        total += r.integer(8);
        store::Rows product = store_.query(kProd, "SELECT * from FProd where codeprod=?", {code});
        std::string designation = product.empty() ? std::string() : product[0].text(1);
        form.lines.push_back(make_row({code, designation, format_amount(r.text(6)),
                                       format_amount(r.text(7)), format_amount(r.text(8))}));
    }
    form.total = format_amount(total);
}

void InstalmentSale::previous_instalment_sale() {
    form.balance.clear();
    long long n = whole_value(form.number);
    clear_instalment_sale_form();
    navigation_ = n - 1;
    if (navigation_ > 0) {
        form.number = to_text(navigation_);
        if (!store_.query(kBlf, "SELECT * FROM fblf where numdoc=?", {form.number}).empty())
            load_instalment_sale();
    }
}

void InstalmentSale::next_instalment_sale() {
    form.balance.clear();
    long long n = whole_value(form.number);
    clear_instalment_sale_form();
    if (n < g_next_free) {
        navigation_ = n + 1;
        form.number = to_text(navigation_);
        if (!store_.query(kBlf, "SELECT * FROM fblf where numdoc=?", {form.number}).empty())
            load_instalment_sale();
    }
    if (navigation_ == g_next_free) form.number = to_text(g_next_free);
}

void InstalmentSale::line_done() {
    form.code.clear();
    form.designation.clear();
    form.quantity.clear();
    form.unit_price.clear();
    recompute_instalment_schedule();
}

void InstalmentSale::add_instalment_sale_line() {
    long long numdoc = 0;
    if (!check_number(numdoc)) return;
    if (!is_number(form.unit_price) || cents(form.unit_price) < 0) {
        op_.message("Erreur", "Prix unitaire incorrect !");
        return;
    }
    if (!is_number(form.quantity) || cents(form.quantity) < 0) {
        op_.message("Erreur", "Quantité incorrecte !");
        return;
    }
    std::string designation = trim(form.designation);
    if (designation.empty()) {
        op_.message("Erreur", "Désignation du produit incorrecte !");
        return;
    }
    const char* by_name = "SELECT * FROM FProd where prod=?";
    if (store_.query(kProd, by_name, {designation}).empty()) {
        if (op_.ask_yes_no("Nouveau produit",
                           "Ce produit n'existe pas dans la table, voulez-vous le créer?") &&
            create_product_quickly)
            create_product_quickly(designation);
    }
    long long q = cents(form.quantity);
    long long p = cents(form.unit_price);
    store::Rows product = store_.query(kProd, by_name, {designation});
    if (product.empty()) {
        op_.message("Erreur", "Ce produit n'existe pas !");
        return;
    }
    std::string code = product[0].text(0);
    long long stock = product[0].integer(6);
    long long a = detail::line_amount(q, p);

    std::string num = to_text(numdoc);
    store::Params key{num, code, to_text(p)};
    store::Rows existing = store_.query(
        kBlfProd, "Select * FROM FblfProd where numdoc=? and codeprod=? and pu=?", key);
    // The stored stock already has this line's previous quantity taken out: it is
    // available again to the line that replaces it.
    long long available = stock + (existing.empty() ? 0 : existing[0].integer(6));
    if (available < q) {
        op_.message("Erreur", "Cette quantité n'est pas disponible !");
        return;
    }
    ListRow row =
        make_row({code, product[0].text(1), format_amount(q), format_amount(p), format_amount(a)});
    if (!existing.empty()) {
        if (!store_.update(kBlfProd,
                           "update FblfProd set  qte=?, pu=?, mnt=?  where numdoc=? and "
                           "codeprod=? and pu=?",
                           {to_text(q), to_text(p), to_text(a), num, code, to_text(p)}))
            return;
        bool replaced = false;
        for (ListRow& r : form.lines) {
            if (r.cell(0) == code && r.cell(3) == format_amount(p)) {
                r.cells = row.cells;
                replaced = true;
            }
        }
        if (!replaced) form.lines.push_back(row);
    } else {
        if (!store_.update(kBlfProd,
                           "insert into FblfProd (numdoc,datedoc,datenum,codeclient,codeprod,qte,"
                           "pu,mnt) values  (?,?,?,?,?,?,?,?)",
                           {num, form.date, day_number_text(form.date), client_code_, code,
                            to_text(q), to_text(p), to_text(a)}))
            return;
        form.lines.push_back(row);
    }
    masters::recompute_product_stock(store_, code);
    line_done();
}

void InstalmentSale::delete_instalment_sale_line() {
    long long numdoc = 0;
    if (!check_number(numdoc)) return;
    std::string num = to_text(numdoc);
    std::string code = trim(form.code);
    if (!store_.query(kBlfProd, "SELECT * FROM FblfProd where numdoc=? And codeprod=?", {num, code})
             .empty()) {
        if (store_.update(kBlfProd, "Delete from FblfProd where numdoc=? And codeprod=?",
                          {num, code}))
            masters::recompute_product_stock(store_, code);
    }
    show_instalment_sale_lines();
    line_done();
}

void InstalmentSale::cancel_instalment_sale() {
    std::string num = to_text(whole_value(form.number));
    if (store_.query(kBlf, "SELECT * FROM fblf where numdoc=?", {num}).empty()) return;
    if (!op_.ask_yes_no("Confirmation", "Etes-vous sûr de vouloir annuler ce bon de livraison ?"))
        return;
    // Every product the document moved, whether or not its lines are on show.
    std::set<std::string> codes;
    for (const ListRow& r : form.lines) codes.insert(r.cell(0));
    for (const store::Row& r :
         store_.query(kBlfProd, "SELECT codeprod FROM FblfProd where numdoc=?", {num}))
        codes.insert(r.text(0));

    // The header and the lines live in two files: both deletes run before either commits,
    // and the lines commit first, so a failure leaves the whole document and a crash
    // between the commits leaves at worst a header without lines, which cancels again.
    {
        store::Store::Transaction header(store_, kBlf);
        store::Store::Transaction lines(store_, kBlfProd);
        if (!store_.update(kBlf, "Delete from fBLf where numdoc=?", {num})) return;
        if (!store_.update(kBlfProd, "Delete from FblfProd where numdoc=?", {num})) return;
        if (!lines.commit()) return;
        header.commit();
    }
    for (const std::string& code : codes)
        if (!code.empty()) masters::recompute_product_stock(store_, code);
    clear_instalment_sale_form();
}

}  // namespace kelmo::sales
