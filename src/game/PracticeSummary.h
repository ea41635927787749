#pragma once
// The screen at the end of a practice session: the problems right at the first try, the median time
// of the first tries, the facts that became fluent in the session, and "OK (0)" back to the main menu.
#include <cstdint>
#include <vector>

#include "game/PracticePlan.h"
#include "support/WString.h"
#include "ui/Button.h"

class ArcadeGame;

struct PracticeResult {
    int32_t rightFirstTime = 0;
    int32_t problems = 0;
    int32_t medianMs = 0;
    std::vector<PracticeFact> nowFluent;
};

class PracticeSummary {
public:
    explicit PracticeSummary(ArcadeGame& owner);

    void show(PracticeResult result);
    // The OK button was tapped since the last frame.
    bool takeOk() { return okButton.takeClickLatch(); }
    void draw();

    Button okButton;

private:
    ArcadeGame& app;
    PracticeResult shown;
    WString text;  // laid out in one piece, so long lists of facts wrap
};

// "7 x 8" for a fact as posed.
void appendFact(WString& text, const Problem& problem);
