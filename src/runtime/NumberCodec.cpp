#include "runtime/NumberCodec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace balsar::runtime {

namespace {

uint64_t DecodeBcd(uint64_t raw, int digits) {
    uint64_t value = 0;
    for (int d = digits - 1; d >= 0; --d) {
        value = value * 10 + ((raw >> (4 * d)) & 0xF);
    }
    return value;
}

uint64_t EncodeBcd(uint64_t value, int digits) {
    uint64_t raw = 0;
    for (int d = 0; d < digits; ++d) {
        raw |= (value % 10) << (4 * d);
        value /= 10;
    }
    return raw;
}

} // namespace

double DecodeNumber(uint64_t raw, DataType type, int words, bool bcd) {
    const int bits = 16 * words;
    switch (type) {
    case DataType::Float: {
        const auto low = static_cast<uint32_t>(raw);
        float value = 0;
        std::memcpy(&value, &low, sizeof value);
        return static_cast<double>(value);
    }
    case DataType::Double: {
        double value = 0;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    case DataType::HexBcd:
        return static_cast<double>(raw);
    case DataType::Unsigned:
        return static_cast<double>(bcd ? DecodeBcd(raw, 4 * words) : raw);
    case DataType::Signed:
    default:
        if (bcd) {
            return static_cast<double>(DecodeBcd(raw, 4 * words));
        }
        if (bits < 64 && ((raw >> (bits - 1)) & 1) != 0) {
            return static_cast<double>(static_cast<int64_t>(raw) - (int64_t{1} << bits));
        }
        return static_cast<double>(static_cast<int64_t>(raw));
    }
}

uint64_t EncodeNumber(double value, DataType type, int words, bool bcd) {
    if (std::isnan(value)) {
        value = 0;
    }
    const int bits = 16 * words;
    if (type == DataType::Float) {
        const auto single = static_cast<float>(value);
        uint32_t low = 0;
        std::memcpy(&low, &single, sizeof low);
        return low;
    }
    if (type == DataType::Double) {
        uint64_t raw = 0;
        std::memcpy(&raw, &value, sizeof raw);
        return raw;
    }
    const double rounded = std::round(value);
    uint64_t raw = 0;
    if (bcd) {
        const double most = std::pow(10.0, 4 * words) - 1;
        raw = EncodeBcd(static_cast<uint64_t>(std::clamp(rounded, 0.0, most)), 4 * words);
    } else if (type == DataType::Signed) {
        const double half = std::ldexp(1.0, std::min(bits, 64) - 1);
        raw = static_cast<uint64_t>(static_cast<int64_t>(std::clamp(rounded, -half, half - 1)));
    } else {
        // Below 2^64 in a double: the largest value that still converts.
        const double top = bits >= 64 ? 18446744073709549568.0 : std::ldexp(1.0, bits) - 1;
        raw = static_cast<uint64_t>(std::clamp(rounded, 0.0, top));
    }
    if (bits < 64) {
        raw &= (uint64_t{1} << bits) - 1;
    }
    return raw;
}

} // namespace balsar::runtime
