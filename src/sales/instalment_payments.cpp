// The calendar of an instalment sale and the instalments paid on it.
#include "sales/instalment_common.h"
#include "sales/instalment_sale.h"
#include "store/store.h"
#include "util/dates.h"
#include "util/operator.h"

namespace kelmo::sales {

using detail::cents;
using store::kBlfVer;
using store::kCal;

void InstalmentSale::generate_instalment_calendar() {
    if (form.lines.empty()) return;
    form.calendar.clear();
    std::string numdoc = to_text(whole_value(form.number));
    form.progress = 0;
    int counter = 1;

    std::string numdos = form.file_number;
    // Before the first validation the first-payment date may still be empty; validation
    // then takes the document date, and so does the calendar.
    std::string first = trim(form.first_date).empty() ? form.date : trim(form.first_date);
    long long amount = cents(form.instalment);
    std::string amount_text = format_amount(amount);
    long long per_month = whole_value(form.per_month);
    long long months = whole_value(form.months);

    std::string day = first.substr(0, 2);
    long long month = first.size() >= 5 ? whole_value(first.substr(3, 2)) : 0;
    long long year = first.size() >= 4 ? whole_value(first.substr(first.size() - 4)) : 0;

    // The calendar is replaced whole: one commit for the delete and every insert.
    store::Store::Transaction transaction(store_, kCal);
    store_.update(kCal, "Delete from Fcal where numdoc=?", {numdoc});
    for (long long i = 0; i < months; ++i) {
        if (++month > 12) {
            month = 1;
            ++year;
        }
        std::string date =
            day + "/" + (month < 10 ? "0" : "") + to_text(month) + "/" + to_text(year);
        std::string datenum = day_number_text(date);
        for (long long t = 1; t <= per_month; ++t) {
            store_.update(kCal,
                          "insert into Fcal (NumDoc,NumDos,DateC,Datenum,Tr,Mnt) "
                          "values(?,?,?,?,?,?)",
                          {numdoc, numdos, date, datenum, to_text(t), to_text(amount)});
            form.calendar.push_back(make_row({date, amount_text}));
            form.progress = std::min(counter, 100);
            ++counter;
        }
    }
    transaction.commit();
    form.progress = 100;
    if (form.payments.empty()) {
        form.months_left = form.months;
        form.remaining = form.net;
    }
    // One colour per month, alternating.
    Rgb colour = kCalendarSecond;
    std::string previous;
    for (ListRow& row : form.calendar) {
        if (&row == &form.calendar.front() || row.cell(0) != previous)
            colour = colour == kCalendarFirst ? kCalendarSecond : kCalendarFirst;
        row.background = colour;
        previous = row.cell(0);
    }
}

bool InstalmentSale::check_payment(long long& numdoc, bool with_amount) {
    if (!check_number(numdoc)) return false;
    const char* refusal = nullptr;
    if (trim(form.file_number).empty())
        refusal = "N° dossier incorrect !";
    else if (!is_number(form.tr))
        refusal = "Tranche doit être numérique !";
    else if (whole_value(form.tr) <= 0)
        refusal = "La valeur de Tranche est incorrecte !";
    else if (with_amount && (!is_number(form.paid) || whole_value(form.paid) <= 0))
        refusal = "Montant versé incorrect !";
    else if (!is_valid_date(form.paid_date))
        refusal = "Date versement incorrecte !";
    if (refusal) op_.message("Erreur", refusal);
    return !refusal;
}

void InstalmentSale::record_instalment_payment() {
    if (validation_failed_) return;
    long long numdoc = 0;
    if (!check_payment(numdoc, true)) return;
    long long paid = cents(form.paid);
    std::string num = to_text(numdoc);
    std::string tr = to_text(whole_value(form.tr));
    if (paid > 0) {
        if (!store_
                 .query(kBlfVer, "Select * FROM fBlfVer where numdoc=? and DateV = ? and Tr = ?",
                        {num, form.paid_date, tr})
                 .empty()) {
            store_.update(kBlfVer,
                          "update fBlfVer set  MntV=?, Obs=?  where numdoc=? And DateV = ? And "
                          "Tr = ?",
                          {to_text(paid), form.obs, num, form.paid_date, tr});
        } else {
            store_.update(kBlfVer,
                          "insert into fBlfVer (NumDoc,NumDos,codeclient,DateV,Datenum,Tr,MntV,"
                          "obs) values(?,?,?,?,?,?,?,?)",
                          {num, trim(form.file_number), form.client_id, form.paid_date,
                           day_number_text(form.paid_date), tr, to_text(paid), form.obs});
        }
    }
    show_instalment_payments();
}

void InstalmentSale::delete_instalment_payment() {
    long long numdoc = 0;
    if (!check_payment(numdoc, false)) return;
    store_.update(kBlfVer, "Delete from fBlfVer where numdoc=? And DateV = ? And Tr = ?",
                  {to_text(numdoc), form.paid_date, to_text(whole_value(form.tr))});
    show_instalment_payments();
}

void InstalmentSale::show_instalment_payments() {
    form.payments.clear();
    total_paid_ = "0.00";
    if (!is_number(form.number) || whole_value(form.number) <= 0) return;
    long long net = cents(form.net);
    long long sum = 0;
    int months_touched = 0;
    long long previous_month = -1;
    for (const store::Row& r :
         store_.query(kBlfVer, "Select * FROM fBlfVer where numdoc=? order by datenum,tr",
                      {to_text(whole_value(form.number))})) {
        std::string date = r.text(3);
        sum += r.integer(6);
        form.payments.push_back(make_row({date, r.text(5), format_amount(r.text(6)), r.text(7)}));
        long long month = date.size() >= 5 ? whole_value(date.substr(3, 2)) : 0;
        if (form.payments.size() == 1 || month != previous_month) ++months_touched;
        previous_month = month;
    }
    if (!form.payments.empty()) {
        ListRow totals = make_row({kTotalsCaption, "", format_amount(sum), ""});
        totals.background = kTotalsBack;
        totals.foreground = kTotalsFront;
        form.payments.push_back(totals);
    }
    form.remaining = format_amount(net - sum);
    total_paid_ = format_amount(sum);
    form.months_left = to_text(whole_value(form.months) - months_touched);
}

}  // namespace kelmo::sales
