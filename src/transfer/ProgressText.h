// What a progress bar shows, shared by the dialog's bar and the terminal bar.
#pragma once

#include <string>

namespace caldo {

// The text a progress bar shows: the caption followed by the percent when the
// percent is not 0, else the caption alone; without a caption the percent when
// above 0, else nothing. Empty when lower >= upper (nothing is drawn).
std::string ProgressText(const std::string& caption, int position, int lower, int upper);
// The percent shown: (position - lower) / (upper - lower) * 100, truncated, at most 100.
int ProgressPercent(int position, int lower, int upper);
// Width in pixels of the done part of a bar of the given width.
int ProgressFillWidth(int width, int position, int lower, int upper);

} // namespace caldo
