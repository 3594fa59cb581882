#pragma once
// The key and lamp pictures of the component library (lib/component next to
// the program): their file names, and drawing a 1-bit picture file onto the
// panel canvas.
#include <filesystem>
#include <optional>
#include <string>

#include "elements/Glyph.h"

namespace balsar {

class PanelCanvas;
struct PanelRect;

namespace artwork {

// Key picture variants.
enum KeyVariant : int { KEY_NORMAL = 0, KEY_REVERSE = 1, KEY_HIDDEN = 2 };

// "FUNCKEY<code>_<variant>_<size>.dat"
std::string KeyFileName(int keyCode, int variant, int pixelSize);
// "HAND_<variant>_<size>.dat"
std::string HandFileName(int variant, int pixelSize);
// "LED<shape>_<state>_<size>.dat"
std::string LampFileName(int shape, int state, int pixelSize);

// <program folder>/lib/component/funckey and .../led.
std::filesystem::path KeyFolder();
std::filesystem::path LampFolder();

// A 1-bit picture file as lit and unlit pixels; nothing (and no message)
// when the file is missing or not a 1-bit bitmap.
std::optional<Glyph> LoadPicture(const std::filesystem::path& path);
// Stretches the picture over the rectangle: every pixel of the rectangle
// takes the lit or unlit state of the picture pixel it maps to.
void DrawPicture(PanelCanvas& canvas, const Glyph& picture, const PanelRect& rect);
// Loads and draws a picture file; a file that cannot be loaded draws nothing.
bool DrawPictureFile(PanelCanvas& canvas, const std::filesystem::path& path, const PanelRect& rect);

} // namespace artwork
} // namespace balsar
