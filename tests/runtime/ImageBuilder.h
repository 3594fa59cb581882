#pragma once
// Builds download images byte by byte for the reader tests, written from the
// record tables of the image format (not from the compiler): the header, the
// section table, records appended in order, offsets patched afterwards, and
// finally the total length and the checksum.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar::runtime::test {

class ImageBuilder {
public:
    ImageBuilder();

    size_t Size() const { return m_bytes.size(); }
    // Pads to 4 and enters the current length as section k's offset.
    void StartSection(int k);
    void U8(uint32_t value) { Append(value, 1); }
    void U16(uint32_t value) { Append(value, 2); }
    void U32(uint32_t value) { Append(value, 4); }
    void Float(float value);
    void Append(uint32_t value, int n);
    void Bytes(const std::vector<uint8_t>& bytes);
    void Pad4();
    // A 12-byte address record.
    void Address(uint8_t port, uint8_t station, uint8_t registerId, uint8_t format, uint16_t count, uint32_t linear,
                 uint8_t flags = 0);
    // The panel's LW word n / LW bit n.b.
    void LocalWord(uint32_t n) { Address(0xFF, 0, 0xFF, 0x22, 1, n); }
    void LocalBit(uint32_t word, uint32_t bit) { Address(0xFF, 0, 0xF9, 0x00, 1, word * 16 + bit); }
    // Overwrites a 32-bit field.
    void Patch(size_t position, uint32_t value, int n = 4);
    // Glyph record (7, w, h, rows); returns its offset.
    uint32_t Glyph(int width, int height, const std::vector<uint8_t>& rows);
    // Bitmap record (1, 16-bit w, 16-bit h, rows); returns its offset.
    uint32_t BitmapRecord(int width, int height, const std::vector<uint8_t>& rows);
    // Character table of glyph offsets, then a text record pointing at it;
    // returns the text record's offset.
    uint32_t Text(const std::vector<uint32_t>& glyphs);
    // Writes the total length and the checksum.
    std::vector<uint8_t> Finish();

private:
    std::vector<uint8_t> m_bytes;
};

// The default settings record (56 bytes) with the given initial screen.
void DefaultSettings(ImageBuilder& image, uint16_t initialScreen = 1, uint16_t passwordScreen = 1);

// An image with default settings and the given screens, each a 128 x 64
// screen record with no elements; the other sections empty.
std::vector<uint8_t> EmptyScreensImage(const std::vector<uint16_t>& numbers);

// Sets the total length and checksum fields to match the bytes.
void Reseal(std::vector<uint8_t>& image);

} // namespace balsar::runtime::test
