// The program's entry: the command line chooses the backend (a real window or the headless runner),
// then the application object runs.
#include <new>

#include "app/GameApp.h"
#include "platform/Platform.h"

namespace {

// The program object until the front-end and the game take its place: a window with its background.
class PlainApp : public GameApp {
public:
    PlainApp() {
        name = u"Vortellanox";
        iconId = 118;
    }
};

}  // namespace

GameApp* createApplication() { return new (std::nothrow) PlainApp; }

int main(int argc, char** argv) {
    if (const int status = platform::configureFromCommandLine(argc, argv); status >= 0) return status;
    runApplication();
    return platform::shutdown();
}
