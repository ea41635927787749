#pragma once
// Integers as text and back: every number the program shows, and the answers the player types.
#include <cstdint>

#include "support/WString.h"

// Appends value in decimal: a '-' for a negative value, then the digits without leading zeros ("0" for 0).
void appendDecimal(WString& text, int32_t value);
// Replaces text with value in decimal.
void setDecimal(WString& text, int32_t value);
// Reads a typed answer: leading white space is skipped, then an optional sign and the decimal digits up to
// the first other character. No digits read as 0; a value beyond 32 bits stops at the nearest limit.
int32_t parseAnswer(const WString& answer);
