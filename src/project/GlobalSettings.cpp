#include "project/GlobalSettings.h"

#include <iterator>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "project/SettingsStrings.h"

namespace balsar {

namespace {

constexpr uint16_t kScreenSaverMinutes[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 45, 60};

} // namespace

GlobalSettings::GlobalSettings() { passwords.fill(6347); }

void GlobalSettings::Serialize(Archive& ar) {
    int32_t version = 2;
    ar.Value(version);
    ar.Value(optionFlags);
    ar.Value(initialScreen);
    ar.Value(screenSaverDelay);
    ar.Value(screenSaverScreen);
    ar.Value(wakePasswordLevel);
    ar.Value(reserved);
    for (int32_t& password : passwords) {
        ar.Value(password);
    }
    ar.Value(plcControlFlags);
    if (version >= 2) {
        ar.Value(passwordScreen);
    } else {
        passwordScreen = 1;
    }
    controlAddress.Serialize(ar);
}

void GlobalSettings::Compile(CompileContext& context) const {
    Image& image = context.image;
    AppendBytes(image, optionFlags, 4);
    AppendBytes(image, initialScreen, 2);
    AppendBytes(image, screenSaverScreen, 2);
    AppendBytes(image, screenSaverDelay, 2);
    AppendBytes(image, static_cast<uint32_t>(wakePasswordLevel) + 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, reserved, 2);
    AppendBytes(image, 0, 2);
    for (int32_t password : passwords) {
        AppendBytes(image, static_cast<uint32_t>(password), 4);
    }
    const size_t controlOffsetAt = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, passwordScreen, 2);
    AppendBytes(image, 0, 2);

    const bool selects = (plcControlFlags & kPlcSelectsScreen) != 0;
    const bool reports = (plcControlFlags & kReportCurrentScreen) != 0;
    if (!selects && !reports) {
        return;
    }
    WriteAt(image, controlOffsetAt, static_cast<uint32_t>(image.size()), 4);
    AppendBytes(image, (selects ? 1u : 0u) + (reports ? 1u : 0u), 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, plcControlFlags & 0xFFFF, 2);
    // The screen-select address is the control address itself; the report
    // address follows it when both functions are on.
    CAddr working(controlAddress);
    if (selects) {
        working.Compile(image, context.portProtocols, context.sink);
        working.address += working.UnitsPerValue(context.portProtocols);
    }
    if (reports) {
        working.Compile(image, context.portProtocols, context.sink);
    }
}

bool CheckPasswords(const std::array<std::string, 8>& texts, std::array<int32_t, 8>& out, MessageSink& sink) {
    std::array<int32_t, 8> values{};
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const size_t first = text.find_first_not_of(" \t");
        const size_t last = text.find_last_not_of(" \t");
        bool valid = first != std::string::npos;
        int64_t value = 0;
        for (size_t k = first; valid && k <= last; ++k) {
            const char c = text[k];
            if (c < '0' || c > '9') {
                valid = false;
                break;
            }
            value = value * 10 + (c - '0');
            if (value > GlobalSettings::kMaxPassword) {
                valid = false;
            }
        }
        if (!valid) {
            sink.Message(texts::kPasswordOutOfRange);
            return false;
        }
        values[i] = static_cast<int32_t>(value);
    }
    out = values;
    return true;
}

uint16_t ScreenSaverDelayForItem(int item) {
    if (item < 0 || static_cast<size_t>(item) >= std::size(kScreenSaverMinutes)) {
        return 0;
    }
    return kScreenSaverMinutes[item];
}

int ScreenSaverItemForDelay(uint16_t minutes) {
    for (size_t i = 0; i < std::size(kScreenSaverMinutes); ++i) {
        if (kScreenSaverMinutes[i] == minutes) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace balsar
