// The answer history: its database through restarts and damage, the rules the screens read it by,
// the export; the program's own use of it, and what survives a kill, are tests/scripts/history.sh's.
#include <sqlite3.h>
#include <unistd.h>

#include <random>

#include "../../bench/YearOfPlay.h"
#include "common/DataRootTest.h"
#include "history/History.h"

using namespace history;

namespace {

constexpr int64_t day0 = 20'429;  // 2025-12-07
constexpr int64_t noon = day0 * msPerDay + msPerDay / 2;

Answer answer(Operation op, int first, int second, Outcome outcome, int ms, int64_t at = noon) {
    std::string typed = outcome == Outcome::Right ? std::to_string(first * second) : "";
    return {at, Mode::Arcade, 0, 0, op, first, second, first * second, std::move(typed), outcome, ms};
}

// Runs one statement on a database file with SQLite itself and returns the first column of its first row.
std::string sql(const std::filesystem::path& file, const std::string& statement) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::string value;
    sqlite3_exec(
        db, statement.c_str(),
        [](void* out, int, char** columns, char**) {
            if (columns[0]) *static_cast<std::string*>(out) = columns[0];
            return 1;
        },
        &value, nullptr);
    sqlite3_close(db);
    return value;
}

class History : public DataRootTest {
protected:
    std::filesystem::path database() const { return root / "history.sqlite"; }
    std::string exported() {
        const std::string file = (root / "out.csv").string();
        EXPECT_EQ(exportCsv(root.string(), file), 0);
        return bytesOf("out.csv");
    }
    HistoryStore store;
};

