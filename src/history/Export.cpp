// The export of the answers as CSV for spreadsheets (RFC 4180: a header row, CRLF line ends, a field
// quoted when it holds a comma, a quote or a line break, quotes inside doubled).
#include <cstdio>
#include <filesystem>
#include <memory>

#include "history/History.h"
#include "history/Sqlite.h"

namespace history {

namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

int fail(const std::string& message) {
    std::fprintf(stderr, "vortellanox: %s\n", message.c_str());
    return 1;
}

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

}  // namespace

int exportCsv(const std::string& folder, const std::string& file) {
    const bool toStandardOutput = file == "-";
    const std::filesystem::path path = std::filesystem::path(folder) / "history.sqlite";
    // Opening the target truncates it: never the history itself (or its log) by a slip of the hand.
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code error;
        if (!toStandardOutput && std::filesystem::equivalent(file, path.string() + suffix, error))
            return fail("will not write over the history itself: " + file);
    }
    std::FILE* out = toStandardOutput ? stdout : std::fopen(file.c_str(), "wb");
    if (!out) return fail("cannot write " + file);
    const auto finish = [&](int status) {
        const bool written = std::fflush(out) == 0 && !std::ferror(out);
        const bool closed = toStandardOutput || std::fclose(out) == 0;
        if (status == 0 && !(written && closed)) return fail("cannot write " + file);
        return status;
    };

    std::fputs("time,mode,operation,first,second,expected,typed,outcome,ms\r\n", out);
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return finish(0);

    // Read-only: a running game keeps writing through its own connection, and a reader of a
    // write-ahead log never waits for it.
    sqlite3* opened = nullptr;
    const int error = sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, CloseDatabase> db(opened);
    if (error != SQLITE_OK) return finish(fail(path.string() + " cannot be read (" + sqlite3_errstr(error) + ")"));
    sqlite3_busy_timeout(db.get(), 1000);
    Statement identity(db.get(), "PRAGMA application_id");
    if (!identity.step())
        return finish(fail(path.string() + " cannot be read (" + sqlite3_errstr(identity.error()) + ")"));
    if (identity.integer(0) != applicationId) return finish(fail(path.string() + " is not a Vortellanox history"));

    Statement rows(db.get(),
                   "SELECT shown_at, mode, operation, first, second, expected, typed, outcome, response_ms"
                   " FROM answers ORDER BY id");
    while (rows.step()) {
        const std::string line =
            isoTime(rows.integer(0)) + "," + modeName(static_cast<Mode>(rows.number(1))) + "," +
            operationSymbol(static_cast<Operation>(rows.number(2))) + "," + std::to_string(rows.integer(3)) + "," +
            std::to_string(rows.integer(4)) + "," + std::to_string(rows.integer(5)) + "," + csvField(rows.text(6)) +
            "," + outcomeName(static_cast<Outcome>(rows.number(7))) + "," + std::to_string(rows.integer(8)) + "\r\n";
        if (std::fputs(line.c_str(), out) == EOF) return finish(fail("cannot write " + file));
    }
    if (!rows.ok()) return finish(fail(path.string() + " cannot be read (" + sqlite3_errstr(rows.error()) + ")"));
    return finish(0);
}

}  // namespace history
