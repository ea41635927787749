// The headless runner's script: one command a line, '#' starts a comment, times in virtual ms.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "platform/Keys.h"
#include "platform/common/PadButtons.h"
#include "platform/headless/HeadlessBackend.h"

namespace platform {

namespace {

bool readInt(std::istringstream& in, int lo, int hi, int& out) {
    std::string word;
    if (!(in >> word)) return false;
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < lo || value > hi) return false;
    out = value;
    return true;
}

bool atEnd(std::istringstream& in) {
    std::string rest;
    return !(in >> rest);
}

bool validDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!keyForCharacter(static_cast<unsigned char>(c))) return false;
    return true;
}

// Where the comment of a line begins: at a word that starts with '#', except the digits of "type",
// where '#' is the phone's hash key. npos when the line has no comment.
size_t commentStart(const std::string& line) {
    const char* const blanks = " \t\r";
    bool typing = false;
    for (size_t at = line.find_first_not_of(blanks), word = 0; at != std::string::npos;
         at = line.find_first_not_of(blanks, at), ++word) {
        const size_t end = std::min(line.find_first_of(blanks, at), line.size());
        if (line[at] == '#' && !(typing && word == 1)) return at;
        if (word == 0) typing = line.compare(at, end - at, "type") == 0;
        at = end;
    }
    return std::string::npos;
}

// At most a short excerpt of a line, with anything unprintable escaped, for a message.
std::string excerpt(const std::string& text) {
    constexpr size_t shown = 40;
    std::string out;
    for (size_t i = 0; i < text.size() && i < shown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    if (text.size() > shown) out += "...";
    return out;
}

const std::pair<const char*, ScriptCommand::Kind> pointerCommands[] = {
    {"tap", ScriptCommand::Tap},
    {"press", ScriptCommand::Press},
    {"release", ScriptCommand::Release},
    {"move", ScriptCommand::Move},
};
const std::pair<const char*, ScriptCommand::Kind> bareCommands[] = {
    {"rotate", ScriptCommand::Rotate}, {"deactivate", ScriptCommand::Deactivate}, {"activate", ScriptCommand::Activate},
    {"answer", ScriptCommand::Answer}, {"close", ScriptCommand::Close},
};

const std::pair<const char*, ScriptCommand::Kind> padCommands[] = {
    {"pad", ScriptCommand::Pad},
    {"pad-down", ScriptCommand::PadDown},
    {"pad-up", ScriptCommand::PadUp},
};

// Parses one command; false with a reason when it is not one the runner knows.
bool parseCommand(const std::string& verb, std::istringstream& in, ScriptCommand& command, std::string& reason) {
    for (const auto& [name, kind] : padCommands) {
        if (verb != name) continue;
        command.kind = kind;
        std::string button;
        if (!(in >> button) || !atEnd(in)) return reason = verb + " wants one button name", false;
        command.x = static_cast<int>(padButtonKey(button));
        if (command.x == 0)
            return reason = verb + ": no button '" + button +
                            "' (a b x y back start dpup dpdown dpleft dpright leftshoulder rightshoulder)",
                   false;
        return true;
    }
    if (verb == "key") {
        command.kind = ScriptCommand::Key;
        if (!readInt(in, 1, 254, command.x) || !atEnd(in)) return reason = "key wants a key code 1-254", false;
        return true;
    }
    if (verb == "type") {
        command.kind = ScriptCommand::Type;
        if (!(in >> command.text) || !validDigits(command.text) || !atEnd(in))
            return reason = "type wants digits (and * or #)", false;
        return true;
    }
    if (verb == "shot") {
        command.kind = ScriptCommand::Shot;
        if (!(in >> command.text) || !atEnd(in)) return reason = "shot wants one file name", false;
        return true;
    }
    for (const auto& [name, kind] : pointerCommands) {
        if (verb != name) continue;
        command.kind = kind;
        if (!readInt(in, -32768, 32767, command.x) || !readInt(in, -32768, 32767, command.y) || !atEnd(in))
            return reason = verb + " wants X Y", false;
        return true;
    }
    for (const auto& [name, kind] : bareCommands) {
        if (verb != name) continue;
        command.kind = kind;
        if (!atEnd(in)) return reason = verb + " takes no arguments", false;
        return true;
    }
    reason = "unknown command '" + excerpt(verb) + "'";
    return false;
}

}  // namespace

bool parseScript(const std::string& text, std::vector<ScriptCommand>& commands, std::string& error,
                 ScriptCursor& cursor) {
    std::istringstream lines(text);
    std::string line;
    uint32_t& clock = cursor.clock;
    int& number = cursor.line;
    while (std::getline(lines, line)) {
        ++number;
        if (line.size() > longestScriptLine) {
            error = "line " + std::to_string(number) + ": longer than " + std::to_string(longestScriptLine) + " bytes";
            return false;
        }
        if (const size_t comment = commentStart(line); comment != std::string::npos) line.erase(comment);
        std::istringstream in(line);
        std::string verb;
        if (!(in >> verb)) continue;
        std::string reason;
        if (verb == "wait") {
            int ms = 0;
            if (!readInt(in, 0, longestWaitMs, ms) || !atEnd(in)) {
                error = "line " + std::to_string(number) + ": wait wants milliseconds up to " +
                        std::to_string(longestWaitMs) + " (an hour)";
                return false;
            }
            clock += static_cast<uint32_t>(ms);
            if (clock > longestWaitMs) {
                error = "line " + std::to_string(number) + ": the script's waits add up to more than an hour";
                return false;
            }
            continue;
        }
        ScriptCommand command;
        command.at = clock;
        command.line = number;
        if (!parseCommand(verb, in, command, reason)) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
        commands.push_back(command);
    }
    return true;
}

bool parseScript(const std::string& text, std::vector<ScriptCommand>& commands, std::string& error) {
    ScriptCursor cursor;
    if (!parseScript(text, commands, error, cursor)) return false;
    // Waits at the end: the close that would follow the last command comes after them instead.
    if (!commands.empty() ? cursor.clock > commands.back().at : cursor.clock > 0) {
        ScriptCommand close;
        close.kind = ScriptCommand::Close;
        close.at = cursor.clock;
        close.line = cursor.line;
        commands.push_back(close);
    }
    return true;
}

}  // namespace platform
