// A fault in a recipe or score, told as "file:line: what is wrong" so the author can find it.
#pragma once

#include <stdexcept>
#include <string>

namespace synth {

class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& sourceName, int lineNumber, const std::string& message)
        : std::runtime_error(sourceName + ":" + std::to_string(lineNumber) + ": " + message)
    {}
};

}  // namespace synth
