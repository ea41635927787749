#pragma once
// A thin hold on SQLite for the history: prepared statements that finalize themselves, and the
// database file's identity, schema and migrations.
#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace history {

// Ours, in the header of every history database ("VxHi"), so that a foreign SQLite file is recognised.
constexpr int32_t applicationId = 0x56784869;

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        result = db ? sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) : SQLITE_MISUSE;
    }
    ~Statement() { sqlite3_finalize(statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return result == SQLITE_OK || result == SQLITE_ROW || result == SQLITE_DONE; }
    int error() const { return result; }
    Statement& bind(int index, int64_t value) {
        if (statement) sqlite3_bind_int64(statement, index, value);
        return *this;
    }
    Statement& bind(int index, const std::string& text) {
        if (statement)
            sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bindNull(int index) {
        if (statement) sqlite3_bind_null(statement, index);
        return *this;
    }
    // True while there is a row; afterwards ok() tells whether the statement ran to its end.
    bool step() {
        if (!statement) return false;
        result = sqlite3_step(statement);
        return result == SQLITE_ROW;
    }
    // Runs a statement that returns no rows; true when it completed.
    bool run() {
        while (step()) {
        }
        return result == SQLITE_DONE;
    }
    void reset() {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        result = SQLITE_OK;
    }
    int64_t integer(int column) const { return sqlite3_column_int64(statement, column); }
    int number(int column) const { return sqlite3_column_int(statement, column); }
    bool isNull(int column) const { return sqlite3_column_type(statement, column) == SQLITE_NULL; }
    std::string text(int column) const {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return bytes ? std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(statement, column))) : std::string();
    }

private:
    sqlite3_stmt* statement = nullptr;
    int result = SQLITE_OK;
};

// Runs one or more statements that return nothing; the SQLite result code.
int execute(sqlite3* db, const char* sql);

// The schema version this program writes.
int schemaVersion();

// What opening found: a usable database, or why not.
enum class Verdict {
    Usable,
    SetAside,  // damaged, foreign, newer, read-only: move it out of the way and begin anew
    InUse,     // locked by another program: leave it alone
};
// Checks the identity and version of an opened database and brings an older schema up to date,
// each step of the way inside one transaction. reason says why when the verdict is not Usable.
Verdict prepareDatabase(sqlite3* db, std::string& reason);

}  // namespace history
