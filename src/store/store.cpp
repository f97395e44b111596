#include "store/store.h"

#include <sqlite3.h>

#include "util/numbers.h"
#include "util/operator.h"

namespace kelmo::store {

namespace {
const std::string kEmpty;
constexpr int kBusyTimeoutMs = 20000;
}  // namespace

const std::string& Row::text(int col) const {
    return (col >= 0 && col < size()) ? values_[col] : kEmpty;
}

long long Row::integer(int col) const { return whole_value(text(col)); }

const std::string& Rows::first() const { return rows_.empty() ? kEmpty : rows_[0].text(0); }

// Owns one prepared statement.
struct Store::Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

Store::Store(Operator& op) : op_(op) {}

Store::~Store() {
    for (auto& [db, connection] : connections_) sqlite3_close_v2(connection);
}

std::unique_ptr<Store> Store::open(Operator& op, const std::string& folder) {
    std::unique_ptr<Store> store(new Store(op));
    for (const DataFile& file : data_files()) {
        const std::string path = folder + "/" + file.name;
        sqlite3* connection = nullptr;
        int rc = sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close_v2(connection);
            op.message("Info", "Ouverture " + path + " impossible!");
            return nullptr;
        }
        sqlite3_busy_timeout(connection, kBusyTimeoutMs);
        store->connections_.emplace_back(file.db, connection);
    }
    return store;
}

sqlite3* Store::handle(int db) const {
    for (const auto& [number, connection] : connections_)
        if (number == db) return connection;
    return nullptr;
}

std::string Store::statement_with_values(std::string_view sql, const Params& params) {
    std::string out;
    size_t next = 0;
    for (char c : sql) {
        if (c == '?' && next < params.size()) {
            out += '"' + params[next++] + '"';
        } else {
            out += c;
        }
    }
    return out;
}

void Store::report(int db, const std::string& error, std::string_view sql, const Params& params) {
    op_.message("Erreur", error + "    Db=" + std::to_string(db) +
                              " query$= " + statement_with_values(sql, params));
}

bool Store::run(int db, std::string_view sql, const Params& params,
                const std::function<bool(const Row&)>* row) {
    sqlite3* connection = handle(db);
    if (!connection) {
        report(db, "no such database", sql, params);
        return false;
    }
    Statement s;
    if (sqlite3_prepare_v2(connection, sql.data(), static_cast<int>(sql.size()), &s.stmt,
                           nullptr) != SQLITE_OK) {
        report(db, sqlite3_errmsg(connection), sql, params);
        return false;
    }
    if (sqlite3_bind_parameter_count(s.stmt) != static_cast<int>(params.size())) {
        report(db, "wrong number of values", sql, params);
        return false;
    }
    for (size_t i = 0; i < params.size(); ++i)
        sqlite3_bind_text(s.stmt, static_cast<int>(i + 1), params[i].data(),
                          static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
    for (;;) {
        int rc = sqlite3_step(s.stmt);
        if (rc == SQLITE_DONE) return true;
        if (rc != SQLITE_ROW) {
            report(db, sqlite3_errmsg(connection), sql, params);
            return false;
        }
        if (!row) continue;
        int n = sqlite3_column_count(s.stmt);
        std::vector<std::string> values(n);
        for (int c = 0; c < n; ++c) {
            const unsigned char* text = sqlite3_column_text(s.stmt, c);
            if (text)
                values[c].assign(reinterpret_cast<const char*>(text),
                                 sqlite3_column_bytes(s.stmt, c));
        }
        if (!(*row)(Row(std::move(values)))) return true;
    }
}

Rows Store::query(int db, std::string_view sql, const Params& params) {
    Rows rows;
    std::function<bool(const Row&)> collect = [&rows](const Row& r) {
        rows.push_back(r);
        return true;
    };
    if (!run(db, sql, params, &collect)) return Rows();
    return rows;
}

bool Store::for_each(int db, std::string_view sql, const Params& params,
                     const std::function<bool(const Row&)>& row) {
    return run(db, sql, params, &row);
}

bool Store::update(int db, std::string_view sql, const Params& params) {
    return run(db, sql, params, nullptr);
}

std::string Store::next_number(std::string_view numbering_sql, int db) {
    return std::to_string(whole_value(query(db, numbering_sql).first()) + 1);
}

long long Store::sum(int db, std::string_view sql, const Params& params) {
    return whole_value(query(db, sql, params).first());
}

Store::Transaction::Transaction(Store& store, int db) : store_(store), db_(db) {
    open_ = store_.update(db_, "BEGIN IMMEDIATE");
}

Store::Transaction::~Transaction() {
    if (open_) store_.update(db_, "ROLLBACK");
}

bool Store::Transaction::commit() {
    if (!open_) return false;
    open_ = false;
    return store_.update(db_, "COMMIT");
}

}  // namespace kelmo::store
