#pragma once
// Drawing of the component pictures: function keys with their captions, the
// hand that points at a key, and the indicator lamps.
#include <string>

#include "Bitmap1.h"

namespace artwork {

// Key picture variants: 0 normal, 1 reverse, 2 hidden (editor only).
// `caption` is the key's name in the panel model ("F1", "UP", "ENT", "7").
Bitmap1 DrawKey(const std::string& caption, int variant, int size);
// Hand variants: 0 normal, 1 reverse.
Bitmap1 DrawHand(int variant, int size);
// Lamp shapes: 0 circular, 1 square; states 0 off, 1 on.
Bitmap1 DrawLamp(int shape, int state, int size);
// Writes a key caption (or its symbol) centred in the box, as large as fits
// up to maxScale, in lit or unlit pixels.
void DrawCaption(Bitmap1& picture, const std::string& caption, int left, int top, int width, int height,
                 int maxScale, bool lit);

} // namespace artwork
