// The compile routines of the element base: glyph, text, character-table and
// bitmap records, each written once per image through the dictionaries of
// the compile context.
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/CGraphElement.h"
#include "elements/CompileContext.h"
#include "elements/DotMatrixFont.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/TextAttributes.h"

namespace balsar {

namespace {

// A character table's count is one byte.
constexpr size_t kMaxTableCharacters = 255;

std::string TextKey(std::string_view text, const std::string& font, int size, int fontMode) {
    const std::string t(text);
    if (UsesBuiltInFont(size, fontMode)) {
        return Format("VISIBLE_ASCII_TEXT_%s_%d", t.c_str(), size);
    }
    return Format("FONT_TEXT_%s_%s_%d", t.c_str(), font.c_str(), size);
}

void ReportIfTooLong(CompileContext& context, const std::u32string& chars, std::string_view text,
                     std::string_view owner) {
    if (chars.size() > kMaxTableCharacters) {
        context.sink.Message(
            Format(strings::kTextTruncated, std::string(owner).c_str(), std::string(text).c_str()),
            MessageKind::Warning);
    }
}

uint32_t WriteTextTable(CompileContext& context, std::string_view text, const std::u32string& chars,
                        const std::string& font, int size, int fontMode) {
    const std::string key = TextKey(text, font, size, fontMode);
    if (const auto it = context.textTableDictionary.find(key); it != context.textTableDictionary.end()) {
        return it->second;
    }
    Image& image = context.image;
    const size_t count = std::min(chars.size(), kMaxTableCharacters);
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, static_cast<uint32_t>(count), 1);
    const size_t slots = image.size();
    AppendRepeated(image, 0, 4, count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t glyph = CGraphElement::CompileChar(context, chars[i], font, size, fontMode);
        WriteAt(image, slots + 4 * i, glyph, 4);
    }
    context.textTableDictionary.emplace(key, offset);
    return offset;
}

void AppendGlyphBody(Image& image, const Glyph& glyph) {
    AppendBytes(image, static_cast<uint32_t>(glyph.width), 1);
    AppendBytes(image, static_cast<uint32_t>(glyph.height), 1);
    AppendBytes(image, glyph.data.data(), glyph.data.size());
}

} // namespace

uint32_t CGraphElement::CompileChar(CompileContext& context, char32_t ch, const std::string& font, int size,
                                    int fontMode) {
    const std::string character = Utf32ToUtf8(std::u32string(1, ch));
    const std::string key = UsesBuiltInFont(size, fontMode)
                                ? Format("VISIBLE_ASCII_CHAR_%s_%d", character.c_str(), size)
                                : Format("FONT_CHAR_%s_%s_%d", character.c_str(), font.c_str(), size);
    if (const auto it = context.glyphDictionary.find(key); it != context.glyphDictionary.end()) {
        return it->second;
    }
    Image& image = context.image;
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, 7, 1);
    const auto glyph = MakeGlyph(context.fontEngine, ch, font, size, fontMode);
    if (!glyph || glyph->width > 255 || glyph->height > 255) {
        return 0;
    }
    AppendGlyphBody(image, *glyph);
    context.glyphDictionary.emplace(key, offset);
    return offset;
}

uint32_t CGraphElement::CompileTextTable(CompileContext& context, std::string_view text, const std::string& font,
                                         int size, int fontMode, std::string_view owner) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = Utf8ToUtf32(text);
    ReportIfTooLong(context, chars, text, owner);
    return WriteTextTable(context, text, chars, font, size, fontMode);
}

uint32_t CGraphElement::CompileText(CompileContext& context, std::string_view text, const std::string& font,
                                    int size, int fontMode, std::string_view owner) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = Utf8ToUtf32(text);
    ReportIfTooLong(context, chars, text, owner);
    const std::string key = TextKey(text, font, size, fontMode);
    if (const auto it = context.glyphDictionary.find(key); it != context.glyphDictionary.end()) {
        return it->second;
    }
    Image& image = context.image;
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, 6, 1);
    AppendBytes(image, 0, 4);
    const uint32_t table = WriteTextTable(context, text, chars, font, size, fontMode);
    WriteAt(image, offset + 1, table, 4);
    context.glyphDictionary.emplace(key, offset);
    return offset;
}

uint32_t CGraphElement::CompileBitmapFile(CompileContext& context, const std::string& path) {
    const std::string key = "BITMAP_FILE_" + AsciiUpper(path);
    if (const auto it = context.glyphDictionary.find(key); it != context.glyphDictionary.end()) {
        return it->second;
    }
    int width = 0;
    int height = 0;
    std::vector<uint8_t> data;
    if (!LoadSingleColorBitmap(path, context.sink, width, height, data)) {
        return 0;
    }
    Image& image = context.image;
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, 1, 1);
    AppendBytes(image, static_cast<uint32_t>(width), 2);
    AppendBytes(image, static_cast<uint32_t>(height), 2);
    AppendBytes(image, data.data(), data.size());
    context.glyphDictionary.emplace(key, offset);
    return offset;
}

uint32_t CGraphElement::CompileBitmapFileAsChar(CompileContext& context, const std::string& path) {
    const std::string key = "BITMAP_FILE_AS_CHAR" + AsciiUpper(path);
    if (const auto it = context.glyphDictionary.find(key); it != context.glyphDictionary.end()) {
        return it->second;
    }
    Glyph glyph;
    if (!LoadSingleColorBitmap(path, context.sink, glyph.width, glyph.height, glyph.data)) {
        return 0;
    }
    Image& image = context.image;
    const auto offset = static_cast<uint32_t>(image.size());
    AppendBytes(image, 7, 1);
    AppendGlyphBody(image, glyph);
    context.glyphDictionary.emplace(key, offset);
    return offset;
}

bool CGraphElement::LoadSingleColorBitmap(const std::string& path, MessageSink& sink, int& width, int& height,
                                          std::vector<uint8_t>& data) {
    std::vector<uint8_t> file;
    std::string error;
    if (!ReadFileBytes(path, file, error)) {
        sink.Message(Format(strings::kCannotOpenBitmap, path.c_str()));
        return false;
    }
    return ParseSingleColorBitmap(file, path, sink, width, height, data);
}

bool CGraphElement::ParseSingleColorBitmap(const std::vector<uint8_t>& file, const std::string& path,
                                           MessageSink& sink, int& width, int& height, std::vector<uint8_t>& data) {
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
            data[static_cast<size_t>(row) * rowBytes + i] = static_cast<uint8_t>(~ReverseBits(file[from + i]));
        }
    }
    width = w;
    height = h;
    return true;
}

} // namespace balsar
