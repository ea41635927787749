// The history store: opening (and setting aside what cannot be used), the writer thread, the queries.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "history/History.h"
#include "history/Sqlite.h"

namespace history {

namespace fs = std::filesystem;

namespace {

const char* const fileName = "history.sqlite";
// SQLite's companions of a write-ahead-logged database, moved with it when it is set aside.
const char* const companions[] = {"-wal", "-shm"};

bool present(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

// Moves folder/history.sqlite (and its companions) to history-DATE.sqlite, or history-DATE-N.sqlite
// when an earlier one of that day is there. The name of the moved file, or empty when it could not be.
std::string setAside(const fs::path& folder, int64_t now) {
    const std::string date = isoTime(now).substr(0, 10);
    for (int n = 1; n < 1000; ++n) {
        const std::string name = "history-" + date + (n == 1 ? "" : "-" + std::to_string(n)) + ".sqlite";
        bool taken = present(folder / name);
        for (const char* companion : companions) taken = taken || present(folder / (name + companion));
        if (taken) continue;
        std::error_code error;
        fs::rename(folder / fileName, folder / name, error);
        if (error) return "";
        for (const char* companion : companions) {
            const fs::path from = folder / (std::string(fileName) + companion);
            if (!present(from)) continue;
            fs::rename(from, folder / (name + companion), error);
            // A log left behind would be read into the new database: it must not stay.
            if (error) fs::remove(from, error);
        }
        return name;
    }
    return "";
}

// Opens path and readies it; the verdict, with the reason when it is not usable.
Verdict openDatabase(const fs::path& path, sqlite3*& db, std::string& reason) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    const int error = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (error != SQLITE_OK) {
        reason = std::string("it cannot be opened (") + sqlite3_errstr(error) + ")";
        sqlite3_close(db);
        db = nullptr;
        return Verdict::InUse;  // nothing there to set aside: the folder itself is out of reach
    }
    sqlite3_busy_timeout(db, 250);
    const Verdict verdict = prepareDatabase(db, reason);
    if (verdict != Verdict::Usable) {
        sqlite3_close(db);
        db = nullptr;
    }
    return verdict;
}

// Damage found while writing: the file has to go.
bool isDamage(int error) { return error == SQLITE_CORRUPT || error == SQLITE_NOTADB; }

}  // namespace

HistoryStore::~HistoryStore() { close(); }

void HistoryStore::report(const std::string& message, bool notifyPlayer) {
    std::lock_guard hold(messageLock);
    problem = message;
    if (notifyPlayer) notice = message;
    std::fprintf(stderr, "vortellanox: %s\n", message.c_str());
}

std::string HistoryStore::takeNotice() {
    std::lock_guard hold(messageLock);
    return std::exchange(notice, std::string());
}

std::string HistoryStore::lastProblem() const {
    std::lock_guard hold(messageLock);
    return problem;
}

bool HistoryStore::enabled() const {
    std::lock_guard hold(dbLock);
    return db != nullptr;
}

bool HistoryStore::open(const std::string& dataFolder, int64_t now) {
    close();
    folder = dataFolder;
    {
        std::lock_guard hold(messageLock);
        problem.clear();
    }
    const fs::path root(folder);
    const fs::path path = root / fileName;
    std::error_code error;
    if (fs::create_directories(root, error)) fs::permissions(root, fs::perms::owner_all, error);
    if (present(path) && fs::symlink_status(path, error).type() != fs::file_type::regular) {
        report("History is off: " + path.string() + " is not a file.", true);
        return false;
    }
    std::string reason;
    Verdict verdict = openDatabase(path, db, reason);
    if (verdict == Verdict::SetAside) {
        const std::string kept = setAside(root, now);
        if (kept.empty()) {
            report("History is off: " + path.string() + " cannot be used (" + reason + ") nor moved aside.", true);
            return false;
        }
        report(
            "The answer history could not be used (" + reason + "); it was kept as " + kept + " and a new one begun.",
            true);
        verdict = openDatabase(path, db, reason);
    }
    if (verdict != Verdict::Usable) {
        report("History is off: " + path.string() + ": " + reason + ".", true);
        return false;
    }
    Statement last(db, "SELECT coalesce(max(id), 0) FROM sessions");
    lastSession = last.step() ? last.integer(0) : 0;
    startWriter();
    return true;
}

void HistoryStore::startWriter() {
    stopping = false;
    writeFailed = false;
    writer = std::thread([this] { writerLoop(); });
}

void HistoryStore::close() {
    if (writer.joinable()) {
        {
            std::lock_guard hold(queueLock);
            stopping = true;
        }
        wake.notify_all();
        writer.join();
    }
    std::lock_guard hold(dbLock);
    if (db) sqlite3_close(db);  // the last connection checkpoints the log into the database
    db = nullptr;
}

void HistoryStore::enqueue(Job job) {
    {
        std::lock_guard hold(queueLock);
        if (!writer.joinable() || stopping) return;
        jobs.push_back(std::move(job));
        ++queued;
    }
    wake.notify_one();
}

SessionId HistoryStore::beginSession(const SessionStart& start) {
    if (!writer.joinable()) return 0;
    Job job;
    job.kind = Job::Begin;
    job.session = ++lastSession;
    job.start = start;
    enqueue(std::move(job));
    return lastSession;
}

void HistoryStore::recordAnswer(SessionId session, const Answer& answer) {
    Job job;
    job.kind = Job::Record;
    job.session = session;
    job.answer = answer;
    enqueue(std::move(job));
}

void HistoryStore::recordAnswers(SessionId session, std::vector<Answer> answers) {
    if (answers.empty()) return;
    Job job;
    job.kind = Job::Record;
    job.session = session;
    job.answer = std::move(answers.front());
    answers.erase(answers.begin());
    job.more = std::move(answers);
    enqueue(std::move(job));
}

void HistoryStore::endSession(SessionId session, const SessionEnd& end) {
    Job job;
    job.kind = Job::End;
    job.session = session;
    job.end = end;
    enqueue(std::move(job));
    flush();
}

void HistoryStore::flush() {
    std::unique_lock hold(queueLock);
    const uint64_t target = queued;
    drained.wait(hold, [&] { return committed >= target || !writer.joinable(); });
}

void HistoryStore::writerLoop() {
    std::unique_lock hold(queueLock);
    for (;;) {
        wake.wait(hold, [&] { return stopping || !jobs.empty(); });
        if (jobs.empty()) return;  // stopping, with everything written
        const Job job = std::move(jobs.front());
        jobs.pop_front();
        hold.unlock();
        runJob(job);
        hold.lock();
        ++committed;
        drained.notify_all();
    }
}

// Each row is its own transaction, committed at once: in write-ahead mode with synchronous=NORMAL the
// commit is in the log file before the next row is taken, so killing the process loses nothing committed.
void HistoryStore::runJob(const Job& job) {
    std::lock_guard hold(dbLock);
    if (!db) return;
    int error = SQLITE_OK;
    if (job.kind == Job::Begin) {
        Statement insert(db,
                         "INSERT INTO sessions(id, started_at, mode, difficulty, operations) VALUES (?, ?, ?, ?, ?)");
        insert.bind(1, job.session)
            .bind(2, job.start.startedAt)
            .bind(3, static_cast<int64_t>(job.start.mode))
            .bind(4, job.start.difficulty)
            .bind(5, static_cast<int64_t>(job.start.operations));
        if (!insert.run()) error = insert.error();
    } else if (job.kind == Job::Record) {
        Statement insert(db,
                         "INSERT INTO answers(session, shown_at, mode, difficulty, level, operation, first, second,"
                         " expected, typed, outcome, response_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const bool batch = !job.more.empty();
        if (batch) error = execute(db, "BEGIN");
        for (size_t i = 0; error == SQLITE_OK && i <= job.more.size(); ++i) {
            const Answer& a = i == 0 ? job.answer : job.more[i - 1];
            insert.reset();
            insert.bind(1, job.session)
                .bind(2, a.shownAt)
                .bind(3, static_cast<int64_t>(a.mode))
                .bind(4, a.difficulty)
                .bind(5, a.level)
                .bind(6, static_cast<int64_t>(a.op))
                .bind(7, a.first)
                .bind(8, a.second)
                .bind(9, a.expected)
                .bind(10, a.typed)
                .bind(11, static_cast<int64_t>(a.outcome))
                .bind(12, a.responseMs);
            if (!insert.run()) error = insert.error();
        }
        if (batch) error = error == SQLITE_OK ? execute(db, "COMMIT") : (execute(db, "ROLLBACK"), error);
    } else {
        Statement update(db, "UPDATE sessions SET ended_at = ?, score = ?, level = ?, ending = ? WHERE id = ?");
        update.bind(1, job.end.endedAt)
            .bind(2, job.end.score)
            .bind(3, job.end.level)
            .bind(4, static_cast<int64_t>(job.end.ending))
            .bind(5, job.session);
        if (!update.run()) error = update.error();
    }
    if (error == SQLITE_OK || writeFailed) return;
    // Told once: the game goes on either way. A damaged file is replaced so that the next rows are kept.
    writeFailed = true;
    const std::string reason = sqlite3_errstr(error);
    if (isDamage(error)) {
        sqlite3_close(db);
        db = nullptr;
        const int64_t now = job.kind == Job::Begin ? job.start.startedAt
                            : job.kind == Job::End ? job.end.endedAt
                                                   : job.answer.shownAt;
        const std::string kept = setAside(fs::path(folder), now);
        std::string why;
        if (!kept.empty() && openDatabase(fs::path(folder) / fileName, db, why) == Verdict::Usable) {
            writeFailed = false;
            report("The answer history was damaged (" + reason + "); it was kept as " + kept + " and a new one begun.",
                   true);
            return;
        }
    }
    report("The answer history could not be written (" + reason + "); answers are not being kept.", true);
}

// Every question the screens ask: what was queued before it is committed first, and a store that is
// closed or disabled reads nothing, so each query answers with its empty result.
template <typename Read>
void HistoryStore::query(Read read) {
    flush();
    std::lock_guard hold(dbLock);
    if (db) read(db);
}

FactGrid HistoryStore::factGrid(Operation op) {
    FactGrid grid;
    const std::vector<std::vector<Answer>> tries = lastTries(op);
    for (size_t at = 0; at < grid.size(); ++at) {
        const bool fact = gridFact(op, static_cast<int>(at) / gridSide, static_cast<int>(at) % gridSide).has_value();
        grid[at] = fact ? factState(tries[at]) : FactState::NoFact;
    }
    return grid;
}

std::vector<std::vector<Answer>> HistoryStore::lastTries(Operation op) {
    std::vector<std::vector<Answer>> grid(gridSide * gridSide);
    query([&](sqlite3* open) {
        Statement tries(open,
                        "SELECT outcome, response_ms FROM answers WHERE operation = ? AND first = ? AND second = ?"
                        " ORDER BY id DESC LIMIT 3");
        for (size_t at = 0; at < grid.size(); ++at) {
            const std::optional<Fact> fact =
                gridFact(op, static_cast<int>(at) / gridSide, static_cast<int>(at) % gridSide);
            if (!fact) continue;
            tries.reset();
            tries.bind(1, static_cast<int64_t>(op)).bind(2, fact->first).bind(3, fact->second);
            while (tries.step()) {
                Answer answer;
                answer.op = op;
                answer.first = fact->first;
                answer.second = fact->second;
                answer.outcome = static_cast<Outcome>(tries.number(0));
                answer.responseMs = tries.number(1);
                grid[at].push_back(answer);
            }
        }
    });
    return grid;
}

std::array<int, operationCount> HistoryStore::medianResponseMs(int64_t now) {
    std::array<int, operationCount> medians;
    medians.fill(-1);
    std::array<std::vector<int>, operationCount> times;
    query([&](sqlite3* open) {
        Statement rows(
            open, "SELECT operation, response_ms FROM answers WHERE shown_at > ? AND shown_at <= ? AND outcome = 0");
        rows.bind(1, now - 7 * msPerDay).bind(2, now);
        while (rows.step()) {
            const int op = rows.number(0);
            if (op >= 0 && op < operationCount) times[static_cast<size_t>(op)].push_back(rows.number(1));
        }
    });
    for (size_t op = 0; op < times.size(); ++op) {
        std::vector<int>& list = times[op];
        if (list.empty()) continue;
        const size_t middle = list.size() / 2;
        std::nth_element(list.begin(), list.begin() + static_cast<ptrdiff_t>(middle), list.end());
        const int upper = list[middle];
        if (list.size() % 2 == 1) {
            medians[op] = upper;
        } else {
            const int lower = *std::max_element(list.begin(), list.begin() + static_cast<ptrdiff_t>(middle));
            medians[op] = lower + (upper - lower) / 2;
        }
    }
    return medians;
}

std::vector<DayCount> HistoryStore::answersPerDay(int64_t now, int days) {
    const int64_t today = now >= 0 ? now / msPerDay : (now - msPerDay + 1) / msPerDay;
    std::vector<DayCount> counts;
    for (int i = days - 1; i >= 0; --i) counts.push_back({today - i, 0});
    if (days <= 0) return counts;
    query([&](sqlite3* open) {
        Statement rows(open,
                       "SELECT shown_at / 86400000, count(*) FROM answers WHERE shown_at >= ? AND shown_at < ?"
                       " GROUP BY 1");
        rows.bind(1, counts.front().day * msPerDay).bind(2, (today + 1) * msPerDay);
        while (rows.step()) {
            const int64_t index = rows.integer(0) - counts.front().day;
            if (index >= 0 && index < days) counts[static_cast<size_t>(index)].count = rows.number(1);
        }
    });
    return counts;
}

std::vector<Answer> HistoryStore::sessionAnswers(SessionId session) {
    std::vector<Answer> answers;
    query([&](sqlite3* open) {
        Statement rows(open,
                       "SELECT shown_at, mode, difficulty, level, operation, first, second, expected, typed, outcome,"
                       " response_ms FROM answers WHERE session = ? ORDER BY id");
        rows.bind(1, session);
        while (rows.step()) {
            Answer a;
            a.shownAt = rows.integer(0);
            a.mode = static_cast<Mode>(rows.number(1));
            a.difficulty = rows.number(2);
            a.level = rows.number(3);
            a.op = static_cast<Operation>(rows.number(4));
            a.first = rows.number(5);
            a.second = rows.number(6);
            a.expected = rows.number(7);
            a.typed = rows.text(8);
            a.outcome = static_cast<Outcome>(rows.number(9));
            a.responseMs = rows.number(10);
            answers.push_back(std::move(a));
        }
    });
    return answers;
}

std::vector<DayScore> HistoryStore::bestDailyScores(int64_t from) {
    std::vector<DayScore> scores;
    query([&](sqlite3* open) {
        Statement rows(open,
                       "SELECT started_at / 86400000 AS day, max(score) FROM sessions"
                       " WHERE mode = 2 AND ending IS NOT NULL AND started_at >= ? GROUP BY day ORDER BY day");
        rows.bind(1, from);
        while (rows.step()) scores.push_back({rows.integer(0), rows.number(1)});
    });
    return scores;
}

}  // namespace history
