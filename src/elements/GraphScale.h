#pragma once
// The value scale shared by the bar graph and the trend graph: the register's
// data type and width and the values at which the graph is empty and full,
// with the rules their property pages keep and the compiled scale fields.
#include <cstdint>
#include <vector>

#include "base/ByteWriter.h"

namespace balsar {

enum ScaleDataType : int32_t {
    SCALE_SIGNED = 0,
    SCALE_UNSIGNED = 1,
    SCALE_HEX_BCD = 2,
    SCALE_FLOAT = 3,
    SCALE_DOUBLE = 4,
};

enum ScaleDataWidth : int32_t { SCALE_ONE_WORD = 0, SCALE_TWO_WORDS = 1, SCALE_FOUR_WORDS = 2 };

struct ScaleRange {
    double lowest = 0;
    double largest = 0;
};

struct GraphScale {
    int32_t dataType = SCALE_SIGNED;
    int32_t dataWidth = SCALE_ONE_WORD;
    double fullScale = 999.0;
    double zeroScale = 0.0;

    bool operator==(const GraphScale& other) const = default;

    // Byte of the compiled record: 4 for two words, else 0.
    uint8_t WidthByte() const { return dataWidth == SCALE_TWO_WORDS ? 4 : 0; }
    // Full-scale then zero-scale value: single floats for the float types,
    // else signed 32-bit integers truncated toward zero (values up to
    // 4294967295 keep their low 32 bits; beyond that they are clamped).
    void AppendValues(Image& image) const;
};

// What the page accepts for a type and width.
ScaleRange ScaleRangeOf(int32_t dataType, int32_t dataWidth);
// Width list entries for a type: one and two words, plus "4WORD" for doubles.
std::vector<int32_t> ScaleWidthChoices(int32_t dataType);
// The float types fix the width and disable the list.
bool ScaleWidthLocked(int32_t dataType);

// Choosing a type: floats take two words, doubles four; any other type
// leaves four words for one. Values outside the new range are pulled to its
// ends (the full scale to the maximum, the zero scale to the minimum).
void ChangeScaleType(GraphScale& scale, int32_t dataType);
// Choosing a width (ignored while the type fixes it), then the same pull.
void ChangeScaleWidth(GraphScale& scale, int32_t dataWidth);
// A typed zero-scale value is taken when it lies between the range minimum
// and the full scale; a typed full-scale value when it lies between the zero
// scale and the range maximum. False: the edit goes back to the old value.
bool TrySetZeroScale(GraphScale& scale, double value);
bool TrySetFullScale(GraphScale& scale, double value);

} // namespace balsar
