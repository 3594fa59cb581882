#pragma once
// The records of a download image that elements share: glyphs, texts,
// character tables and bitmaps, each written once per image at the point
// where it is first needed and referred to by its absolute offset after
// that. One call, SharedRecord, keeps the two dictionaries of the compile
// context; the routines below and the element kinds build on it.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "base/ByteWriter.h"
#include "elements/CompileContext.h"

namespace balsar {

struct PanelRect;

// The glyph dictionary holds bitmap, glyph and text records; the text-table
// dictionary holds character tables and the elements' own text lists.
enum class RecordDictionary { Glyph, TextTable };

std::unordered_map<std::string, uint32_t>& DictionaryOf(CompileContext& context, RecordDictionary which);

// The offset of the record kept under key. On a miss `write` appends the
// record at the end of the image and that offset is kept under the key. A
// `write` that returns false could not make its record: the result is 0 and
// nothing is kept, whatever it appended.
template <class Write>
uint32_t SharedRecord(CompileContext& context, RecordDictionary which, const std::string& key,
                      Write&& write) {
    auto& dictionary = DictionaryOf(context, which);
    if (const auto it = dictionary.find(key); it != dictionary.end()) {
        return it->second;
    }
    const auto offset = static_cast<uint32_t>(context.image.size());
    if constexpr (std::is_void_v<std::invoke_result_t<Write&>>) {
        write();
    } else if (!write()) {
        return 0;
    }
    dictionary.emplace(key, offset);
    return offset;
}

// Appends a kind byte and a 32-bit slot, then fills the slot with what
// `inner` returns (the offset of a record it appends right after). Returns
// the offset of the kind byte.
template <class Inner> uint32_t AppendLinkRecord(Image& image, uint32_t kindByte, Inner&& inner) {
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, kindByte, 1);
    AppendBytes(image, 0, 4);
    const uint32_t target = inner();
    WriteAt(image, offset + 1, target, 4);
    return offset;
}

// Appends a count byte and `count` 32-bit slots, then fills slot i with
// offsetOf(i) (records it appends after the table).
template <class OffsetOf> void AppendOffsetTable(Image& image, size_t count, OffsetOf&& offsetOf) {
    AppendBytes(image, static_cast<uint32_t>(count), 1);
    const size_t slots = image.size();
    AppendRepeated(image, 0, 4, count);
    for (size_t i = 0; i < count; ++i) {
        WriteAt(image, slots + 4 * i, offsetOf(i), 4);
    }
}

// The shared records. Each returns the offset of its record, 0 for none. The
// font mode decides when the built-in font is used (1: size 8 only, 2: sizes
// 8, 12 and 16). `owner` names who asked, for messages.
//
// Reports a finding at the context's current place with the given field
// (the place's own field when empty); without a findings list a warning
// goes to the sink.
void ReportFinding(CompileContext& context, Severity severity, const char* code, const std::string& message,
                   const std::string& field = {});

// Glyph record: 7, width, height, rows. Always a full record: a character
// the face cannot give comes from a fallback face or is substituted (see
// ResolveGlyph); the texts' compile reports which.
uint32_t CompileChar(CompileContext& context, char32_t ch, const std::string& font, int size, int fontMode);
// The texts below report, at the context's place, characters whose glyphs
// came from a fallback face or were substituted, a face that cannot be
// used, and a text over 255 characters.
//
// Text record: 6 and the offset of the text's character table. Empty text:
// 0, nothing written.
uint32_t CompileText(CompileContext& context, std::string_view text, const std::string& font, int size,
                     int fontMode, std::string_view owner = {});
// Character table: a count byte and one glyph offset per character. A count
// byte cannot describe more than 255 characters: a longer text is compiled
// from its first 255 and the truncation is reported.
uint32_t CompileTextTable(CompileContext& context, std::string_view text, const std::string& font, int size,
                          int fontMode, std::string_view owner = {});
// A list of one text (count 1, the offset of the text record) kept under
// key in the text-table dictionary: the text list of static texts,
// registers and ASCII fields.
uint32_t CompileTextList(CompileContext& context, const std::string& key, std::string_view text,
                         const std::string& font, int size, int fontMode, std::string_view owner);
// Bitmap record (1, 16-bit width and height, rows) of a 1-bit BMP file.
uint32_t CompileBitmapFile(CompileContext& context, const std::string& path);
// Glyph record made from a 1-bit BMP file.
uint32_t CompileBitmapFileAsChar(CompileContext& context, const std::string& path);

// The 4-byte position record of a rectangle: left, top, right - 1,
// bottom - 1. A rectangle reaching past the panel is cut to it (a byte
// would wrap) and reported.
void CompilePositionRecord(CompileContext& context, const PanelRect& rect);
// The element head: the compiled kind byte of the kind code (0 for kinds
// without one) and the link counter (32-bit big-endian); the counter then
// takes the image length.
void CompileElementHead(CompileContext& context, int32_t kind);

} // namespace balsar
