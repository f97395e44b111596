// A large Data folder for the benchmarks: years of a busy shop's documents, generated
// deterministically so that every run measures the same data.
#pragma once

#include <string>

#include "util/operator.h"

namespace kelmo::bench {

// Answers nothing and keeps the last message: the store reports failed statements to it.
class QuietOperator : public Operator {
  public:
    void message(const std::string& title, const std::string& text) override {
        ++messages;
        last = title + ": " + text;
    }
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
    Answer ask_yes_no_cancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    std::optional<std::string> choose_file(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> choose_folder(const std::string&, const std::string&) override {
        return std::nullopt;
    }

    int messages = 0;
    std::string last;
};

struct ShopSize {
    int years = 5;
    int products = 20000;
    int clients = 60000;
    int suppliers = 500;
    // Per year.
    int instalment_sales = 6000;
    int cash_sales = 10000;
    int receipts = 1500;
    int regularisations = 150;
    int client_payments = 2000;
    int supplier_payments = 800;
    int cash_operations = 1200;
};

// The last day of generated data: fixed, so the data never depend on today's date.
inline constexpr const char* kLastDay = "31/12/2025";

// Creates `folder` with the shipped schema and fills it. Throws std::runtime_error when the
// folder already holds a data file or a statement fails.
void generate_shop(const std::string& folder, const ShopSize& size = {});

// The folder the benchmarks run over: $KELMO_BENCH_DATA when set (generated there when it
// holds no data yet), otherwise a folder generated once per process in a temporary
// directory and removed at exit.
const std::string& bench_data_folder();

// The product with the most movements (sale, receipt and regularisation lines).
std::string busiest_product(const std::string& folder);

}  // namespace kelmo::bench
