#include "replays/byte_stream.hpp"

namespace {

constexpr std::uint32_t varintPayloadBits = 7;
constexpr std::uint8_t varintMore = 0x80;
constexpr std::uint8_t varintPayload = 0x7F;
constexpr int varintMaxBytes = 5;

}  // namespace

void ByteWriter::put16(std::uint16_t value)
{
    put8(static_cast<std::uint8_t>(value));
    put8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::put32(std::uint32_t value)
{
    put16(static_cast<std::uint16_t>(value));
    put16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::putVarint(std::uint32_t value)
{
    while (value > varintPayload) {
        put8(static_cast<std::uint8_t>((value & varintPayload) | varintMore));
        value >>= varintPayloadBits;
    }
    put8(static_cast<std::uint8_t>(value));
}

void ByteWriter::putDelta(std::uint32_t from, std::uint32_t to)
{
    const auto difference = static_cast<std::int32_t>(to - from);
    putVarint((static_cast<std::uint32_t>(difference) << 1) ^ static_cast<std::uint32_t>(difference >> 31));
}

bool ByteReader::get8(std::uint8_t& value)
{
    if (at == end) {
        return false;
    }
    value = *at++;
    return true;
}

bool ByteReader::get16(std::uint16_t& value)
{
    if (left() < 2) {
        return false;
    }
    value = static_cast<std::uint16_t>(at[0] | (at[1] << 8));
    at += 2;
    return true;
}

bool ByteReader::get32(std::uint32_t& value)
{
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    if (left() < 4 || !get16(low) || !get16(high)) {
        return false;
    }
    value = low | (static_cast<std::uint32_t>(high) << 16);
    return true;
}

bool ByteReader::getVarint(std::uint32_t& value)
{
    const std::uint8_t* start = at;
    std::uint32_t result = 0;
    for (int i = 0; i < varintMaxBytes; ++i) {
        std::uint8_t byte = 0;
        if (!get8(byte)) {
            break;
        }
        result |= static_cast<std::uint32_t>(byte & varintPayload)
                  << (varintPayloadBits * static_cast<std::uint32_t>(i));
        if ((byte & varintMore) == 0) {
            value = result;
            return true;
        }
    }
    at = start;
    return false;
}

bool ByteReader::getDelta(std::uint32_t from, std::uint32_t& to)
{
    std::uint32_t zigzag = 0;
    if (!getVarint(zigzag)) {
        return false;
    }
    const std::uint32_t difference = (zigzag >> 1) ^ (0u - (zigzag & 1u));
    to = from + difference;
    return true;
}
