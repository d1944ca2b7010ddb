// A small seeded random source, so every build draws the same pictures on every machine.
#pragma once

#include <cstdint>
#include <string>

class RandomStream {
public:
    explicit RandomStream(const std::string& seedText);

    double uniform(double low, double high);
    int below(int count);
    bool chance(double probability);

private:
    uint64_t next();
    uint64_t state;
};
