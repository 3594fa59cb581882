#pragma once
// The rules of the dynamic text's property page, as plain functions the page
// calls: the 256-row state grid, switching between bit and word addresses,
// and the text attributes with their questions.
#include <cstdint>
#include <string>
#include <string_view>

namespace balsar {

class CDynamicText;
class FontEngine;
class MessageSink;
class Prompt;

namespace dyntext {

// The state grid: one header row and 256 state rows, a value and a text
// column.
constexpr int kGridRows = 257;
constexpr int kGridColumns = 2;
constexpr int kValueColumnWidth = 40;
constexpr int kTextColumnWidth = 172;
constexpr int kGridRowHeight = 25;

// The values a state may take: 0..1 on a bit address, 0..65535 on a word.
struct ValueRange {
    int64_t lowest = 0;
    int64_t highest = 0;
};
ValueRange StateValueRange(bool bitAddress);

// A value typed into row's value cell, read as a decimal number. An empty
// entry empties the row's value and text. A number outside the range of the
// address (or no number at all) is refused with the "输入越界" message
// and the row stays as it was. True when the row took the entry.
bool EnterStateValue(CDynamicText& element, int row, std::string_view entry, MessageSink& sink);
// A text typed into row's text cell.
bool EnterStateText(CDynamicText& element, int row, const std::string& text, FontEngine* fonts);
// What the value cell of a row shows: the row's value in decimal; empty for
// an unused row.
std::string GridValueText(const CDynamicText& element, int row);

// Switching the data type to width (bit or word). Going to a bit while a
// state value exceeds 1 asks first: No keeps the word address (false), Yes
// drops the states above 1. The address then takes the defaults of the new
// width on its port.
bool SwitchDataType(CDynamicText& element, int32_t width, Prompt& prompt);

// The text attributes the page edits together.
struct Attributes {
    int32_t sizeIndex = 2;
    int32_t language = 0;
    std::string font;
    int32_t dotMatrix = 0;
    int32_t alignment = 0;
};
Attributes AttributesOf(const CDynamicText& element);
// The page's change of text attributes. Going to the built-in font while a
// text holds non-English characters asks first (No: nothing changes, Yes:
// only the visible ASCII characters stay). When a text no longer fits the
// screen the page asks whether to cut it: Yes cuts every text that is too
// wide, No restores the element as it was. True when the change was made.
bool ApplyAttributes(CDynamicText& element, const Attributes& next, int screenWidth, Prompt& prompt,
                     FontEngine* fonts);

} // namespace dyntext
} // namespace balsar
