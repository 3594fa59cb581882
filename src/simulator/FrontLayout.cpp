#include "simulator/FrontLayout.h"

#include <algorithm>

#include "hardware/HardwareModel.h"

namespace balsar::simulator {

namespace {

constexpr int kMargin = 24;
constexpr int kBezel = 12; // between the display and the frame drawn around it
constexpr int kKeyWidth = 44;
constexpr int kKeyHeight = 32;
constexpr int kGap = 10;
constexpr int kTitle = 28; // room for the model name above the display

// Display enlargement: the largest whole factor that keeps the LCD about
// 600 pixels wide, at least 2.
int ScaleFor(int displayWidth) {
    return std::clamp(600 / std::max(displayWidth, 1), 2, 4);
}

// Fixed places of the cursor cross and digit pad, in key cells from the
// top-left of the cluster; digits like a telephone pad.
bool ClusterCell(int code, int& column, int& row) {
    switch (code) {
    case 21:
        column = 0;
        row = 0;
        return true; // ESC
    case 16:
        column = 1;
        row = 0;
        return true; // UP
    case 18:
        column = 0;
        row = 1;
        return true; // LEFT
    case 20:
        column = 1;
        row = 1;
        return true; // ENT
    case 19:
        column = 2;
        row = 1;
        return true; // RIGHT
    case 17:
        column = 1;
        row = 2;
        return true; // DOWN
    default:
        break;
    }
    if (code >= 49 && code <= 57) {
        const int digit = code - 49; // 1..9
        column = digit % 3;
        row = 6 - digit / 3; // 7 8 9 on top
        return true;
    }
    if (code == 48) {
        column = 1;
        row = 7;
        return true;
    }
    return false;
}

} // namespace

FrontLayout FrontLayout::ForModel(const HardwareModel& model) {
    std::vector<std::pair<int, std::string>> keys;
    for (const HardwareKey& key : model.Keys()) {
        keys.emplace_back(key.code, key.name);
    }
    return For(model.name, model.resolutionX, model.resolutionY, keys);
}

FrontLayout FrontLayout::For(const std::string& name, int displayWidth, int displayHeight,
                             const std::vector<std::pair<int, std::string>>& keys) {
    FrontLayout layout;
    layout.modelName = name;
    layout.displayWidth = std::max(displayWidth, 1);
    layout.displayHeight = std::max(displayHeight, 1);
    layout.lcdScale = ScaleFor(layout.displayWidth);
    layout.lcd = FrontRect{kMargin + kBezel, kMargin + kTitle + kBezel, layout.displayWidth * layout.lcdScale,
                           layout.displayHeight * layout.lcdScale};

    // The cluster right of the display.
    const int clusterLeft = layout.lcd.x + layout.lcd.width + kBezel + 2 * kGap;
    const int clusterTop = layout.lcd.y - kBezel;
    int right = clusterLeft;
    int bottom = layout.lcd.y + layout.lcd.height + kBezel;
    std::vector<std::pair<int, std::string>> rowKeys;
    for (const auto& [code, keyName] : keys) {
        int column = 0;
        int row = 0;
        if (!ClusterCell(code, column, row)) {
            rowKeys.emplace_back(code, keyName);
            continue;
        }
        // Row 3 is left out: the digit pad starts two gaps below the cross.
        const int top = clusterTop + row * (kKeyHeight + kGap) - (row >= 4 ? kKeyHeight : 0);
        FrontKey key{code, keyName,
                     FrontRect{clusterLeft + column * (kKeyWidth + kGap), top, kKeyWidth, kKeyHeight}};
        layout.keys.push_back(key);
    }
    // Rows of the function and other keys under the display, wrapping at
    // the display's width.
    const int rowLeft = layout.lcd.x - kBezel;
    const int rowWidth = std::max(layout.lcd.width + 2 * kBezel, kKeyWidth);
    int x = rowLeft;
    int y = layout.lcd.y + layout.lcd.height + kBezel + 2 * kGap;
    for (const auto& [code, keyName] : rowKeys) {
        if (x + kKeyWidth > rowLeft + rowWidth) {
            x = rowLeft;
            y += kKeyHeight + kGap;
        }
        layout.keys.push_back(FrontKey{code, keyName, FrontRect{x, y, kKeyWidth, kKeyHeight}});
        x += kKeyWidth + kGap;
    }
    for (const FrontKey& key : layout.keys) {
        right = std::max(right, key.rect.x + key.rect.width);
        bottom = std::max(bottom, key.rect.y + key.rect.height);
    }
    layout.width = std::max(right, layout.lcd.x + layout.lcd.width + kBezel) + kMargin;
    layout.height = bottom + kMargin;
    return layout;
}

const FrontKey* FrontLayout::KeyAt(int x, int y) const {
    for (const FrontKey& key : keys) {
        if (key.rect.Contains(x, y)) {
            return &key;
        }
    }
    return nullptr;
}

const FrontKey* FrontLayout::Key(int code) const {
    for (const FrontKey& key : keys) {
        if (key.code == code) {
            return &key;
        }
    }
    return nullptr;
}

std::string FrontPictureName(const HardwareModel& model) {
    return model.name + ".bmp";
}

} // namespace balsar::simulator
