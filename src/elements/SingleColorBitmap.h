#pragma once
// Reading 1-bit BMP files, the pictures of keys, lamps and bitmap records.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar {

class MessageSink;

// Reads a 1-bit BMP file into rows top to bottom, ceil(width / 8) bytes
// each, leftmost pixel in bit 0, a 0 in the file as a lit pixel. False with
// a message when the file cannot be opened or is not a 1-bit BMP.
bool LoadSingleColorBitmap(const std::string& path, MessageSink& sink, int& width, int& height,
                           std::vector<uint8_t>& data);
// The same from bytes already read (path only names it in messages).
bool ParseSingleColorBitmap(const std::vector<uint8_t>& file, const std::string& path, MessageSink& sink,
                            int& width, int& height, std::vector<uint8_t>& data);

} // namespace balsar
