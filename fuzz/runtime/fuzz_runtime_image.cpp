// Feeds arbitrary bytes to the panel runtime as a download image: it must
// either refuse them with an error or run them (step, keys, every screen
// rendered), never crash.
//
// Mutated bytes nearly always break the checksum, so unless the reserved
// header byte 7 is set the total length and the checksum are repaired first
// and the fuzzer reaches the records behind them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/PanelRuntime.h"

namespace {

void Reseal(std::vector<uint8_t>& image) {
    const auto length = static_cast<uint32_t>(image.size());
    uint32_t sum = 0;
    for (size_t i = 24; i < image.size(); ++i) {
        sum += image[i];
    }
    for (int i = 0; i < 4; ++i) {
        image[12 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
        image[16 + static_cast<size_t>(i)] = static_cast<uint8_t>(sum >> (8 * i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    if (bytes.size() >= 24 && bytes[7] == 0) {
        Reseal(bytes);
    }
    balsar::runtime::PanelRuntime panel;
    std::string error;
    if (!panel.Load(bytes, error)) {
        return 0;
    }
    panel.Step(250);
    for (const int key : {20, 20, 49, 16, 17, 18, 19, 1, 2, 3, 4, 21}) {
        panel.TapKey(key);
        panel.Step(50);
    }
    panel.Render();
    for (const uint16_t number : panel.ScreenNumbers()) {
        panel.RenderScreen(number);
        panel.RegistersOfScreen(number);
    }
    return 0;
}
