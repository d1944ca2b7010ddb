#include "level_error.hpp"

LevelError::LevelError(const std::string& file, int line, int column, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + message)
{}

LevelError::LevelError(const std::string& file, const std::string& message) : std::runtime_error(file + ": " + message)
{}
