#pragma once
// The system's one door to files and folders: full paths for the paths the program uses, streams on
// them, folders, and the byte-wise conversion between 16-bit text and the 8-bit text of the data files.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "support/WString.h"

// The full path for path. A path of four or more characters is absolute when it starts with a
// backslash or with a drive, colon and backslash, and comes back unchanged; anything else names a
// file in the program's own folder, even a short one that starts with a backslash.
WString resolvePath(const WString& path);

// A stream on resolvePath(path) with mode "rb", "wb" or "rb+"; null when it cannot be opened or the
// mode is another one. A stream that writes replaces its file only when closeFile succeeds.
std::FILE* openFile(const WString& path, std::u16string_view mode);
// Closes file (0 for null). Nonzero when the data could not be written, and then the file on
// disk is as it was before the stream was opened.
int closeFile(std::FILE* file);
// The byte length of file, which is left rewound; 0xFFFFFFFF for null.
uint32_t streamLength(std::FILE* file);
// Moves file to its start; false for null.
bool rewindStream(std::FILE* file);
// Creates the folder resolvePath(path); its parent must exist. True when the folder exists afterwards
// (one that was already there is the normal case).
bool createFolder(const WString& path);

// Each byte becomes one code unit of the same value, up to the first zero byte.
WString widen(std::string_view bytes);
// Each code unit becomes its low byte; the result ends at its first zero byte.
std::string narrow(const WString& text);
