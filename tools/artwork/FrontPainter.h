#pragma once
// The front picture of a panel model: the housing, the model name, the LCD
// window and every key of the model's key list, where the simulators'
// layout puts them.
#include "Bitmap1.h"
#include "simulator/FrontLayout.h"

namespace artwork {

Bitmap1 DrawFront(const balsar::simulator::FrontLayout& layout);

} // namespace artwork
