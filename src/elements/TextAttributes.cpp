#include "elements/TextAttributes.h"

#include <algorithm>
#include <iterator>

#include "base/Prompt.h"
#include "base/Utf.h"
#include "elements/DotMatrixFont.h"
#include "elements/ElementStrings.h"
#include "elements/FontEngine.h"
#include "elements/Languages.h"

namespace balsar {

int PixelSizeOfIndex(int32_t sizeIndex) {
    static constexpr int kSizes[kSizeIndexCount] = {8, 12, 16, 24, 32};
    return kSizes[std::clamp<int32_t>(sizeIndex, 0, kSizeIndexCount - 1)];
}

bool HasDotMatrixSize(int32_t sizeIndex) { return sizeIndex >= 0 && sizeIndex <= 2; }

bool UsesDotMatrix(int32_t sizeIndex, int32_t dotMatrix) {
    if (sizeIndex == 0) {
        return true;
    }
    if (sizeIndex == 1 || sizeIndex == 2) {
        return dotMatrix != 0;
    }
    return false;
}

int FontModeOf(bool usesDotMatrix) { return usesDotMatrix ? 2 : 1; }

bool UsesBuiltInFont(int pixelSize, int fontMode) {
    if (fontMode == 1) {
        return pixelSize == 8;
    }
    if (fontMode == 2) {
        return dotmatrix::HasSize(pixelSize);
    }
    return false;
}

int CountNonAscii(std::string_view text) {
    return CountNonAscii(Utf8ToUtf32(text));
}

int CountNonAscii(std::u32string_view chars) {
    return static_cast<int>(std::count_if(chars.begin(), chars.end(), [](char32_t c) { return c >= 128; }));
}

std::string KeepVisibleAscii(std::string_view text) {
    return Utf32ToUtf8(KeepVisibleAscii(Utf8ToUtf32(text)));
}

std::u32string KeepVisibleAscii(std::u32string_view chars) {
    std::u32string out;
    std::copy_if(chars.begin(), chars.end(), std::back_inserter(out),
                 [](char32_t c) { return c >= 0x20 && c <= 0x7E; });
    return out;
}

std::optional<std::pair<int, int>> MeasureText(FontEngine* fonts, const std::string& face, int pixelSize,
                                               std::string_view text) {
    return MeasureText(fonts, face, pixelSize, Utf8ToUtf32(text));
}

std::optional<std::pair<int, int>> MeasureText(FontEngine* fonts, const std::string& face, int pixelSize,
                                               std::u32string_view chars) {
    if (fonts == nullptr) {
        return std::nullopt;
    }
    const auto fitted = fonts->Fit(face, pixelSize);
    if (!fitted) {
        return std::nullopt;
    }
    return fonts->MeasureText(*fitted, chars);
}

std::optional<TextSize> TextElementSize(FontEngine* fonts, std::string_view text, int32_t sizeIndex,
                                        int32_t dotMatrix, const std::string& face) {
    if (UsesDotMatrix(sizeIndex, dotMatrix)) {
        // Only the count matters: no need to decode.
        const int pixelSize = PixelSizeOfIndex(sizeIndex);
        return TextSize{static_cast<int>(CodePointCount(text)) * dotmatrix::GlyphWidth(pixelSize), pixelSize};
    }
    return TextElementSize(fonts, Utf8ToUtf32(text), sizeIndex, dotMatrix, face);
}

std::optional<TextSize> TextElementSize(FontEngine* fonts, std::u32string_view chars, int32_t sizeIndex,
                                        int32_t dotMatrix, const std::string& face) {
    const int pixelSize = PixelSizeOfIndex(sizeIndex);
    if (UsesDotMatrix(sizeIndex, dotMatrix)) {
        return TextSize{static_cast<int>(chars.size()) * dotmatrix::GlyphWidth(pixelSize), pixelSize};
    }
    const auto measured = MeasureText(fonts, face, pixelSize, chars);
    if (!measured) {
        return std::nullopt;
    }
    return TextSize{measured->first, pixelSize};
}

bool TrimToWidth(std::u32string& chars, int maxWidth, FontEngine* fonts, int32_t sizeIndex, int32_t dotMatrix,
                 const std::string& face, std::optional<TextSize>* size) {
    bool shortened = false;
    std::optional<TextSize> measured = TextElementSize(fonts, chars, sizeIndex, dotMatrix, face);
    while (!chars.empty() && measured && measured->width > maxWidth) {
        chars.pop_back();
        shortened = true;
        measured = TextElementSize(fonts, chars, sizeIndex, dotMatrix, face);
    }
    if (size != nullptr) {
        *size = measured;
    }
    return shortened;
}

bool ConfirmDotMatrixSwitch(std::string& text, int32_t newSizeIndex, int32_t newDotMatrix, Prompt& prompt) {
    std::u32string chars = Utf8ToUtf32(text);
    const size_t before = chars.size();
    if (!ConfirmDotMatrixSwitch(chars, newSizeIndex, newDotMatrix, prompt)) {
        return false;
    }
    if (chars.size() != before) {
        text = Utf32ToUtf8(chars);
    }
    return true;
}

bool ConfirmDotMatrixSwitch(std::u32string& chars, int32_t newSizeIndex, int32_t newDotMatrix,
                            Prompt& prompt) {
    if (!UsesDotMatrix(newSizeIndex, newDotMatrix) || CountNonAscii(chars) == 0) {
        return true;
    }
    if (prompt.Ask(strings::kNonAsciiLost, Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    chars = KeepVisibleAscii(chars);
    return true;
}

DotMatrixControls DotMatrixControlsFor(int32_t sizeIndex, int32_t dotMatrix) {
    DotMatrixControls controls;
    const bool uses = UsesDotMatrix(sizeIndex, dotMatrix);
    controls.fontAndLanguageEnabled = !uses;
    controls.dotMatrixChecked = uses;
    controls.dotMatrixEnabled = sizeIndex == 1 || sizeIndex == 2;
    return controls;
}

std::string FontForLanguage(FontEngine* fonts, uint16_t languageId, const std::string& elementFont) {
    std::vector<std::string> list;
    if (fonts != nullptr) {
        list = fonts->FontFamilies(CharsetOfLanguage(languageId));
    }
    if (auto found = FindFontInList(list, elementFont, fonts)) {
        return *found;
    }
    return SelectFontByName(list, DefaultFontOfLanguage(fonts, languageId), fonts);
}

} // namespace balsar
