#include "elements/ImageRecords.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/PanelCanvas.h"
#include "elements/SingleColorBitmap.h"
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

// Decodes the text once for the table and its checks.
std::u32string DecodeReportingLength(CompileContext& context, std::string_view text, std::string_view owner) {
    std::u32string chars = Utf8ToUtf32(text);
    if (chars.size() > kMaxTableCharacters) {
        context.sink.Message(
            Format(strings::kTextTruncated, std::string(owner).c_str(), std::string(text).c_str()),
            MessageKind::Warning);
    }
    return chars;
}

uint32_t WriteTextTable(CompileContext& context, const std::string& key, const std::u32string& chars,
                        const std::string& font, int size, int fontMode) {
    return SharedRecord(context, RecordDictionary::TextTable, key, [&] {
        AppendOffsetTable(context.image, std::min(chars.size(), kMaxTableCharacters),
                          [&](size_t i) { return CompileChar(context, chars[i], font, size, fontMode); });
    });
}

void AppendGlyphBody(Image& image, const Glyph& glyph) {
    AppendBytes(image, static_cast<uint32_t>(glyph.width), 1);
    AppendBytes(image, static_cast<uint32_t>(glyph.height), 1);
    AppendBytes(image, glyph.data.data(), glyph.data.size());
}

} // namespace

std::unordered_map<std::string, uint32_t>& DictionaryOf(CompileContext& context, RecordDictionary which) {
    return which == RecordDictionary::Glyph ? context.glyphDictionary : context.textTableDictionary;
}

uint32_t CompileChar(CompileContext& context, char32_t ch, const std::string& font, int size, int fontMode) {
    const std::string character = Utf32ToUtf8(std::u32string(1, ch));
    const std::string key = UsesBuiltInFont(size, fontMode)
                                ? Format("VISIBLE_ASCII_CHAR_%s_%d", character.c_str(), size)
                                : Format("FONT_CHAR_%s_%s_%d", character.c_str(), font.c_str(), size);
    return SharedRecord(context, RecordDictionary::Glyph, key, [&] {
        AppendBytes(context.image, 7, 1);
        const auto glyph = MakeGlyph(context.fontEngine, ch, font, size, fontMode);
        if (!glyph || glyph->width > 255 || glyph->height > 255) {
            return false;
        }
        AppendGlyphBody(context.image, *glyph);
        return true;
    });
}

uint32_t CompileTextTable(CompileContext& context, std::string_view text, const std::string& font, int size,
                          int fontMode, std::string_view owner) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = DecodeReportingLength(context, text, owner);
    return WriteTextTable(context, TextKey(text, font, size, fontMode), chars, font, size, fontMode);
}

uint32_t CompileText(CompileContext& context, std::string_view text, const std::string& font, int size,
                     int fontMode, std::string_view owner) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = DecodeReportingLength(context, text, owner);
    const std::string key = TextKey(text, font, size, fontMode);
    return SharedRecord(context, RecordDictionary::Glyph, key, [&] {
        AppendLinkRecord(context.image, 6,
                         [&] { return WriteTextTable(context, key, chars, font, size, fontMode); });
    });
}

uint32_t CompileTextList(CompileContext& context, const std::string& key, std::string_view text,
                         const std::string& font, int size, int fontMode, std::string_view owner) {
    return SharedRecord(context, RecordDictionary::TextTable, key, [&] {
        AppendLinkRecord(context.image, 1,
                         [&] { return CompileText(context, text, font, size, fontMode, owner); });
    });
}

uint32_t CompileBitmapFile(CompileContext& context, const std::string& path) {
    return SharedRecord(context, RecordDictionary::Glyph, "BITMAP_FILE_" + AsciiUpper(path), [&] {
        Glyph bitmap;
        if (!LoadSingleColorBitmap(path, context.sink, bitmap.width, bitmap.height, bitmap.data)) {
            return false;
        }
        Image& image = context.image;
        AppendBytes(image, 1, 1);
        AppendBytes(image, static_cast<uint32_t>(bitmap.width), 2);
        AppendBytes(image, static_cast<uint32_t>(bitmap.height), 2);
        AppendBytes(image, bitmap.data.data(), bitmap.data.size());
        return true;
    });
}

uint32_t CompileBitmapFileAsChar(CompileContext& context, const std::string& path) {
    return SharedRecord(context, RecordDictionary::Glyph, "BITMAP_FILE_AS_CHAR" + AsciiUpper(path), [&] {
        Glyph glyph;
        if (!LoadSingleColorBitmap(path, context.sink, glyph.width, glyph.height, glyph.data)) {
            return false;
        }
        AppendBytes(context.image, 7, 1);
        AppendGlyphBody(context.image, glyph);
        return true;
    });
}

void CompilePositionRecord(CompileContext& context, const PanelRect& rect) {
    AppendBytes(context.image, static_cast<uint32_t>(rect.left), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.top), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.right - 1), 1);
    AppendBytes(context.image, static_cast<uint32_t>(rect.bottom - 1), 1);
}

void CompileElementHead(CompileContext& context, int32_t kind) {
    const auto kindByte = CompiledKindByte(kind);
    AppendBytes(context.image, kindByte ? *kindByte : 0u, 1);
    const uint32_t link = context.linkCounter;
    for (int shift = 24; shift >= 0; shift -= 8) {
        AppendBytes(context.image, (link >> shift) & 0xFF, 1);
    }
    context.linkCounter = static_cast<uint32_t>(context.image.size());
}

} // namespace balsar
