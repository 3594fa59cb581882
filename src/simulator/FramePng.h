#pragma once
// Frame buffers as pictures: a 1:1 PNG (one picture pixel per panel pixel,
// lit black, unlit white) and the enlarged LCD image the windows show.
#include <QColor>
#include <QImage>
#include <map>
#include <string>

#include "runtime/FrameBuffer.h"

namespace balsar::simulator {

// One pixel per panel pixel, lit black and unlit white.
QImage FrameImage(const runtime::FrameBuffer& frame);
// Each panel pixel as a scale x scale block in the two colours.
QImage LcdImage(const runtime::FrameBuffer& frame, int scale, QColor lit, QColor unlit);
// Writes "<folder>/screen-<number>.png" for every frame (the folder is
// created); false with the reason at the first that fails.
bool SaveScreens(const std::map<uint16_t, runtime::FrameBuffer>& frames, const std::string& folder,
                 std::string& error);

} // namespace balsar::simulator
