#pragma once
// The support library (src/support): text (this header), numbers as text (NumberText.h), sounds
// (Sound.h) and the random numbers the game was balanced on (Random.h).
//
// Every text in the system is 16-bit UTF-16 code units; 8-bit text appears only at the data files.
#include <string>

using WString = std::u16string;

// Code units for a plain ASCII literal, for building texts from narrow constants.
inline WString widenAscii(const char* text) {
    WString out;
    for (; *text; ++text) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    return out;
}
