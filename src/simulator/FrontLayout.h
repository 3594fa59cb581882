#pragma once
// Where things lie on a panel model's front picture: the LCD area (the
// display enlarged by a whole factor) and one button per key of the model's
// key list. The artwork generator draws the picture from this layout and
// the simulators place the display and find the clicked key with it, so
// the two always agree.
#include <cstdint>
#include <string>
#include <vector>

namespace balsar {
class HardwareModel;
}

namespace balsar::simulator {

struct FrontRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
    bool operator==(const FrontRect& other) const = default;
};

struct FrontKey {
    int code = 0;
    std::string name;
    FrontRect rect;
};

class FrontLayout {
public:
    // The layout of a model: function keys in rows under the display, the
    // cursor cross with ESC and ENT and the digit pad to its right, other
    // keys after the function keys.
    static FrontLayout ForModel(const HardwareModel& model);
    // A model of that display size and keys (tests, images without model).
    static FrontLayout For(const std::string& name, int displayWidth, int displayHeight,
                           const std::vector<std::pair<int, std::string>>& keys);

    // The key under a point of the picture; null for none.
    const FrontKey* KeyAt(int x, int y) const;
    // The key of a code; null when the model has none.
    const FrontKey* Key(int code) const;

    std::string modelName;
    int width = 0;
    int height = 0;
    int displayWidth = 0;
    int displayHeight = 0;
    // Picture pixels per panel pixel.
    int lcdScale = 1;
    FrontRect lcd;
    std::vector<FrontKey> keys;
};

// "<model name>.bmp", the picture name the designer hands to the offline
// simulator.
std::string FrontPictureName(const HardwareModel& model);

} // namespace balsar::simulator
