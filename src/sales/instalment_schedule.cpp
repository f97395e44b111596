// The schedule figures of an instalment sale and its validation.
#include "masters/partners.h"
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

void InstalmentSale::recompute_instalment_schedule() {
    store::Rows sum = store_.query(kBlfProd, "SELECT sum(mnt) FROM FblfProd where numdoc=?",
                                   {to_text(whole_value(form.number))});
    if (sum.empty()) {  // the query failed (reported)
        for (std::string* f : {&form.total, &form.discount, &form.first_payment, &form.monthly,
                               &form.instalment, &form.remaining})
            f->clear();
        return;
    }
    long long total = whole_value(sum.first());
    long long discount = cents(form.discount);
    long long first = cents(form.first_payment);
    // A month count of 0 (or below one whole month) would divide by zero: it gets the
    // default, like a count that is not a number.
    if (!is_number(form.months) || whole_value(form.months) == 0) form.months = "5";
    long long months = whole_value(form.months);
    long long net = (total - discount) - first;  // 64-bit: a large sale never wraps
    long long monthly = net / months;
    long long per_month = whole_value(form.per_month);
    long long instalment = monthly;
    if (per_month > 0)
        instalment = monthly / per_month;
    else
        form.per_month = "1";
    form.total = format_amount(total);
    form.discount = format_amount(discount);
    form.first_payment = format_amount(first);
    form.net = format_amount(net);
    form.monthly = format_amount(monthly);
    form.instalment = format_amount(instalment);
    form.count_text = form.per_month + " X";
}

bool InstalmentSale::save_instalment_sale() {
    validation_failed_ = false;
    std::string numdoc = form.number;
    if (numdoc.empty() || !is_number(numdoc))
        numdoc = to_text(new_instalment_sale_number());
    else
        numdoc = to_text(whole_value(numdoc));
    std::string mode = trim(form.mode);

    const char* refusal = nullptr;
    if (!is_valid_date(form.date))
        refusal = "Date incorrecte !";
    else if (!is_number(form.months) || whole_value(form.months) == 0)
        refusal = "Nbre de mois incorrect !";
    else if (!is_number(form.per_month))
        refusal = "Nbre de tranches par mois incorrect !";
    else if (!is_number(form.instalment))
        refusal = "Montant à verser incorrect !";
    else if (!is_number(form.total))
        refusal = "Montant total blf incorrect !";
    if (!refusal) {
        // Only once the figures above passed does a first payment that is not a number
        // become 0.
        if (!is_number(form.first_payment)) form.first_payment = "0";
        const bool first_above_zero = whole_value(form.first_payment) > 0;
        if (first_above_zero && trim(form.first_date).empty())
            refusal = "Date 1er versement incorrecte !";
        else if (first_above_zero && mode.empty())
            refusal = "Mode de 1er versement incorrect !";
        else if (trim(form.file_number).empty())
            refusal = "N° de dossier incorrect !";
        else if (trim(form.client).empty())
            refusal = "Nom de client incorrect !";
        else if (trim(form.ccp).empty())
            refusal = "N° de CCP incorrect !";
    }
    if (refusal) {
        op_.message("Erreur", refusal);
        validation_failed_ = true;
        return false;
    }

    std::string name = trim(form.client);
    std::string ccp = trim(form.ccp);
    store::Rows client =
        store_.query(kClient, "SELECT * FROM fclient where nom=? and ccp=?", {name, ccp});
    std::string code;
    if (!client.empty()) {
        code = client[0].text(0);
    } else {
        code = masters::next_client_code(store_);
        // No birth date or opening balance on this form: none is recorded.
        masters::ClientRecord record{
            code, name, trim(form.address), trim(form.tel), trim(form.occupation), "", ccp,
            "0",  "1"};
        if (!masters::insert_client(store_, record)) {
            validation_failed_ = true;
            return false;
        }
    }
    set_client_code(code);

    std::string datenum = day_number_text(form.date);
    if (form.discount.empty()) form.discount = "0";
    if (trim(form.first_date).empty()) form.first_date = form.date;
    store::Params values{form.date,
                         datenum,
                         code,
                         form.debit_day,
                         to_text(cents(form.total)),
                         to_text(cents(form.discount)),
                         to_text(cents(form.first_payment)),
                         form.first_date,
                         mode,
                         to_text(cents(form.net)),
                         to_text(whole_value(form.months)),
                         to_text(cents(form.monthly)),
                         to_text(whole_value(form.per_month)),
                         to_text(cents(form.instalment)),
                         to_text(cents(form.remaining)),
                         trim(form.file_number),
                         numdoc};
    bool written;
    if (!store_.query(kBlf, "Select * FROM fBLf where numdoc=?", {numdoc}).empty()) {
        written =
            store_.update(kBlf,
                          "update fBLf set datedoc=?,datenum=?,codeclient=?,jp=?,totblf=?,remise=?,"
                          "firstver=?,datefirstV=?,modep=?,netAPayer=?,NbreMois=?,mensualite=?,"
                          "NbreTranche=?,MntParTranche=?,ResteARemb=?,NumDos=? where numdoc=?",
                          values);
    } else {
        values.insert(values.begin(), numdoc);
        values.pop_back();
        written = store_.update(
            kBlf,
            "insert into fBLf (numdoc,datedoc,datenum,codeclient,Jp,TotBlf,Remise,FirstVer,"
            "DateFirstV,ModeP,netApayer,nbreMois,mensualite,NbreTranche,MntParTranche,"
            "ResteARemb,NumDos) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            values);
    }
    // A row that could not be written (reported by the store) is not a validated document.
    if (!written) validation_failed_ = true;
    return written;
}

}  // namespace kelmo::sales
