// The history database's layout and its migrations. PRAGMA user_version holds the schema version; each
// step below takes a database from the version before it to its own, and runs in one transaction with
// the version bump, so a crash mid-migration leaves the older version whole.
//
// Rows are kept small (a year of daily play, some 300,000 answers, stays well under 30 MB): times are
// integer milliseconds since 1970-01-01 UTC, small enumerations are integers (see History.h for the
// values), and answers are found in the order they were recorded by their rowid, which every index
// carries: the fact index gives a fact's latest tries without holding their times.
#include <iterator>

#include "history/Sqlite.h"

namespace history {

namespace {

const char* const migrations[] = {
    // 1: sessions and answers.
    "CREATE TABLE sessions ("
    "  id INTEGER PRIMARY KEY,"
    "  started_at INTEGER NOT NULL,"
    "  ended_at INTEGER,"
    "  mode INTEGER NOT NULL,"        // 0 arcade, 1 practice, 2 daily
    "  difficulty INTEGER NOT NULL,"  // the options of the session
    "  operations INTEGER NOT NULL,"  // bit 1 << operation for each operation posed
    "  score INTEGER NOT NULL DEFAULT 0,"
    "  level INTEGER NOT NULL DEFAULT 0,"
    "  ending INTEGER"  // 0 game over, 1 abandoned, 2 program closed; NULL while running or cut off
    ");"
    "CREATE INDEX sessions_started ON sessions(started_at);"
    "CREATE TABLE answers ("
    "  id INTEGER PRIMARY KEY,"
    "  session INTEGER NOT NULL,"
    "  shown_at INTEGER NOT NULL,"
    "  mode INTEGER NOT NULL,"
    "  difficulty INTEGER NOT NULL,"
    "  level INTEGER NOT NULL,"
    "  operation INTEGER NOT NULL,"  // 0 +, 1 -, 2 x, 3 /
    "  first INTEGER NOT NULL,"
    "  second INTEGER NOT NULL,"
    "  expected INTEGER NOT NULL,"
    "  typed TEXT NOT NULL,"
    "  outcome INTEGER NOT NULL,"  // 0 right, 1 wrong, 2 skipped, 3 the clock ran out
    "  response_ms INTEGER NOT NULL"
    ");"
    "CREATE INDEX answers_fact ON answers(operation, first, second);"
    "CREATE INDEX answers_time ON answers(shown_at);"
    "CREATE INDEX answers_session ON answers(session);",
};

// Tells a database that is in use by someone else from one that is unusable.
Verdict verdictFor(int error) {
    return error == SQLITE_BUSY || error == SQLITE_LOCKED ? Verdict::InUse : Verdict::SetAside;
}

bool hasTables(sqlite3* db) {
    Statement tables(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('sessions', 'answers')");
    return tables.step() && tables.integer(0) == 2;
}

}  // namespace

int execute(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

int schemaVersion() { return static_cast<int>(std::size(migrations)); }

Verdict prepareDatabase(sqlite3* db, std::string& reason) {
    int64_t id = 0, version = 0;
    bool empty = false;
    {  // the journal mode cannot change while a statement is open
        Statement identity(db, "PRAGMA application_id");
        if (!identity.step()) {
            reason = std::string("it cannot be read (") + sqlite3_errstr(identity.error()) + ")";
            return verdictFor(identity.error());
        }
        id = identity.integer(0);
        Statement versionQuery(db, "PRAGMA user_version");
        Statement objects(db, "SELECT count(*) FROM sqlite_schema");
        if (!versionQuery.step() || !objects.step()) {
            reason = std::string("it cannot be read (") + sqlite3_errstr(objects.error()) + ")";
            return verdictFor(objects.error());
        }
        version = versionQuery.integer(0);
        empty = objects.integer(0) == 0 && version == 0;
    }
    if (id != applicationId && !(id == 0 && empty)) {
        reason = "it is not a Vortellanox history";
        return Verdict::SetAside;
    }
    if (version > schemaVersion()) {
        reason = "it was written by a newer version of Vortellanox";
        return Verdict::SetAside;
    }
    // Our identity with our tables missing is a damaged file; it is left exactly as it was found.
    if (version > 0 && !hasTables(db)) {
        reason = "it is damaged";
        return Verdict::SetAside;
    }
    if (sqlite3_db_readonly(db, "main") == 1) {
        reason = "it cannot be written";
        return Verdict::SetAside;
    }
    {
        Statement journal(db, "PRAGMA journal_mode=WAL");
        const bool wal = journal.step() && journal.text(0) == "wal";
        if (!wal) {
            reason = std::string("it cannot be written (") + sqlite3_errstr(journal.error()) + ")";
            return verdictFor(journal.error());
        }
    }
    execute(db, "PRAGMA synchronous=NORMAL");
    for (int64_t step = version; step < schemaVersion(); ++step) {
        const std::string stamp = "PRAGMA user_version=" + std::to_string(step + 1) +
                                  ";PRAGMA application_id=" + std::to_string(applicationId) + ";";
        int error = execute(db, "BEGIN IMMEDIATE");
        if (error == SQLITE_OK) error = execute(db, migrations[step]);
        if (error == SQLITE_OK) error = execute(db, stamp.c_str());
        if (error == SQLITE_OK) error = execute(db, "COMMIT");
        if (error != SQLITE_OK) {
            execute(db, "ROLLBACK");
            reason = std::string("it cannot be brought up to date (") + sqlite3_errstr(error) + ")";
            return verdictFor(error);
        }
    }
    return Verdict::Usable;
}

}  // namespace history
