#include "elements/ImageRecords.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/FindingStrings.h"
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

// Decodes the text once for the table and its checks, and reports what the
// panel will not show as typed.
std::u32string DecodeReporting(CompileContext& context, std::string_view text, const std::string& font, int size,
                               int fontMode) {
    std::u32string chars = Utf8ToUtf32(text);
    if (chars.size() > kMaxTableCharacters) {
        ReportFinding(context, Severity::Warning, strings::kCodeTextTooLong,
                      Format(strings::kFindTextTooLong, static_cast<int>(chars.size())));
    }
    const size_t count = std::min(chars.size(), kMaxTableCharacters);
    std::string substituted;
    std::string fallenBack;
    std::string fallbackFace;
    bool faceUnusable = false;
    for (size_t i = 0; i < count; ++i) {
        const char32_t ch = chars[i];
        const std::string character = Utf32ToUtf8(std::u32string(1, ch));
        const ResolvedGlyph glyph =
            ResolveGlyph(context.fontEngine, ch, font, size, fontMode, context.fallbackFaces);
        faceUnusable = faceUnusable || glyph.faceUnusable;
        std::string& list = glyph.origin == GlyphOrigin::Substitute ? substituted : fallenBack;
        if (glyph.origin != GlyphOrigin::Own && list.find(character) == std::string::npos) {
            list += character;
        }
        if (glyph.origin == GlyphOrigin::Fallback && fallbackFace.empty()) {
            fallbackFace = glyph.face;
        }
    }
    if (!UsesBuiltInFont(size, fontMode) && context.fontEngine == nullptr) {
        return chars;
    }
    if (UsesBuiltInFont(size, fontMode)) {
        if (!substituted.empty()) {
            ReportFinding(context, Severity::Error, strings::kCodeDotMatrixChar,
                          Format(strings::kFindDotMatrixChar, substituted.c_str()));
        }
        return chars;
    }
    if (faceUnusable) {
        const std::string used = fallbackFace.empty() ? std::string() : fallbackFace;
        ReportFinding(context, Severity::Warning, strings::kCodeFontFallback,
                      used.empty() ? Format(strings::kFindFontNone, font.c_str())
                                   : Format(strings::kFindFontFallback, font.c_str(), used.c_str()));
    } else if (!fallenBack.empty()) {
        ReportFinding(context, Severity::Warning, strings::kCodeFontFallback,
                      Format(strings::kFindGlyphFallback, font.c_str(), fallenBack.c_str(), fallbackFace.c_str()));
    }
    if (!substituted.empty()) {
        ReportFinding(context, Severity::Error, strings::kCodeGlyphMissing,
                      Format(strings::kFindGlyphMissing, font.c_str(), substituted.c_str()));
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
        if (context.fontEngine == nullptr && !UsesBuiltInFont(size, fontMode)) {
            // A compile without any font engine (a test harness) cannot
            // make face glyphs at all; every program has an engine.
            return false;
        }
        AppendGlyphBody(context.image,
                        ResolveGlyph(context.fontEngine, ch, font, size, fontMode, context.fallbackFaces).glyph);
        return true;
    });
}

namespace {

// The text record without the checks: the caller decoded and reported.
uint32_t WriteTextRecord(CompileContext& context, std::string_view text, const std::u32string& chars,
                         const std::string& font, int size, int fontMode) {
    const std::string key = TextKey(text, font, size, fontMode);
    return SharedRecord(context, RecordDictionary::Glyph, key, [&] {
        AppendLinkRecord(context.image, 6,
                         [&] { return WriteTextTable(context, key, chars, font, size, fontMode); });
    });
}

} // namespace

void ReportFinding(CompileContext& context, Severity severity, const char* code, const std::string& message,
                   const std::string& field) {
    if (context.findings == nullptr) {
        context.sink.Message(PlaceText(context.place) + ": " + message, MessageKind::Warning);
        return;
    }
    FindingPlace place = context.place;
    if (!field.empty()) {
        place.field = field;
    } else if (place.field.empty() && place.kind == FindingPlace::Kind::Element) {
        place.field = strings::kFieldText;
    }
    context.findings->push_back(Finding{severity, code, std::move(place), message});
}

uint32_t CompileTextTable(CompileContext& context, std::string_view text, const std::string& font, int size,
                          int fontMode, std::string_view) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = DecodeReporting(context, text, font, size, fontMode);
    return WriteTextTable(context, TextKey(text, font, size, fontMode), chars, font, size, fontMode);
}

uint32_t CompileText(CompileContext& context, std::string_view text, const std::string& font, int size,
                     int fontMode, std::string_view) {
    if (text.empty()) {
        return 0;
    }
    const std::u32string chars = DecodeReporting(context, text, font, size, fontMode);
    return WriteTextRecord(context, text, chars, font, size, fontMode);
}

uint32_t CompileTextList(CompileContext& context, const std::string& key, std::string_view text,
                         const std::string& font, int size, int fontMode, std::string_view) {
    // Checked before the list is looked up: every element with the text is
    // told, not only the first.
    const std::u32string chars =
        text.empty() ? std::u32string() : DecodeReporting(context, text, font, size, fontMode);
    return SharedRecord(context, RecordDictionary::TextTable, key, [&] {
        AppendLinkRecord(context.image, 1, [&] {
            return text.empty() ? 0u : WriteTextRecord(context, text, chars, font, size, fontMode);
        });
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
    const int width = std::clamp(context.panelWidth, 1, 256);
    const int height = std::clamp(context.panelHeight, 1, 256);
    PanelRect cut;
    cut.left = std::clamp(rect.left, 0, width - 1);
    cut.top = std::clamp(rect.top, 0, height - 1);
    cut.right = std::clamp(rect.right, cut.left + 1, width);
    cut.bottom = std::clamp(rect.bottom, cut.top + 1, height);
    if (cut.left != rect.left || cut.top != rect.top || cut.right != rect.right || cut.bottom != rect.bottom) {
        ReportFinding(context, Severity::Error, strings::kCodeOutsidePanel,
                      Format(strings::kFindOutsidePanel, rect.left, rect.top, rect.right, rect.bottom,
                             context.panelWidth, context.panelHeight),
                      strings::kFieldPosition);
    }
    AppendBytes(context.image, static_cast<uint32_t>(cut.left), 1);
    AppendBytes(context.image, static_cast<uint32_t>(cut.top), 1);
    AppendBytes(context.image, static_cast<uint32_t>(cut.right - 1), 1);
    AppendBytes(context.image, static_cast<uint32_t>(cut.bottom - 1), 1);
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
