#pragma once
// The gamepad buttons the program hears, by the names SDL's game-controller layer gives them, and the
// key each one sends. The SDL backend and the headless runner both read this one table.
#include <cstdint>
#include <string_view>

namespace platform {

// The key a button sends, or 0 for a button the program does not use. Names compare without regard
// to case, as SDL compares them.
uint32_t padButtonKey(std::string_view sdlName);

}  // namespace platform
