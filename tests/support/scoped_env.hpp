// Sets an environment variable for the life of the object, then puts back what was there.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

class ScopedEnv {
public:
    ScopedEnv(const char* variable, const std::string& value) : name(variable)
    {
        if (const char* old = std::getenv(variable)) previous = old;
        setenv(variable, value.c_str(), 1);
    }
    ~ScopedEnv() { previous ? setenv(name, previous->c_str(), 1) : unsetenv(name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

}  // namespace testing_support
