#include "game/PracticeSummary.h"

#include "frontend/ArcadeGame.h"
#include "support/NumberText.h"
#include "text/TextDraw.h"
#include "ui/Focus.h"
#include "ui/Palette.h"

PracticeSummary::PracticeSummary(ArcadeGame& owner) : app(owner) { okButton.text = u"OK (0)"; }

void appendFact(WString& text, const Problem& problem) {
    appendDecimal(text, problem.first);
    text.push_back(u' ');
    text.push_back(static_cast<char16_t>(problem.op));
    text.push_back(u' ');
    appendDecimal(text, problem.second);
}

void PracticeSummary::show(PracticeResult result) {
    shown = std::move(result);
    okButton.takeClickLatch();
    text.assign(u"Practice done\n\nRight at the first try: ");
    appendDecimal(text, shown.rightFirstTime);
    text.push_back(u'/');
    appendDecimal(text, shown.problems);
    text.append(u"\nMedian time: ");
    appendDecimal(text, shown.medianMs / 1000);
    text.push_back(u'.');
    appendDecimal(text, shown.medianMs % 1000 / 100);
    text.append(u" s\n\nNow fluent: ");
    if (shown.nowFluent.empty()) text.append(u"none yet");
    for (size_t i = 0; i < shown.nowFluent.size(); ++i) {
        if (i > 0) text.append(u", ");
        appendFact(text, shown.nowFluent[i].problem());
    }
}

void PracticeSummary::draw() {
    app.selectArcadeFont();
    const int32_t h = currentAscent();
    const int32_t margin = h;
    TextStyle style;
    style.markup = false;
    style.colour = inkColour;
    style.rightMargin = margin;
    drawLaidOutCurrent(text, margin, 2 * h, style);

    okButton.setHeight(h + h / 2 + h / 2);
    okButton.setWidth(6 * h);
    okButton.setPosition(app.width / 2 - okButton.getWidth() / 2, app.height - 4 * h);
    okButton.draw();
    joinFocus(okButton);
}
