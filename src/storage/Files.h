#pragma once
// The system's one door to files and folders: full paths for the paths the program uses, streams on
// them, folders, and the byte-wise conversion between 16-bit text and the 8-bit text of the data files.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "support/WString.h"

// The full path for path. A path of four or more characters is absolute when it starts with a
// backslash or with a drive, colon and backslash, and comes back unchanged; anything else names a
// file in the program's own folder, even a short one that starts with a backslash.
WString resolvePath(const WString& path);

// A stream reading resolvePath(path); null when it does not exist or cannot be opened.
std::FILE* openFile(const WString& path);
// A replacement of the file resolvePath(path): see platform::FileReplacement. Empty when it cannot be
// made (its error() says why).
platform::FileReplacement replaceFile(const WString& path);
// Closes a stream from openFile (0 for null).
int closeFile(std::FILE* file);
// The byte length of file in 64 bits, which is left rewound; -1 for null.
int64_t streamLength(std::FILE* file);
// Removes the file resolvePath(path); true when it is gone afterwards.
bool removeFile(const WString& path);
// A digest of bytes (64-bit FNV-1a), extended piece by piece from digestStart.
inline constexpr uint64_t digestStart = 0xCBF29CE484222325ull;
uint64_t extendDigest(uint64_t digest, std::string_view bytes);
// The length and digest of the file resolvePath(path) as it lies on disk; false when it cannot be read.
bool digestFile(const WString& path, int64_t& length, uint64_t& digest);

// Creates the folder resolvePath(path); its parent must exist. True when the folder exists afterwards
// (one that was already there is the normal case).
bool createFolder(const WString& path);

// Each byte becomes one code unit of the same value, up to the first zero byte.
WString widen(std::string_view bytes);
// Each code unit becomes its low byte; the result ends at its first zero byte.
std::string narrow(const WString& text);
