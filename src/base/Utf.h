#pragma once
// UTF-8 <-> UTF-16 conversion. The model keeps UTF-8; the archive and the
// panel records count and store UTF-16 units / code points.
#include <cstddef>
#include <string>
#include <string_view>

namespace balsar {

// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Decodes the text into code points (invalid sequences as U+FFFD).
std::u32string Utf8ToUtf32(std::string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
// Number of Unicode code points in a UTF-8 text.
size_t CodePointCount(std::string_view text);
// Converts an 8-bit text of the given code page (GBK for legacy files, else
// Latin-1) to UTF-8.
std::string LegacyBytesToUtf8(std::string_view bytes);
// ASCII-only upper and lower case.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

} // namespace balsar
