#pragma once
// The options screen shown before each game: the operations to practise, the difficulty, and the
// buttons that start a game or go back to the main menu. The options outlive the program in the
// settings file, and the high-score table names them with each result.
#include <cstdint>

#include "game/ProblemGenerator.h"
#include "support/WString.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/OptionRow.h"

class ArcadeGame;
class DataFile;

class OptionsScreen {
public:
    enum class Action : uint8_t { None, Start, Menu };

    explicit OptionsScreen(ArcadeGame& owner);

    // The button tapped since the last frame. Start only when some operation is chosen: with none there
    // is nothing to ask, and the button does nothing.
    Action takeAction();
    // The screen's keys: '1' starts, '2' to '4' choose the difficulty, '5' to '8' the operations, '0', Escape
    // and the back key go back to the menu.
    Action keyDown(uint32_t key);
    void dropLatches();
    void draw();

    const OperationSet& operations() const { return chosen; }
    // The difficulty row's selection is the game's difficulty; no other copy exists.
    int32_t difficulty() const { return difficultyRow.selectedIndex(); }
    // The operations as the high-score table names them: the check box's label when only one is chosen,
    // otherwise each chosen operation's sign between blanks.
    void modeText(WString& text) const;
    // Reads or writes the options in the settings record, as the record was opened.
    void exchange(DataFile& file);

    CheckBox addBox;
    CheckBox subtractBox;
    CheckBox multiplyBox;
    CheckBox divideBox;
    OptionRow difficultyRow;
    Button startButton;
    Button menuButton;

private:
    Action startIfChosen() const { return chosen.any() ? Action::Start : Action::None; }
    int32_t difficultyRowWidth();

    ArcadeGame& app;
    OperationSet chosen;
};
