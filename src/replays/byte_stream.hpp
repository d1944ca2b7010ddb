// Little-endian bytes in and out for the replay file: fixed-width words and variable-length numbers
// (seven bits a byte), the reader refusing to run past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteWriter {
public:
    void put8(std::uint8_t value) { bytes.push_back(value); }
    void put16(std::uint16_t value);
    void put32(std::uint32_t value);
    void putVarint(std::uint32_t value);
    // A signed difference, zig-zagged so that small ones of either sign stay short.
    void putDelta(std::uint32_t from, std::uint32_t to);

    std::vector<std::uint8_t> bytes;
};

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : at(data), end(data + size) {}

    // Each returns false, and reads nothing, when the bytes run out (or a number runs too long).
    bool get8(std::uint8_t& value);
    bool get16(std::uint16_t& value);
    bool get32(std::uint32_t& value);
    bool getVarint(std::uint32_t& value);
    bool getDelta(std::uint32_t from, std::uint32_t& to);

    std::size_t left() const { return static_cast<std::size_t>(end - at); }

private:
    const std::uint8_t* at;
    const std::uint8_t* end;
};
