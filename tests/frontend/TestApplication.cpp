// The framework's entry function makes the program object through createApplication; in these tests
// it is the front-end's test game.
#include <new>

#include "FrontEndFixture.h"

GameApp* createApplication() { return new (std::nothrow) TestArcade; }