TEST_F(History, BeginsAFileAndKeepsItThroughRestarts) {
    putBytes("history.sqlite", "");  // an empty file is a database with nothing in it yet
    ASSERT_TRUE(store.open(root.string(), noon));
    EXPECT_EQ(store.takeNotice(), "");
    const SessionId first = store.beginSession({noon, Mode::Daily, 2, 0b0100});
    store.recordAnswer(first, answer(Operation::Multiply, 7, 8, Outcome::Right, 1200));
    store.endSession(first, {noon + 60'000, 4200, 3, Ending::Abandoned});
    store.close();
    EXPECT_EQ(sql(database(), "PRAGMA user_version"), "1");
    EXPECT_EQ(sql(database(), "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(sql(database(), "SELECT ending || ',' || score FROM sessions"), "1,4200");

    ASSERT_TRUE(store.open(root.string(), noon));  // a version-1 file, as this program wrote it
    const SessionId second = store.beginSession({noon, Mode::Arcade, 0, 1});
    EXPECT_GT(second, first);
    EXPECT_EQ(store.sessionAnswers(first).size(), 1u);
    EXPECT_EQ(store.bestDailyScores(0).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(root / "history-2025-12-07.sqlite"));
}

TEST_F(History, SetsAsideWhatItCannotUseAndBeginsAnew) {
    std::mt19937 random(7);
    std::string noise(8192, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const std::pair<const char*, std::string> unusable[] = {
        {"random bytes", noise},
        {"newer", "PRAGMA application_id=1450723433; PRAGMA user_version=99; CREATE TABLE answers(x);"},
        {"foreign", "CREATE TABLE notes(text);"},
        {"ours, damaged", "PRAGMA application_id=1450723433; PRAGMA user_version=1;"},
    };
    int kept = 0;
    for (const auto& [what, content] : unusable) {
        SCOPED_TRACE(what);
        std::filesystem::remove(database());
        content == noise ? putBytes("history.sqlite", noise) : void(sql(database(), content));
        const std::string before = bytesOf("history.sqlite");
        ASSERT_TRUE(store.open(root.string(), noon + 1000));
        const std::string notice = store.takeNotice();
        EXPECT_NE(notice, "");
        EXPECT_EQ(store.takeNotice(), "");  // told once
        store.recordAnswer(store.beginSession({}), answer(Operation::Add, 1, 2, Outcome::Right, 900));
        EXPECT_EQ(store.sessionAnswers(1).size(), 1u);
        store.close();
        // Each one kept whole under a name of its own; none overwrites an earlier one.
        const std::string name = "history-2025-12-07" + (kept++ ? "-" + std::to_string(kept) : "") + ".sqlite";
        EXPECT_NE(notice.find(name), std::string::npos) << notice;
        EXPECT_TRUE(bytesOf(name) == before);  // (not printed: binary)
    }
}

TEST_F(History, RunsWithoutHistoryWhereNothingCanBeSetAside) {
    std::filesystem::create_directory(database());  // not ours to move
    EXPECT_FALSE(store.open(root.string(), noon));
    EXPECT_NE(store.takeNotice().find("not a file"), std::string::npos);
    const SessionId session = store.beginSession({});
    store.recordAnswer(session, answer(Operation::Add, 1, 2, Outcome::Right, 900));
    store.endSession(session, {});
    EXPECT_TRUE(store.sessionAnswers(session).empty());
    EXPECT_EQ(store.factGrid(Operation::Add)[0], FactState::NotSeen);

    // Locked by another program: left alone, neither used nor moved.
    std::filesystem::remove(database());
    sqlite3* other = nullptr;
    sqlite3_open(database().c_str(), &other);
    sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; CREATE TABLE t(x); BEGIN EXCLUSIVE;", nullptr, nullptr,
                 nullptr);
    EXPECT_FALSE(store.open(root.string(), noon));
    EXPECT_NE(store.takeNotice().find("locked"), std::string::npos);
    sqlite3_close(other);
    EXPECT_FALSE(std::filesystem::exists(root / "history-2025-12-07.sqlite"));

    putBytes("plain-file", "x");  // a data folder that cannot be made (as a read-only one)
    EXPECT_FALSE(store.open((root / "plain-file").string(), noon));
    EXPECT_NE(store.lastProblem(), "");
    EXPECT_NE(store.takeNotice(), "");
}

TEST_F(History, FluentMeansTheLastThreeRightEachWithinThreeSeconds) {
    ASSERT_TRUE(store.open(root.string(), noon));
    const SessionId s = store.beginSession({});
    const auto cell = [&](Operation op, int a, int b) { return store.factGrid(op)[a * gridSide + b]; };
    const auto right = Outcome::Right;
    const struct {
        int first, second;
        std::vector<std::pair<Outcome, int>> tries;
        FactState state;
    } facts[] = {
        {7, 8, {{Outcome::Wrong, 900}, {right, 2999}, {right, 2999}, {right, 0}}, FactState::Fluent},
        {6, 9, {{right, 1000}, {right, 1000}, {right, 3000}}, FactState::Learning},
        {5, 5, {{right, 1000}, {Outcome::Timeout, 1000}, {right, 1000}, {right, 1000}}, FactState::Learning},
        {4, 4, {{right, 1000}, {right, 1000}}, FactState::Learning},
        {8, 7, {}, FactState::NotSeen},
    };
    for (const auto& fact : facts)
        for (auto [outcome, ms] : fact.tries)
            store.recordAnswer(s, answer(Operation::Multiply, fact.first, fact.second, outcome, ms));
    for (const auto& fact : facts)
        EXPECT_EQ(cell(Operation::Multiply, fact.first, fact.second), fact.state) << fact.first;
    EXPECT_EQ(cell(Operation::Add, 7, 8), FactState::NotSeen);

    // Subtraction and division show the inverse facts; nothing is divided by 0.
    store.recordAnswer(s, answer(Operation::Divide, 56, 8, right, 500));
    EXPECT_EQ(cell(Operation::Divide, 7, 8), FactState::Learning);
    EXPECT_EQ(cell(Operation::Divide, 7, 0), FactState::NoFact);
    EXPECT_EQ(gridFact(Operation::Subtract, 3, 4)->first, 7);
}

TEST_F(History, ReviewListsMissedThenSlowFactsWorstFirst) {
    ASSERT_TRUE(store.open(root.string(), noon));
    const SessionId game = store.beginSession({});
    const SessionId other = store.beginSession({});
    const std::vector<Answer> played = {
        answer(Operation::Add, 1, 1, Outcome::Right, 800),       // quick: not listed
        answer(Operation::Add, 2, 2, Outcome::Right, 3000),      // slow
        answer(Operation::Add, 3, 3, Outcome::Wrong, 1500),      // missed once, then solved
        answer(Operation::Add, 3, 3, Outcome::Right, 2000),      //
        answer(Operation::Add, 4, 4, Outcome::Skipped, 700),     // never solved
        answer(Operation::Add, 5, 5, Outcome::Right, 9000),      // slower
        answer(Operation::Add, 6, 6, Outcome::Wrong, 500),       // missed twice
        answer(Operation::Add, 6, 6, Outcome::Timeout, 10'000),  // and never solved
    };
    for (const Answer& a : played) store.recordAnswer(game, a);
    store.recordAnswer(other, answer(Operation::Add, 9, 9, Outcome::Wrong, 500));
    std::vector<int> order;
    for (const ReviewItem& item : store.review(game)) order.push_back(item.first);
    EXPECT_EQ(order, (std::vector<int>{6, 4, 3, 5, 2}));

    std::vector<Answer> many;
    for (int i = 0; i < 15; ++i) many.push_back(answer(Operation::Add, i, 0, Outcome::Right, 3000 + i));
    const std::vector<ReviewItem> listed = reviewOf(many);
    ASSERT_EQ(listed.size(), reviewLimit);
    EXPECT_EQ(listed.front().first, 14);
}

TEST_F(History, ProgressCountsDaysAndMediansOverTheirWindows) {
    ASSERT_TRUE(store.open(root.string(), noon));
    const SessionId s = store.beginSession({});
    const int64_t today = day0 * msPerDay;
    store.recordAnswers(s, {answer(Operation::Add, 1, 1, Outcome::Right, 100, today - 29 * msPerDay),
                            answer(Operation::Add, 1, 1, Outcome::Right, 100, today - 30 * msPerDay + msPerDay - 1),
                            answer(Operation::Add, 1, 1, Outcome::Right, 100, today - 30 * msPerDay - 1),
                            answer(Operation::Add, 1, 1, Outcome::Right, 4000, today - 6 * msPerDay),
                            answer(Operation::Add, 1, 1, Outcome::Right, 1000, today),
                            answer(Operation::Add, 1, 1, Outcome::Right, 2000, noon),
                            answer(Operation::Add, 1, 1, Outcome::Wrong, 50, noon)});
    const std::vector<DayCount> days = store.answersPerDay(noon);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days.front().day, day0 - 29);
    EXPECT_EQ(days.front().count, 1);
    EXPECT_EQ(days.back().count, 3);
    // Right answers of the last seven days (the oldest lies outside them): 1000, 2000, 4000.
    EXPECT_EQ(store.medianResponseMs(noon)[0], 2000);
    EXPECT_EQ(store.medianResponseMs(noon + msPerDay)[0], 1500);
    EXPECT_EQ(store.medianResponseMs(noon)[1], -1);
}

TEST_F(History, ExportsEveryAnswerAsCsv) {
    EXPECT_EQ(exported(), "time,mode,operation,first,second,expected,typed,outcome,ms\r\n");
    EXPECT_TRUE(!std::filesystem::exists(database()));  // exporting never makes a database

    ASSERT_TRUE(store.open(root.string(), noon));
    const SessionId s = store.beginSession({});
    Answer odd = answer(Operation::Subtract, 12, 5, Outcome::Wrong, 3250, day0 * msPerDay + 36'903'250);
    odd.mode = Mode::Practice;
    odd.expected = 7;
    odd.typed = "1,\"2";
    store.recordAnswer(s, odd);
    store.recordAnswer(s, answer(Operation::Divide, 0, 3, Outcome::Timeout, 10000, 0));
    store.flush();  // the store stays open: the export reads beside a running game
    EXPECT_EQ(exported(),
              "time,mode,operation,first,second,expected,typed,outcome,ms\r\n"
              "2025-12-07T10:15:03.250Z,practice,-,12,5,7,\"1,\"\"2\",wrong,3250\r\n"
              "1970-01-01T00:00:00.000Z,arcade,/,0,3,0,,timeout,10000\r\n");
    EXPECT_EQ(exportCsv(root.string(), (root / "." / "history.sqlite").string()), 1);
    EXPECT_EQ(store.sessionAnswers(s).size(), 2u);  // untouched
    store.close();
    putBytes("history.sqlite", "not a database at all, just some text that is long enough");
    EXPECT_EQ(exportCsv(root.string(), (root / "out.csv").string()), 1);
}

// The year of daily play the benchmarks measure, 300,000 answers, stays under 30 MB on disk.
TEST_F(History, AYearOfPlayStaysSmall) {
    ASSERT_TRUE(store.open(root.string(), noon));
    fillYearOfPlay(store, noon);
    store.close();
    EXPECT_EQ(sql(database(), "SELECT count(*) FROM answers"), "300000");
    uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root)) bytes += entry.file_size();
    EXPECT_LT(bytes, 30u * 1000 * 1000);
}

}  // namespace
