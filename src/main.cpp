// The program's entry: the command line chooses the backend (a real window or the headless runner),
// then the application object runs.
#include <new>

#include "app/GameApp.h"
#include "frontend/ArcadeGame.h"
#include "game/MathGame.h"
#include "history/History.h"
#include "platform/Platform.h"

namespace {

// The front-end on its own, with the game operations' defaults: menus, options, high scores and the
// data files all work; choosing Play shows an empty game screen.
class ArcadeShell : public ArcadeGame {
public:
    ArcadeShell() {
        name = u"Vortellanox";
        iconId = 118;
    }

    void buildGameUi() override {
        if (isNarrowScreen()) {
            loadArtwork(130, 120);
        } else {
            loadArtwork(107, 106);
        }
        loadSounds(111, 113);
    }
};

}  // namespace

GameApp* createApplication() { return new (std::nothrow) MathGame; }

int main(int argc, char** argv) {
    if (const int status = platform::configureFromCommandLine(argc, argv); status >= 0) return status;
    if (const std::string& file = platform::historyExportFile(); !file.empty())
        return history::exportCsv(platform::dataRoot(), file);
    runApplication();
    return platform::shutdown();
}
