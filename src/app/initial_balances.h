// The business's two configuration values in FCpte: the opening cash balance and its own
// postal account number. Qt-free state and operations of the initial-balances window.
#pragma once

#include <string>

#include "store/store.h"
#include "util/operator.h"

namespace kelmo::app {

class InitialBalances {
  public:
    struct State {
        std::string balance;  // opening cash balance as shown (display form)
        std::string account;  // postal account number
        std::string balance_label = "SOLDE INITIAL CAISSE:";
        std::string account_label = "N° DE COMPTE CCP:";
    };

    InitialBalances(store::Store& store, Operator& op) : store_(store), op_(op) {}

    State& state() { return state_; }

    // Shows the stored row, if any, with the labels in their lower-case form.
    void open();

    // "Valider": stores the two values as the single row of FCpte. False when refused.
    bool save_initial_balances();

  private:
    store::Store& store_;
    Operator& op_;
    State state_;
};

}  // namespace kelmo::app
