#include "transfer/Placeholder.h"

#include <cstring>

namespace caldo {

bool IsPlaceholderProgram(std::span<const uint8_t> region) {
    const size_t length = sizeof kPlaceholderMark - 1;
    return region.size() >= length && std::memcmp(region.data(), kPlaceholderMark, length) == 0;
}

} // namespace caldo
