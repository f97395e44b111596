#include "app/initial_balances.h"

#include "util/numbers.h"
#include "util/text.h"

namespace kelmo::app {

using store::kCpte;

void InitialBalances::open() {
    auto rows = store_.query(kCpte, "SELECT * FROM fcpte");
    if (rows.empty()) return;
    state_.balance = format_amount(rows[0].text(0));
    state_.account = rows[0].text(1);
    state_.balance_label = "Solde initial de caisse:";
    state_.account_label = "N° de compte CCP:";
}

bool InitialBalances::save_initial_balances() {
    std::string balance = state_.balance;
    const std::string account = state_.account;
    if (!is_number(balance)) balance = "0";
    // An account made of blanks is as empty as no account at all.
    if (trim(account).empty()) {
        op_.message("Erreur", "Le n° de compte est incorrect!");
        return false;
    }
    // Replacing the row is one commit, so a failed insert can't leave the table empty.
    store::Store::Transaction transaction(store_, kCpte);
    if (!store_.update(kCpte, "Delete FROM FCpte")) return false;
    if (!store_.update(kCpte, "insert into FCpte (si,cpteccp)  values (?,?)",
                       {to_hundredths(balance), account}))
        return false;
    if (!transaction.commit()) return false;
    op_.message("Cnfirmation", "Configuration enregistrée!");
    return true;
}

}  // namespace kelmo::app
