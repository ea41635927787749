// The framework's entry function makes the program object through createApplication; in these tests,
// as in the program, it is the arithmetic game.
#include <new>

#include "game/MathGame.h"

GameApp* createApplication() { return new (std::nothrow) MathGame; }
