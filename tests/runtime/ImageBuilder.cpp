#include "runtime/ImageBuilder.h"

#include <cstring>

namespace balsar::runtime::test {

ImageBuilder::ImageBuilder() {
    for (const char c : std::string("ZemBra")) {
        U8(static_cast<uint8_t>(c));
    }
    U8(0);
    U8(0);
    U32(1);
    U32(0);
    U32(0);
    U32(24);
    for (int k = 0; k < 7; ++k) {
        U32(0);
    }
}

void ImageBuilder::Append(uint32_t value, int n) {
    for (int i = 0; i < n; ++i) {
        m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void ImageBuilder::Float(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    U32(bits);
}

void ImageBuilder::Bytes(const std::vector<uint8_t>& bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }

void ImageBuilder::Pad4() {
    while (m_bytes.size() % 4 != 0) {
        m_bytes.push_back(0);
    }
}

void ImageBuilder::StartSection(int k) {
    Pad4();
    Patch(24 + 4 * static_cast<size_t>(k), static_cast<uint32_t>(m_bytes.size()));
}

void ImageBuilder::Address(uint8_t port, uint8_t station, uint8_t registerId, uint8_t format, uint16_t count,
                           uint32_t linear, uint8_t flags) {
    U8(3);
    U8(flags);
    U8(port);
    U8(station);
    U8(registerId);
    U8(format);
    U16(count);
    U32(linear);
}

void ImageBuilder::Patch(size_t position, uint32_t value, int n) {
    for (int i = 0; i < n; ++i) {
        m_bytes.at(position + static_cast<size_t>(i)) = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t ImageBuilder::Glyph(int width, int height, const std::vector<uint8_t>& rows) {
    const auto offset = static_cast<uint32_t>(m_bytes.size());
    U8(7);
    U8(static_cast<uint32_t>(width));
    U8(static_cast<uint32_t>(height));
    Bytes(rows);
    return offset;
}

uint32_t ImageBuilder::BitmapRecord(int width, int height, const std::vector<uint8_t>& rows) {
    const auto offset = static_cast<uint32_t>(m_bytes.size());
    U8(1);
    U16(static_cast<uint32_t>(width));
    U16(static_cast<uint32_t>(height));
    Bytes(rows);
    return offset;
}

uint32_t ImageBuilder::Text(const std::vector<uint32_t>& glyphs) {
    const auto table = static_cast<uint32_t>(m_bytes.size());
    U8(static_cast<uint32_t>(glyphs.size()));
    for (const uint32_t glyph : glyphs) {
        U32(glyph);
    }
    const auto text = static_cast<uint32_t>(m_bytes.size());
    U8(6);
    U32(table);
    return text;
}

std::vector<uint8_t> ImageBuilder::Finish() {
    Reseal(m_bytes);
    return m_bytes;
}

void Reseal(std::vector<uint8_t>& image) {
    if (image.size() < 24) {
        return;
    }
    const auto length = static_cast<uint32_t>(image.size());
    for (int i = 0; i < 4; ++i) {
        image[12 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
    }
    uint32_t sum = 0;
    for (size_t i = 24; i < image.size(); ++i) {
        sum += image[i];
    }
    for (int i = 0; i < 4; ++i) {
        image[16 + static_cast<size_t>(i)] = static_cast<uint8_t>(sum >> (8 * i));
    }
}

void DefaultSettings(ImageBuilder& image, uint16_t initialScreen, uint16_t passwordScreen) {
    image.StartSection(0);
    image.U32(1);             // flags
    image.U16(initialScreen); // initial screen
    image.U16(0);             // screen-saver screen
    image.U16(3);             // delay
    image.U8(1);              // wake level
    image.U8(0);
    image.U16(255);
    image.U16(0);
    for (int i = 0; i < 8; ++i) {
        image.U32(6347);
    }
    image.U32(0); // no control block
    image.U16(passwordScreen);
    image.U16(0);
}

std::vector<uint8_t> EmptyScreensImage(const std::vector<uint16_t>& numbers) {
    ImageBuilder image;
    DefaultSettings(image, numbers.empty() ? 1 : numbers.front());
    image.StartSection(1);
    image.U32(0);
    image.StartSection(3);
    image.U32(static_cast<uint32_t>(numbers.size()));
    const size_t slots = image.Size();
    for (size_t i = 0; i < numbers.size(); ++i) {
        image.U32(0);
    }
    for (size_t i = 0; i < numbers.size(); ++i) {
        image.Patch(slots + 4 * i, static_cast<uint32_t>(image.Size()));
        image.U32(4);
        image.U8(0);
        image.U8(0);
        image.U8(127);
        image.U8(63);
        image.U16(numbers[i]);
        image.U16(0);
        image.U16(numbers[i] > 1 ? numbers[i] - 1 : 0);
        image.U16(numbers[i] + 1);
        image.U16(0);
        image.U16(0);
        image.U16(0xFFFF);
    }
    image.StartSection(4);
    image.U32(0);
    image.StartSection(5);
    image.U32(0);
    image.U16(1);
    image.U16(numbers.empty() ? 0 : numbers.front());
    image.U32(0);
    image.StartSection(6);
    image.U32(0);
    return image.Finish();
}

} // namespace balsar::runtime::test
