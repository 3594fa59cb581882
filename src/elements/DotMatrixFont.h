#pragma once
// The built-in dot-matrix font: the visible ASCII characters 0x20..0x7E in
// three cell sizes (6x8, 6x12 and 8x16 pixels). Tables hold one byte per row,
// leftmost pixel in bit 7, 96 cells per size in character order from 0x20
// (the last cell, 0x7F, is blank and never used).
#include <cstdint>
#include <span>

namespace balsar {

namespace dotmatrix {

constexpr char32_t kFirst = 0x20;
constexpr char32_t kLast = 0x7E;
constexpr int kCells = 96;

// True for 8, 12 and 16.
bool HasSize(int pixelSize);
// Cell width for a size the font has (6, 6, 8); 0 otherwise.
int GlyphWidth(int pixelSize);
// The rows of a character's cell, top row first (pixelSize bytes); empty when
// the size or the character is outside the font.
std::span<const uint8_t> Rows(char32_t ch, int pixelSize);
// The whole table of a size (96 * pixelSize bytes); empty for other sizes.
std::span<const uint8_t> Table(int pixelSize);

} // namespace dotmatrix

// Mirrors a byte (bit 7 <-> bit 0): the tables' leftmost pixel lands in
// bit 0, as glyph records want it.
constexpr uint8_t ReverseBits(uint8_t b) {
    b = static_cast<uint8_t>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
    b = static_cast<uint8_t>((b & 0xCC) >> 2 | (b & 0x33) << 2);
    b = static_cast<uint8_t>((b & 0xAA) >> 1 | (b & 0x55) << 1);
    return b;
}

} // namespace balsar
