#pragma once
// Helpers through which every compiled record is appended to the download
// image. All multi-byte values are written little-endian.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace balsar {

using Image = std::vector<uint8_t>;

// Appends the n (1, 2 or 4) low-order bytes of value, least significant first.
void AppendBytes(Image& image, uint32_t value, int n);
// Appends n bytes of a buffer as they stand.
void AppendBytes(Image& image, const uint8_t* data, size_t n);
// AppendBytes(image, value, n) repeated count times.
void AppendRepeated(Image& image, uint32_t value, int n, size_t count);
// Writes n bytes of value at position, growing the image with zero bytes when
// the position lies beyond its end.
void WriteAt(Image& image, size_t position, uint32_t value, int n);
// Appends zero bytes until the image length is a multiple of 4.
void PadTo4(Image& image);
// Reads n bytes little-endian at position (0 for bytes beyond the end).
uint32_t ReadAt(const Image& image, size_t position, int n);

} // namespace balsar
