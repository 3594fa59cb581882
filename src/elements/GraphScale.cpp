#include "elements/GraphScale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace balsar {

namespace {

constexpr double kFloatLimit = 3.4028234663852886e38;

bool IsFloatType(int32_t dataType) { return dataType == SCALE_FLOAT || dataType == SCALE_DOUBLE; }

void AppendValue(Image& image, int32_t dataType, double value) {
    if (IsFloatType(dataType)) {
        const float single = static_cast<float>(std::clamp(value, -kFloatLimit, kFloatLimit));
        uint32_t bits = 0;
        std::memcpy(&bits, &single, 4);
        AppendBytes(image, bits, 4);
        return;
    }
    const double whole = std::isnan(value) ? 0.0 : std::clamp(std::trunc(value), -2147483648.0, 4294967295.0);
    AppendBytes(image, static_cast<uint32_t>(static_cast<int64_t>(whole)), 4);
}

void PullIntoRange(GraphScale& scale) {
    const ScaleRange range = ScaleRangeOf(scale.dataType, scale.dataWidth);
    if (scale.fullScale < range.lowest || scale.fullScale > range.largest) {
        scale.fullScale = range.largest;
    }
    if (scale.zeroScale < range.lowest || scale.zeroScale > range.largest) {
        scale.zeroScale = range.lowest;
    }
}

} // namespace

void GraphScale::AppendValues(Image& image) const {
    AppendValue(image, dataType, fullScale);
    AppendValue(image, dataType, zeroScale);
}

ScaleRange ScaleRangeOf(int32_t dataType, int32_t dataWidth) {
    const bool oneWord = dataWidth == SCALE_ONE_WORD;
    switch (dataType) {
    case SCALE_SIGNED:
        return oneWord ? ScaleRange{-32768.0, 32767.0} : ScaleRange{-2147483648.0, 2147483647.0};
    case SCALE_UNSIGNED:
    case SCALE_HEX_BCD:
        return oneWord ? ScaleRange{0.0, 65535.0} : ScaleRange{0.0, 4294967295.0};
    default:
        return ScaleRange{-kFloatLimit, kFloatLimit};
    }
}

std::vector<int32_t> ScaleWidthChoices(int32_t dataType) {
    if (dataType == SCALE_DOUBLE) {
        return {SCALE_ONE_WORD, SCALE_TWO_WORDS, SCALE_FOUR_WORDS};
    }
    return {SCALE_ONE_WORD, SCALE_TWO_WORDS};
}

bool ScaleWidthLocked(int32_t dataType) { return IsFloatType(dataType); }

void ChangeScaleType(GraphScale& scale, int32_t dataType) {
    scale.dataType = dataType;
    if (dataType == SCALE_FLOAT) {
        scale.dataWidth = SCALE_TWO_WORDS;
    } else if (dataType == SCALE_DOUBLE) {
        scale.dataWidth = SCALE_FOUR_WORDS;
    } else if (scale.dataWidth == SCALE_FOUR_WORDS) {
        scale.dataWidth = SCALE_ONE_WORD;
    }
    PullIntoRange(scale);
}

void ChangeScaleWidth(GraphScale& scale, int32_t dataWidth) {
    if (ScaleWidthLocked(scale.dataType)) {
        return;
    }
    const auto choices = ScaleWidthChoices(scale.dataType);
    if (std::find(choices.begin(), choices.end(), dataWidth) == choices.end()) {
        return;
    }
    scale.dataWidth = dataWidth;
    PullIntoRange(scale);
}

bool TrySetZeroScale(GraphScale& scale, double value) {
    const ScaleRange range = ScaleRangeOf(scale.dataType, scale.dataWidth);
    if (!(value >= range.lowest && value <= scale.fullScale)) {
        return false;
    }
    scale.zeroScale = value;
    return true;
}

bool TrySetFullScale(GraphScale& scale, double value) {
    const ScaleRange range = ScaleRangeOf(scale.dataType, scale.dataWidth);
    if (!(value <= range.largest && value >= scale.zeroScale)) {
        return false;
    }
    scale.fullScale = value;
    return true;
}

} // namespace balsar
