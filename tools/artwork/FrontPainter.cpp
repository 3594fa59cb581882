#include "FrontPainter.h"

#include "Painter.h"

namespace artwork {

namespace {

void Frame(Bitmap1& picture, int left, int top, int width, int height, int thickness, int radius) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const int dx = std::min(x - left, left + width - 1 - x);
            const int dy = std::min(y - top, top + height - 1 - y);
            if (dx + dy < radius) {
                continue; // a cut corner
            }
            const bool edge = dx < thickness || dy < thickness || dx + dy < radius + thickness;
            if (edge) {
                picture.Set(x, y, true);
            }
        }
    }
}

} // namespace

Bitmap1 DrawFront(const balsar::simulator::FrontLayout& layout) {
    Bitmap1 picture(layout.width, layout.height);
    // The housing.
    Frame(picture, 2, 2, layout.width - 4, layout.height - 4, 3, 10);
    // The model name above the display.
    const auto& lcd = layout.lcd;
    DrawCaption(picture, layout.modelName, lcd.x - 12, lcd.y - 12 - 26,
                16 * static_cast<int>(layout.modelName.size()), 22, 3, true);
    // The LCD window: a bezel around the display area, which stays white.
    Frame(picture, lcd.x - 12, lcd.y - 12, lcd.width + 24, lcd.height + 24, 2, 4);
    Frame(picture, lcd.x - 3, lcd.y - 3, lcd.width + 6, lcd.height + 6, 1, 0);
    for (const auto& key : layout.keys) {
        Frame(picture, key.rect.x, key.rect.y, key.rect.width, key.rect.height, 2, 5);
        Frame(picture, key.rect.x + 4, key.rect.y + key.rect.height - 5, key.rect.width - 8, 1, 1, 0);
        DrawCaption(picture, key.name, key.rect.x, key.rect.y, key.rect.width, key.rect.height - 4, 3, true);
    }
    return picture;
}

} // namespace artwork
