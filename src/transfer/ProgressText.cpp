#include "transfer/ProgressText.h"

#include <algorithm>

namespace caldo {

namespace {

double Fraction(int position, int lower, int upper) {
    return (static_cast<double>(position) - lower) / (static_cast<double>(upper) - lower);
}

} // namespace

int ProgressPercent(int position, int lower, int upper) {
    if (lower >= upper) {
        return 0;
    }
    const double percent = Fraction(position, lower, upper) * 100.0;
    return static_cast<int>(std::clamp(percent, -100.0, 100.0));
}

int ProgressFillWidth(int width, int position, int lower, int upper) {
    if (lower >= upper || width <= 0) {
        return 0;
    }
    const double fill = Fraction(position, lower, upper) * width;
    return static_cast<int>(std::clamp(fill, 0.0, static_cast<double>(width)));
}

std::string ProgressText(const std::string& caption, int position, int lower, int upper) {
    if (lower >= upper) {
        return {};
    }
    const int percent = ProgressPercent(position, lower, upper);
    if (!caption.empty()) {
        return percent != 0 ? caption + std::to_string(percent) + "%" : caption;
    }
    return percent > 0 ? std::to_string(percent) + "%" : std::string();
}

} // namespace caldo
