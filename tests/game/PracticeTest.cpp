// Practice: the session's choice of facts as properties over many seeded histories, and a session's
// correction of a wrong answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <string_view>

#include "game/Practice.h"

namespace {

using history::Outcome;

std::vector<history::Answer> tries(std::initializer_list<std::pair<Outcome, int>> newestFirst) {
    std::vector<history::Answer> answers;
    for (const auto& [outcome, ms] : newestFirst) {
        answers.emplace_back().outcome = outcome;
        answers.back().responseMs = ms;
    }
    return answers;
}

}  // namespace

TEST(PracticePlan, WeakFactsFillTwoFifthsToThreeFifthsNeverTwiceInARowWithFewNewFacts) {
    EXPECT_EQ(familiarity(tries({{Outcome::Right, 900}, {Outcome::Right, 3000}})), Familiarity::Weak);
    EXPECT_EQ(
        familiarity(tries({{Outcome::Right, 900}, {Outcome::Right, 2999}, {Outcome::Right, 1}, {Outcome::Wrong, 1}})),
        Familiarity::Known)
        << "only the last three tries count";

    for (uint32_t seed = 0; seed < 400; ++seed) {
        // A history: each fact of a random set of operations new, known or weak with random odds.
        std::mt19937 random(seed);
        const OperationSet operations{random() % 2 == 0, random() % 3 == 0, true, random() % 2 == 0};
        const int difficulty = static_cast<int>(random() % 3);
        const unsigned weakOdds = random() % 40, seenOdds = random() % 100;
        const std::vector<PracticeCandidate> candidates =
            practiceCandidates(operations, difficulty, [&](history::Operation) {
                std::vector<std::vector<history::Answer>> grid(history::gridSide * history::gridSide);
                for (auto& cell : grid) {
                    if (random() % 100 < seenOdds)
                        cell = tries({{random() % 100 < weakOdds ? Outcome::Wrong : Outcome::Right, 1000}});
                }
                return grid;
            });
        const std::vector<PracticeFact> plan = planPractice(candidates, seed);
        SCOPED_TRACE(seed);
        ASSERT_EQ(plan.size(), size_t{practiceLength});
        using enum Familiarity;
        std::map<Familiarity, int> inCandidates, inPlan;  // how many facts of each kind
        for (const PracticeCandidate& candidate : candidates) ++inCandidates[candidate.familiarity];
        std::vector<PracticeFact> newFacts;
        for (size_t i = 0; i < plan.size(); ++i) {
            const auto found = std::ranges::find(candidates, plan[i], &PracticeCandidate::fact);
            ASSERT_NE(found, candidates.end()) << "a fact that is no candidate at " << i;
            ++inPlan[found->familiarity];
            EXPECT_TRUE(i == 0 || plan[i] != plan[i - 1]) << "twice in a row at " << i;
            if (found->familiarity == New && std::ranges::find(newFacts, plan[i]) == newFacts.end())
                newFacts.push_back(plan[i]);
            const Problem problem = plan[i].problem();
            EXPECT_TRUE(difficulty != DifficultyHard || std::min(problem.second, problem.result()) >= 2) << "0 or 1";
        }
        if (inCandidates[Weak] + inCandidates[Known] == 0) {
            // No history: twenty different facts spread over every operation chosen.
            for (size_t i = 0; i < plan.size(); ++i) EXPECT_EQ(std::ranges::count(plan, plan[i]), 1);
            for (const PracticeCandidate& candidate : candidates)
                EXPECT_NE(std::ranges::find(plan, candidate.fact.op, &PracticeFact::op), plan.end());
            continue;
        }
        EXPECT_LE(newFacts.size(), size_t{mostNewFacts});
        const bool mixed = inCandidates[Weak] > 0 && inCandidates[Known] > 0;
        EXPECT_TRUE(!mixed || (inPlan[Weak] >= fewestWeak && inPlan[Weak] <= mostWeak)) << inPlan[Weak] << " weak";
    }
}

TEST(PracticeSession, AWrongAnswerIsCorrectedBeforeTheNextProblemAndNeverCountsAsRight) {
    const PracticeFact fact{history::Operation::Multiply, 7, 8};
    EXPECT_EQ(practiceOfReview({{history::Operation::Multiply, 7, 8, 56}}), std::vector<PracticeFact>{fact});

    PracticeSession session;
    std::vector<PracticeTry> judged;
    int posed = 0;
    session.onTry = [&](const PracticeTry& t) { judged.push_back(t); };
    session.onPosed = [&](const Problem&) { ++posed; };
    session.start({fact, {history::Operation::Add, 2, 2}}, 1000);
    session.enterDigit(u'5', 1500);
    EXPECT_FALSE(session.correcting()) << "one digit of two";
    session.enterDigit(u'4', 2000);
    EXPECT_EQ(std::pair(session.correcting(), session.number()), std::pair(true, 1));
    for (char16_t digit : std::u16string_view(u"5556")) session.enterDigit(digit, 2600);  // 55 again, then 56
    EXPECT_EQ(std::pair(session.correcting(), session.number()), std::pair(false, 2));
    session.enterDigit(u'4', 3000);
    EXPECT_FALSE(session.active());

    std::string kinds;  // each try wrong or right, in capitals for a correction
    for (const PracticeTry& t : judged) kinds += static_cast<char>((t.right ? 'r' : 'w') - (t.correction ? 32 : 0));
    ASSERT_EQ(kinds, "wWRr");
    EXPECT_EQ(judged[2].shownAtMs, 2000u) << "a correction's time runs from when it was shown";
    EXPECT_EQ(posed, 2) << "no problem is posed for a correction";
    EXPECT_EQ(session.rightFirstTime(), 1);
    EXPECT_EQ(session.medianMs(), (1000 + 400) / 2) << "first tries only, each from its problem's appearing";
}
