// The data store: the seventeen files opened once under their numbers, and the two
// runners through which every statement goes.
//
// Statements are written with '?' where a value goes and the values are bound, never
// spliced into the text: a typed quote can't change a statement, and a value equal to a
// column name ("PROD") stays a value. Every value is bound as text, as typed; the column's
// affinity decides what SQLite keeps (hundredths text "1250" lands as the integer 1250).
//
// A failing statement is reported to the operator in a box titled "Erreur":
//   "{error}    Db={db} query$= {statement}"
// with each value shown in place between double quotes, and the caller goes on with an
// empty result.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/schema.h"

struct sqlite3;

namespace kelmo {
class Operator;
}

namespace kelmo::store {

using Params = std::vector<std::string>;

// One row of a result, read by position. NULL and out-of-range columns read as "" or 0.
class Row {
public:
    explicit Row(std::vector<std::string> values) : values_(std::move(values)) {}
    const std::string& text(int col) const;
    long long integer(int col) const;
    int size() const { return static_cast<int>(values_.size()); }

private:
    std::vector<std::string> values_;
};

// All rows of a query.
class Rows {
public:
    bool empty() const { return rows_.empty(); }
    size_t size() const { return rows_.size(); }
    const Row& operator[](size_t i) const { return rows_[i]; }
    std::vector<Row>::const_iterator begin() const { return rows_.begin(); }
    std::vector<Row>::const_iterator end() const { return rows_.end(); }
    // First column of the first row ("" when there is none): lookups and sums.
    const std::string& first() const;

    void push_back(Row row) { rows_.push_back(std::move(row)); }

private:
    std::vector<Row> rows_;
};

class Store {
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens the files of `folder` in order, read-write and never creating one, each with a
    // 20 s busy timeout. When one can't be opened, shows "Ouverture {folder}/{file}
    // impossible!" titled "Info", doesn't try the others and returns nullptr.
    static std::unique_ptr<Store> open(Operator& op, const std::string& folder = "Data");

    // Runs a select; on failure reports it and returns no rows.
    Rows query(int db, std::string_view sql, const Params& params = {});

    // Runs a select row by row without keeping the rows (long reports). Stops early when
    // `row` returns false. Returns false on failure (reported).
    bool for_each(int db, std::string_view sql, const Params& params,
                  const std::function<bool(const Row&)>& row);

    // Runs an insert, update or delete; on failure reports it and returns false.
    bool update(int db, std::string_view sql, const Params& params = {});

    // Largest value of a key plus one, as digits: 1 for an empty table or a failed query.
    std::string next_number(std::string_view numbering_sql, int db);

    // Sum of one column as hundredths; 0 over no rows (the NULL of an empty sum).
    long long sum(int db, std::string_view sql, const Params& params = {});

    // Groups the statements of one database into a single commit: a document written as
    // several rows lands whole or not at all. Rolls back unless commit() was called.
    class Transaction {
    public:
        Transaction(Store& store, int db);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        bool commit();

    private:
        Store& store_;
        int db_;
        bool open_ = false;
    };

    Operator& op() { return op_; }
    sqlite3* handle(int db) const;

    // The statement as the failure report shows it: each '?' replaced by "value".
    static std::string statement_with_values(std::string_view sql, const Params& params);

private:
    explicit Store(Operator& op);
    struct Statement;
    bool run(int db, std::string_view sql, const Params& params,
             const std::function<bool(const Row&)>* row);
    void report(int db, const std::string& error, std::string_view sql, const Params& params);

    Operator& op_;
    std::vector<std::pair<int, sqlite3*>> connections_;
};

}  // namespace kelmo::store
