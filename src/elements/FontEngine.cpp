#include "elements/FontEngine.h"

#include "base/Text.h"

namespace balsar {

namespace {
// Upward search limit: a face that needs more than twenty times the nominal
// point size is not usable at that height.
constexpr int kMaxGrowth = 20;
} // namespace

std::optional<FittedFont> FontEngine::Fit(const std::string& face, int pixelSize) {
    if (pixelSize <= 0) {
        return std::nullopt;
    }
    const std::string key = Format("%s_%d", face.c_str(), pixelSize);
    if (const auto it = m_fittedSizes.find(key); it != m_fittedSizes.end()) {
        const auto h = CellHeight(face, it->second);
        if (!h) {
            return std::nullopt;
        }
        return FittedFont{face, pixelSize, it->second, *h};
    }
    int p = 10 * pixelSize;
    auto h = CellHeight(face, p);
    if (!h) {
        return std::nullopt;
    }
    if (*h > pixelSize) {
        while (*h > pixelSize) {
            if (--p <= 0) {
                return std::nullopt;
            }
            h = CellHeight(face, p);
            if (!h) {
                return std::nullopt;
            }
        }
    } else if (*h < pixelSize) {
        const int limit = kMaxGrowth * 10 * pixelSize;
        while (*h < pixelSize) {
            if (++p > limit) {
                return std::nullopt;
            }
            h = CellHeight(face, p);
            if (!h) {
                return std::nullopt;
            }
        }
        if (*h > pixelSize) {
            if (--p <= 0) {
                return std::nullopt;
            }
            h = CellHeight(face, p);
            if (!h) {
                return std::nullopt;
            }
        }
    }
    m_fittedSizes.emplace(key, p);
    return FittedFont{face, pixelSize, p, *h};
}

std::optional<std::pair<int, int>> FontEngine::MeasureText(const FittedFont& font, std::u32string_view text) {
    int width = 0;
    for (const char32_t ch : text) {
        const int advance = Advance(font, ch);
        if (advance < 0) {
            return std::nullopt;
        }
        width += advance;
    }
    return std::make_pair(width, font.cellHeight);
}

} // namespace balsar
