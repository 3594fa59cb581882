#pragma once
// The text attributes shared by every text-bearing element (size index,
// dot-matrix flag, font, language) and the rules that tie them together,
// as plain functions the elements and their property pages call.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace balsar {

class FontEngine;
class Prompt;

constexpr int kSizeIndexCount = 5;

// 8, 12, 16, 24 or 32; an index outside 0..4 is taken as the nearest one.
int PixelSizeOfIndex(int32_t sizeIndex);
// The built-in font has the size (indexes 0, 1, 2).
bool HasDotMatrixSize(int32_t sizeIndex);
// Size 8 always uses the built-in font, 12 and 16 when the flag asks for it,
// 24 and 32 never.
bool UsesDotMatrix(int32_t sizeIndex, int32_t dotMatrix);
// Font mode handed to the compile routines: 2 with the built-in font, else 1.
int FontModeOf(bool usesDotMatrix);
// True when a glyph of that pixel size and font mode comes from the built-in
// font: mode 1 for size 8 only, mode 2 for 8, 12 and 16, other modes never.
bool UsesBuiltInFont(int pixelSize, int fontMode);

// The rules below come in two forms: on UTF-8 text, and on text already
// decoded into code points, so that a chain of rules over one text (confirm
// a font switch, cut to the screen, size the element) decodes it once.

// Characters with a code of 128 or more.
int CountNonAscii(std::string_view text);
int CountNonAscii(std::u32string_view chars);
// The text without the characters outside 0x20..0x7E.
std::string KeepVisibleAscii(std::string_view text);
std::u32string KeepVisibleAscii(std::u32string_view chars);
// Width and height of a text in a face fitted to a pixel height; nothing
// when there is no engine or the face cannot be fitted.
std::optional<std::pair<int, int>> MeasureText(FontEngine* fonts, const std::string& face, int pixelSize,
                                               std::string_view text);
std::optional<std::pair<int, int>> MeasureText(FontEngine* fonts, const std::string& face, int pixelSize,
                                               std::u32string_view chars);

struct TextSize {
    int width = 0;
    int height = 0;
};
// Size of a text element: the pixel height, and as wide as the characters
// of the built-in font or as the text measured in the fitted face. Nothing
// when the face cannot be fitted.
std::optional<TextSize> TextElementSize(FontEngine* fonts, std::string_view text, int32_t sizeIndex,
                                        int32_t dotMatrix, const std::string& face);
std::optional<TextSize> TextElementSize(FontEngine* fonts, std::u32string_view chars, int32_t sizeIndex,
                                        int32_t dotMatrix, const std::string& face);
// Drops characters from the end of the text until its element width is at
// most maxWidth or it can no longer be measured. True when any were
// dropped; size (when given) receives the size of what remains, as
// TextElementSize gives it.
bool TrimToWidth(std::u32string& chars, int maxWidth, FontEngine* fonts, int32_t sizeIndex, int32_t dotMatrix,
                 const std::string& face, std::optional<TextSize>* size = nullptr);

// Switching to the built-in font or to size 8 drops the characters it does
// not have. When the switch would use the built-in font and the text holds
// characters of code 128 or more, the user is asked; No refuses the switch
// (false, text unchanged), Yes keeps only the visible ASCII characters.
bool ConfirmDotMatrixSwitch(std::string& text, int32_t newSizeIndex, int32_t newDotMatrix, Prompt& prompt);
bool ConfirmDotMatrixSwitch(std::u32string& chars, int32_t newSizeIndex, int32_t newDotMatrix,
                            Prompt& prompt);

// How the font controls of a text element's page stand.
struct DotMatrixControls {
    bool fontAndLanguageEnabled = true;
    bool dotMatrixChecked = false;
    bool dotMatrixEnabled = false;
};
DotMatrixControls DotMatrixControlsFor(int32_t sizeIndex, int32_t dotMatrix);

// The font an element shows after its language changed: the element's own
// font when the language's font list has it, else the language's default
// font, else the first font of the list (empty when the list is empty).
std::string FontForLanguage(FontEngine* fonts, uint16_t languageId, const std::string& elementFont);

} // namespace balsar
