#pragma once
// What the compiler tests share: a compile without port descriptions or
// fonts, and readings of the compiled image.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/ByteWriter.h"
#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"

namespace balsar::test {

// A compile without port descriptions or fonts, for a 128 x 64 panel.
struct CompileFixture {
    RecordingMessageSink sink;
    CompileInputs inputs{sink};
};

inline std::vector<uint8_t> Slice(const Image& image, size_t from, size_t n) {
    return std::vector<uint8_t>(image.begin() + static_cast<long>(from), image.begin() + static_cast<long>(from + n));
}

// Start of section k, from the image's section table.
inline uint32_t SectionOffset(const Image& image, int k) { return ReadAt(image, 24 + 4 * static_cast<size_t>(k), 4); }

} // namespace balsar::test
