#include "simulator/PanelActions.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "base/Text.h"
#include "runtime/PanelRuntime.h"
#include "runtime/PlcLink.h"
#include "simulator/ModbusLink.h"
#include "simulator/PortRegisters.h"
#include "simulator/SimulatorStrings.h"

namespace balsar::simulator {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

bool ParseNumber(std::string_view text, int64_t& value) {
    bool negative = false;
    if (text.starts_with('-')) {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || magnitude > 0xFFFFFFFFull) {
        return false;
    }
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

} // namespace

int KeyCodeOf(std::string_view name) {
    const std::string key = Upper(name);
    if (key == "UP")
        return runtime::KEY_UP;
    if (key == "DOWN")
        return runtime::KEY_DOWN;
    if (key == "LEFT")
        return runtime::KEY_LEFT;
    if (key == "RIGHT")
        return runtime::KEY_RIGHT;
    if (key == "ENT" || key == "ENTER")
        return runtime::KEY_ENTER;
    if (key == "ESC" || key == "ESCAPE")
        return runtime::KEY_ESCAPE;
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
        return runtime::KEY_DIGIT_0 + (key[0] - '0');
    }
    int number = 0;
    const auto numberAfter = [&](size_t prefix) {
        const char* first = key.data() + prefix;
        const char* last = key.data() + key.size();
        const auto [end, ec] = std::from_chars(first, last, number);
        return key.size() > prefix && ec == std::errc() && end == last;
    };
    if (key.starts_with("KEY") && numberAfter(3) && number >= 1 && number <= 255) {
        return number;
    }
    if (key.starts_with("F") && numberAfter(1) && number >= 1 && number <= 15) {
        return number;
    }
    return -1;
}

bool ApplyAction(runtime::PanelRuntime& panel, const PanelAction& action, std::string& error) {
    if (action.kind == PanelAction::Kind::Press) {
        const int code = KeyCodeOf(action.text);
        if (code < 0) {
            error = Format(texts::kBadKey, action.text.c_str());
            return false;
        }
        panel.TapKey(code);
    } else {
        const size_t equals = action.text.find('=');
        runtime::AddressRecord address;
        if (equals == std::string::npos ||
            !runtime::AddressRecord::FromText(std::string_view(action.text).substr(0, equals), address)) {
            error = Format(texts::kBadRegister, action.text.c_str());
            return false;
        }
        int64_t value = 0;
        if (!ParseNumber(std::string_view(action.text).substr(equals + 1), value)) {
            error = Format(texts::kBadValue, action.text.c_str());
            return false;
        }
        if (address.IsBit()) {
            panel.Registers().WriteBit(address, value != 0);
        } else {
            const runtime::DataType type =
                value < 0 ? runtime::DataType::Signed : runtime::DataType::Unsigned;
            panel.Registers().Write(address, type, address.ValueWords(), static_cast<double>(value));
        }
    }
    panel.Step(100);
    return true;
}

std::map<uint16_t, runtime::FrameBuffer> RenderAllScreens(runtime::PanelRuntime& panel) {
    std::map<uint16_t, runtime::FrameBuffer> frames;
    for (const uint16_t number : panel.ScreenNumbers()) {
        frames[number] = number == panel.CurrentScreen() ? panel.Render() : panel.RenderScreen(number);
    }
    return frames;
}

bool PollScreenOnce(runtime::PanelRuntime& panel, uint16_t screen, runtime::PlcLink& link,
                    const PortRegisters& names, std::vector<PolledRegister>& out, std::string& error) {
    out.clear();
    for (const runtime::RegisterUse& use : panel.RegistersOfScreen(screen)) {
        if (use.address.IsLocal()) {
            continue;
        }
        const size_t count = std::max<size_t>(use.count, 1);
        const bool seen = std::any_of(out.begin(), out.end(), [&](const PolledRegister& r) {
            return r.address.SameRegister(use.address) && r.values.size() == count;
        });
        if (seen) {
            continue;
        }
        PolledRegister polled{use.address, std::vector<uint16_t>(count), {}};
        if (!link.Read(use.address, polled.values)) {
            const auto* modbus = dynamic_cast<const ModbusLink*>(&link);
            error = modbus != nullptr && !modbus->LastError().empty()
                        ? modbus->LastError()
                        : names.Text(use.address) + ": no answer";
            return false;
        }
        panel.Registers().WriteValues(use.address, polled.values);
        polled.line = names.Text(use.address) + " =";
        for (const uint16_t value : polled.values) {
            polled.line += " " + std::to_string(value);
        }
        out.push_back(std::move(polled));
    }
    return true;
}

} // namespace balsar::simulator
