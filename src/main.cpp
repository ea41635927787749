// The program's entry: the command line chooses the backend (a real window or the headless runner),
// then the application object runs. The entry point is also where the runner's "answer" command is
// wired to the game, so that the platform layer knows no game.
#include <new>
#include <string>

#include "app/GameApp.h"
#include "game/MathGame.h"
#include "history/History.h"
#include "platform/Platform.h"

namespace {

// The problem the game poses, as the runner prints it, and the digits that answer it.
bool answerPosedProblem(const MathGame& game, std::string& posed, std::string& answer) {
    Problem problem;
    if (!game.posedProblem(problem)) return false;
    posed = "problem " + std::to_string(problem.first) + ' ' + operationSign(problem.op) + ' ' +
            std::to_string(problem.second) + " = " + std::to_string(problem.result());
    answer = std::to_string(problem.result());
    return true;
}

}  // namespace

GameApp* createApplication() {
    auto* game = new (std::nothrow) MathGame;
    if (game) {
        platform::setAnswerQuery(
            [game](std::string& posed, std::string& answer) { return answerPosedProblem(*game, posed, answer); });
    }
    return game;
}

int main(int argc, char** argv) {
    if (const int status = platform::configureFromCommandLine(argc, argv); status >= 0) return status;
    if (const std::string& file = platform::historyExportFile(); !file.empty())
        return history::exportCsv(platform::dataRoot(), file);
    runApplication();
    platform::setAnswerQuery(nullptr);  // the game is gone
    return platform::shutdown();
}
