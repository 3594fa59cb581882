#include "base/ByteWriter.h"

namespace balsar {

void AppendBytes(Image& image, uint32_t value, int n) {
    for (int i = 0; i < n; ++i) {
        image.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void AppendBytes(Image& image, const uint8_t* data, size_t n) {
    if (n != 0) {
        image.insert(image.end(), data, data + n);
    }
}

void AppendRepeated(Image& image, uint32_t value, int n, size_t count) {
    image.reserve(image.size() + count * static_cast<size_t>(n));
    for (size_t i = 0; i < count; ++i) {
        AppendBytes(image, value, n);
    }
}

void WriteAt(Image& image, size_t position, uint32_t value, int n) {
    const size_t end = position + static_cast<size_t>(n);
    if (image.size() < end) {
        image.resize(end, 0);
    }
    for (int i = 0; i < n; ++i) {
        image[position + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void PadTo4(Image& image) {
    while (image.size() % 4 != 0) {
        image.push_back(0);
    }
}

uint32_t ReadAt(const Image& image, size_t position, int n) {
    uint32_t value = 0;
    for (int i = 0; i < n; ++i) {
        const size_t at = position + static_cast<size_t>(i);
        if (at < image.size()) {
            value |= static_cast<uint32_t>(image[at]) << (8 * i);
        }
    }
    return value;
}

} // namespace balsar
