#include "elements/SingleColorBitmap.h"

#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "elements/DotMatrixFont.h"
#include "elements/ElementStrings.h"
#include "elements/Glyph.h"

namespace balsar {

bool LoadSingleColorBitmap(const std::string& path, MessageSink& sink, int& width, int& height,
                           std::vector<uint8_t>& data) {
    std::vector<uint8_t> file;
    std::string error;
    if (!ReadFileBytes(path, file, error)) {
        sink.Message(Format(strings::kCannotOpenBitmap, path.c_str()));
        return false;
    }
    return ParseSingleColorBitmap(file, path, sink, width, height, data);
}

bool ParseSingleColorBitmap(const std::vector<uint8_t>& file, const std::string& path, MessageSink& sink,
                            int& width, int& height, std::vector<uint8_t>& data) {
    constexpr size_t kFileHeader = 14;
    constexpr size_t kInfoHeader = 40;
    const auto u16 = [&file](size_t at) { return static_cast<uint32_t>(file[at] | file[at + 1] << 8); };
    const auto u32 = [&u16](size_t at) { return u16(at) | u16(at + 2) << 16; };
    const auto notBitmap = [&sink, &path]() {
        sink.Message(Format(strings::kNotBitmap, path.c_str()));
        return false;
    };
    if (file.size() < kFileHeader || file[0] != 'B' || file[1] != 'M') {
        return notBitmap();
    }
    if (file.size() < kFileHeader + kInfoHeader) {
        return notBitmap();
    }
    if (u16(kFileHeader + 14) != 1) {
        sink.Message(Format(strings::kNotSingleColorBitmap, path.c_str()));
        return false;
    }
    const uint32_t dataOffset = u32(10);
    const int w = static_cast<int>(u16(kFileHeader + 4));
    const int h = static_cast<int>(u16(kFileHeader + 8));
    const size_t rowBytes = static_cast<size_t>(Glyph::StrideOf(w));
    size_t imageSize = u32(kFileHeader + 20);
    if (imageSize == 0) {
        // Uncompressed files may leave the size out: rows padded to 4 bytes.
        imageSize = static_cast<size_t>((w + 31) / 32 * 4) * static_cast<size_t>(h);
    }
    if (w == 0 || h == 0 || dataOffset > file.size() || imageSize > file.size() - dataOffset) {
        return notBitmap();
    }
    const size_t stride = imageSize / static_cast<size_t>(h);
    if (stride < rowBytes) {
        return notBitmap();
    }
    data.assign(rowBytes * static_cast<size_t>(h), 0);
    for (int row = 0; row < h; ++row) {
        const size_t from = dataOffset + static_cast<size_t>(h - 1 - row) * stride;
        for (size_t i = 0; i < rowBytes; ++i) {
            data[static_cast<size_t>(row) * rowBytes + i] =
                static_cast<uint8_t>(~ReverseBits(file[from + i]));
        }
    }
    width = w;
    height = h;
    return true;
}

} // namespace balsar
