// What the download routines need from their front end: a progress display and
// a place for messages. The Qt dialog, the command line and the tests implement them.
#pragma once

#include <string>

namespace caldo {

class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetPos(int position) = 0;
    virtual void StepIt() = 0;
    virtual void Repaint() = 0;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An error the user must see; returns once it has been shown.
    virtual void ShowError(const std::string& text) = 0;
};

// The text a progress bar shows: the caption followed by the percent when the
// percent is not 0, else the caption alone; without a caption the percent when
// above 0, else nothing. Empty when lower >= upper (nothing is drawn).
std::string ProgressText(const std::string& caption, int position, int lower, int upper);
// The percent shown: (position - lower) / (upper - lower) * 100, truncated, at most 100.
int ProgressPercent(int position, int lower, int upper);
// Width in pixels of the done part of a bar of the given width.
int ProgressFillWidth(int width, int position, int lower, int upper);

} // namespace caldo
