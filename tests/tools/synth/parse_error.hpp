// The message a parse of a recipe or score fails with, or "" when it succeeds.
#pragma once

#include <string>

#include "source_error.hpp"

namespace synth {

template <typename Parse>
std::string parseError(Parse parse) {
    try {
        parse();
    } catch (const SourceError& e) {
        return e.what();
    }
    return "";
}

}  // namespace synth
