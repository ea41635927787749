#pragma once
// The answer history: every answer given in every mode and every session played, kept in an embedded
// SQLite database (history.sqlite in the data root), and the questions the review and progress screens
// ask of it.
//
// Writing never holds up a frame: the record calls only queue the row, and a writer thread commits
// each one in its own transaction as soon as it takes it. flush() waits until everything queued
// before it is committed; from then on a kill of the process loses none of it.
//
// A database that cannot be used (damaged, foreign, newer, read-only) is set aside under a dated name
// and a new one begun; where even that is impossible the store runs disabled: every call still works
// and does nothing, and takeNotice() hands the front-end one message to show the player.
//
// Time is always passed in by the caller, as milliseconds since 1970-01-01 UTC.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct sqlite3;

namespace history {

enum class Mode : uint8_t { Arcade = 0, Practice = 1, Daily = 2 };
enum class Operation : uint8_t { Add = 0, Subtract = 1, Multiply = 2, Divide = 3 };
enum class Outcome : uint8_t { Right = 0, Wrong = 1, Skipped = 2, Timeout = 3 };
enum class Ending : uint8_t { GameOver = 0, Abandoned = 1, Closed = 2 };
constexpr int operationCount = 4;

// "+ - x /" and the names the export writes.
char operationSymbol(Operation op);
const char* modeName(Mode mode);
const char* outcomeName(Outcome outcome);

// An answer counts as quick when it came within this many milliseconds of the problem appearing:
// a fact is fluent when its last three answers were right and quick; the review lists the slow ones.
constexpr int quickMs = 3000;
constexpr bool isQuick(int responseMs) { return responseMs < quickMs; }

constexpr int64_t msPerDay = 86'400'000;

using SessionId = int64_t;  // 0: no session

struct SessionStart {
    int64_t startedAt = 0;
    Mode mode = Mode::Arcade;
    int difficulty = 0;
    unsigned operations = 0;  // bit (1 << Operation) for each operation the session poses
};

struct SessionEnd {
    int64_t endedAt = 0;
    int score = 0;
    int level = 0;  // the level reached
    Ending ending = Ending::GameOver;
};

// One try at a problem: a wrong answer that leaves the problem posed is one entry, the next try another.
struct Answer {
    int64_t shownAt = 0;
    Mode mode = Mode::Arcade;
    int difficulty = 0;
    int level = 0;
    Operation op = Operation::Add;
    int first = 0;
    int second = 0;
    int expected = 0;
    std::string typed;  // empty when skipped or when the clock ran out before anything was typed
    Outcome outcome = Outcome::Right;
    int responseMs = 0;  // from the moment the problem appeared to the key that completed the judgement
};

// The basic facts of the progress grid: operands 0-12, and for subtraction and division the inverse
// facts, so cell (a, b) is a + b, a x b, (a + b) - b and (a x b) / b; division by 0 is no fact.
constexpr int gridSide = 13;
struct Fact {
    int first = 0;
    int second = 0;
};
std::optional<Fact> gridFact(Operation op, int a, int b);

enum class FactState : uint8_t { NoFact, NotSeen, Learning, Fluent };
// Fluent when a fact's last three answers were all right and quick; learning when it has been seen.
FactState factState(const std::vector<Answer>& lastTriesNewestFirst);
using FactGrid = std::array<FactState, gridSide * gridSide>;  // row a, column b at a * gridSide + b

// A fact of a game that was missed or slow, for the review.
struct ReviewItem {
    Operation op = Operation::Add;
    int first = 0;
    int second = 0;
    int expected = 0;
    int misses = 0;      // tries that were not right (wrong, skipped, out of time)
    bool solved = true;  // its last try was right
    int slowestMs = 0;   // the longest of its tries
};
constexpr size_t reviewLimit = 10;
// Up to ten of the facts among a game's answers (in the order played) that were missed or slow, worst
// first: unsolved, then most misses, then slowest; equal ones in the order they were first posed.
std::vector<ReviewItem> reviewOf(const std::vector<Answer>& answers);

struct DayCount {
    int64_t day = 0;  // days since 1970-01-01 UTC
    int count = 0;
};
struct DayScore {
    int64_t day = 0;
    int score = 0;
};

class HistoryStore {
public:
    HistoryStore() = default;
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens (or begins) folder/history.sqlite; now names a database set aside. False when the store
    // runs disabled; the reason is then in takeNotice() and was written to standard error.
    bool open(const std::string& folder, int64_t now);
    // Flushes and closes; the store is disabled afterwards until the next open.
    void close();
    bool enabled() const;
    // The one message the player should see about the history (set aside, or disabled), handed out
    // once; empty when there is none.
    std::string takeNotice();
    // The last thing that went wrong with the history (also written to standard error); empty: nothing.
    std::string lastProblem() const;

    // Record calls only queue their row (cheap enough for any frame); they do nothing when disabled.
    SessionId beginSession(const SessionStart& start);
    void recordAnswer(SessionId session, const Answer& answer);
    void endSession(SessionId session, const SessionEnd& end);
    // Many answers in one transaction (an import, or a benchmark's year of play).
    void recordAnswers(SessionId session, std::vector<Answer> answers);
    // Waits until every row queued before the call is committed.
    void flush();

    // The questions the screens ask; each flushes first. Empty results when disabled.
    FactGrid factGrid(Operation op);
    // The last three tries at each basic fact of op, newest first, at a * gridSide + b; no tries for a
    // cell that is no fact or has not been seen. Only outcome and responseMs are filled in.
    std::vector<std::vector<Answer>> lastTries(Operation op);
    // The median response time of right answers per operation over the seven days up to now; -1: none.
    std::array<int, operationCount> medianResponseMs(int64_t now);
    // Answers per UTC day for the days days up to and including now's, oldest first.
    std::vector<DayCount> answersPerDay(int64_t now, int days = 30);
    std::vector<Answer> sessionAnswers(SessionId session);
    std::vector<ReviewItem> review(SessionId session) { return reviewOf(sessionAnswers(session)); }
    // The best finished daily-mode score of each UTC day since from, oldest first.
    std::vector<DayScore> bestDailyScores(int64_t from);

private:
    struct Job {
        enum Kind { Begin, Record, End } kind = Record;
        SessionId session = 0;
        SessionStart start;
        Answer answer;
        std::vector<Answer> more;  // after answer, in the same transaction
        SessionEnd end;
    };
    void writerLoop();
    void enqueue(Job job);
    void runJob(const Job& job);
    void startWriter();
    void report(const std::string& message, bool notifyPlayer);
    // Runs read(db) for a query, after flush() and under dbLock; not at all while the store is disabled.
    template <typename Read>
    void query(Read read);

    std::string folder;
    sqlite3* db = nullptr;  // used under dbLock, by the writer and by the queries
    mutable std::mutex dbLock;
    SessionId lastSession = 0;
    mutable std::mutex messageLock;  // the writer reports too
    std::string problem;
    std::string notice;

    std::mutex queueLock;
    std::condition_variable wake;
    std::condition_variable drained;
    std::deque<Job> jobs;
    uint64_t queued = 0;
    uint64_t committed = 0;
    bool stopping = false;
    std::thread writer;
    bool writeFailed = false;
};

// Writes every answer as CSV (RFC 4180, header row, CRLF) to file, or to standard output for "-".
// Reads folder/history.sqlite without changing it, so it works while a game is writing to it; no
// database gives just the header. Returns the process status: 0, or 1 after a message on standard error.
int exportCsv(const std::string& folder, const std::string& file);

// "2026-12-07T10:15:03.250Z"
std::string isoTime(int64_t ms);

}  // namespace history
