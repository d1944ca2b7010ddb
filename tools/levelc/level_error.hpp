// A fault in a level file, with the place it was found: "file:line:column: message", or
// "file: message" where the file has no lines.
#pragma once

#include <stdexcept>
#include <string>

class LevelError : public std::runtime_error {
public:
    LevelError(const std::string& file, int line, int column, const std::string& message);
    LevelError(const std::string& file, const std::string& message);
};
