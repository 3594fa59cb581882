#include "runtime/PanelRuntime.h"

#include <algorithm>
#include <cmath>

#include "base/FileIo.h"
#include "base/Text.h"
#include "runtime/ImageError.h"
#include "runtime/RuntimeStrings.h"
#include "runtime/ScreenRenderer.h"

namespace balsar::runtime {

namespace {

constexpr uint32_t kSlice = 100;
constexpr size_t kHistoryDepth = 32;

} // namespace

PanelRuntime::PanelRuntime() = default;
PanelRuntime::~PanelRuntime() = default;

bool PanelRuntime::Load(std::span<const uint8_t> bytes, std::string& error) {
    std::unique_ptr<PanelImage> image;
    try {
        image = std::make_unique<PanelImage>(ReadPanelImage(bytes));
    } catch (const ImageError& fault) {
        error = fault.what();
        return false;
    }
    m_image = std::move(image);
    const PanelSettings& settings = m_image->settings;
    m_registers.Memory().Clear();
    m_registers.SetSwapWords(settings.SwapWords());
    m_trends.Reset(m_image->trendChannels);
    m_alarms.Reset(m_image->events, settings.BuzzerMuted());
    m_transfers.Reset(m_image->transfers);
    m_keys = KeyActions{};
    m_editor.End();
    m_milliseconds = 0;
    m_history.clear();
    m_level = 0;
    m_focus = -1;
    m_heldFunctionKey.reset();
    m_pending.reset();
    m_idle = 0;
    m_backlight = true;
    m_saverReturn.reset();
    m_lastSelect.reset();
    m_lastReport.reset();
    m_notice = Notice::None;
    m_commError = false;
    m_current = 0;
    uint16_t initial = settings.initialScreen;
    if (ScreenByNumber(initial) == nullptr) {
        // A start screen that names no screen: the first one.
        initial = m_image->screens.empty() ? 0 : m_image->screens.front().number;
    }
    Switch(initial, false);
    return true;
}

bool PanelRuntime::LoadFile(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason)) {
        error = Format(strings::kCannotReadFile, path.c_str(), reason.c_str());
        return false;
    }
    return Load(bytes, error);
}

int PanelRuntime::Width() const { return m_width > 0 ? m_width : (m_image ? m_image->width : 128); }

int PanelRuntime::Height() const { return m_height > 0 ? m_height : (m_image ? m_image->height : 64); }

void PanelRuntime::SetDisplaySize(int width, int height) {
    m_width = width;
    m_height = height;
}

void PanelRuntime::SetClock(int64_t seconds) { m_clockBase = seconds - static_cast<int64_t>(m_milliseconds / 1000); }

const ScreenRecord* PanelRuntime::ScreenByNumber(uint16_t number) const {
    if (!m_image) {
        return nullptr;
    }
    const int index = m_image->ScreenIndex(number);
    return index < 0 ? nullptr : &m_image->screens[static_cast<size_t>(index)];
}

const ScreenRecord* PanelRuntime::Screen() const { return ScreenByNumber(m_current); }

std::vector<uint16_t> PanelRuntime::ScreenNumbers() const {
    std::vector<uint16_t> numbers;
    if (m_image) {
        for (const ScreenRecord& screen : m_image->screens) {
            numbers.push_back(screen.number);
        }
    }
    return numbers;
}

bool PanelRuntime::ShowScreen(uint16_t number) {
    if (ScreenByNumber(number) == nullptr) {
        return false;
    }
    Switch(number, true);
    return true;
}

void PanelRuntime::Switch(uint16_t number, bool remember) {
    const ScreenRecord* target = ScreenByNumber(number);
    if (target == nullptr || number == m_current) {
        return;
    }
    if (const ScreenRecord* old = Screen()) {
        m_keys.Leave(*old, m_registers);
        if (remember) {
            m_history.push_back(m_current);
            if (m_history.size() > kHistoryDepth) {
                m_history.erase(m_history.begin());
            }
        }
    }
    m_current = number;
    m_focus = -1;
    m_editor.End();
    m_keys.Enter(*target, m_registers);
}

void PanelRuntime::Back() {
    while (!m_history.empty()) {
        const uint16_t previous = m_history.back();
        m_history.pop_back();
        if (ScreenByNumber(previous) != nullptr && previous != m_current) {
            Switch(previous, false);
            return;
        }
    }
}

void PanelRuntime::Jump(const KeyActions::Jump& jump) {
    switch (jump.kind) {
    case KeyActions::JUMP_TO_SCREEN:
        Switch(jump.target, true);
        break;
    case KeyActions::JUMP_BACK:
        Back();
        break;
    case KeyActions::JUMP_PASSWORD:
        Switch(m_image->settings.passwordScreen, true);
        break;
    case KeyActions::JUMP_ALARMS:
        Switch(m_image->events.alarmScreen, true);
        break;
    default:
        break;
    }
}

void PanelRuntime::Step(uint32_t milliseconds) {
    if (!m_image) {
        return;
    }
    PollLink();
    do {
        const uint32_t slice = std::min(milliseconds, kSlice);
        Slice(slice);
        milliseconds -= slice;
    } while (milliseconds > 0);
}

void PanelRuntime::Slice(uint32_t milliseconds) {
    m_milliseconds += milliseconds;
    ControlBlock();
    const std::vector<size_t> raised = m_alarms.Check(m_image->events, m_registers, Clock());
    if (!raised.empty() && m_image->events.autoPopup) {
        Switch(m_image->events.alarmScreen, true);
    }
    m_alarms.Step(milliseconds);
    m_transfers.Step(milliseconds, m_current, m_image->transfers, m_registers);
    m_trends.Step(milliseconds, m_registers);
    m_keys.Step(milliseconds, m_registers);

    const PanelSettings& settings = m_image->settings;
    m_idle += milliseconds;
    const bool saverOn = !m_backlight || m_saverReturn;
    if (settings.saverDelayMinutes != 0 && !saverOn && m_idle >= 60000ull * settings.saverDelayMinutes) {
        m_editor.End();
        m_focus = -1;
        if (!settings.SaverOnlyBacklight() && ScreenByNumber(settings.saverScreen) != nullptr) {
            const uint16_t shown = m_current;
            Switch(settings.saverScreen, false);
            m_saverReturn = shown;
        } else {
            m_backlight = false;
        }
    }
    if (settings.screenReport && m_lastReport != m_current) {
        m_registers.Write(*settings.screenReport, DataType::Unsigned, settings.screenReport->ValueWords(), m_current);
        m_lastReport = m_current;
    }
}

void PanelRuntime::ControlBlock() {
    const auto& select = m_image->settings.screenSelect;
    if (!select) {
        return;
    }
    const auto value = static_cast<uint32_t>(m_registers.Read(*select, DataType::Unsigned, select->ValueWords()));
    if (m_lastSelect == value) {
        return;
    }
    // The PLC selects a screen by changing the value; the operator may move
    // on from there until it changes again.
    m_lastSelect = value;
    if (value <= 0xFFFF && ScreenByNumber(static_cast<uint16_t>(value)) != nullptr) {
        Switch(static_cast<uint16_t>(value), true);
    }
}

void PanelRuntime::PollLink() {
    if (m_registers.Link() == nullptr) {
        m_commError = false;
        return;
    }
    m_registers.ClearLinkFailed();
    for (const RegisterUse& use : RegistersOfScreen(m_current)) {
        m_registers.Refresh(use.address, use.count);
    }
    for (const EventItemRecord& item : m_image->events.items) {
        m_registers.Refresh(item.address, static_cast<size_t>(item.address.ValueWords()));
    }
    for (const TrendChannel& channel : m_image->trendChannels) {
        m_registers.Refresh(channel.address, static_cast<size_t>(std::clamp<int>(channel.address.count, 1, 4)));
    }
    if (const auto& select = m_image->settings.screenSelect) {
        m_registers.Refresh(*select, static_cast<size_t>(select->ValueWords()));
    }
    m_commError = m_registers.LinkFailed();
}

void PanelRuntime::PressKey(int code) {
    if (!m_image) {
        return;
    }
    m_notice = Notice::None;
    m_alarms.Silence();
    m_idle = 0;
    if (Wake()) {
        return;
    }
    if (m_editor.Active()) {
        EditingKey(code);
        return;
    }
    if (FunctionKey(code)) {
        return;
    }
    BuiltInKey(code);
}

void PanelRuntime::ReleaseKey(int code) {
    if (m_heldFunctionKey == code) {
        m_keys.Release(m_registers);
        m_heldFunctionKey.reset();
    }
}

bool PanelRuntime::Wake() {
    if (m_backlight && !m_saverReturn) {
        return false;
    }
    m_backlight = true;
    if (m_saverReturn) {
        const uint16_t back = *m_saverReturn;
        m_saverReturn.reset();
        Switch(back, false);
    }
    const PanelSettings& settings = m_image->settings;
    if (settings.WakePassword()) {
        Pending wake;
        wake.kind = Pending::Wake;
        wake.screen = m_current;
        wake.level = settings.wakeLevel;
        Allowed(settings.wakeLevel, false, wake);
    }
    return true;
}

bool PanelRuntime::FunctionKey(int code) {
    const ScreenRecord* screen = Screen();
    if (screen == nullptr || code == 0) {
        return false;
    }
    for (size_t i = 0; i < screen->elements.size(); ++i) {
        const auto* key = std::get_if<KeyRecord>(&screen->elements[i].data);
        if (key == nullptr || key->Code() != code) {
            continue;
        }
        Pending pending;
        pending.kind = Pending::Key;
        pending.screen = m_current;
        pending.element = i;
        pending.level = key->Level();
        pending.keepLevel = key->KeepLevel();
        if (Allowed(key->Level(), key->KeepLevel(), pending)) {
            const auto jump = m_keys.Press(*key, m_registers);
            m_heldFunctionKey = code;
            if (jump) {
                Jump(*jump);
            }
        }
        return true;
    }
    return false;
}

void PanelRuntime::BuiltInKey(int code) {
    const ScreenRecord* screen = Screen();
    if (screen == nullptr) {
        return;
    }
    switch (code) {
    case KEY_UP:
    case KEY_DOWN:
        if (m_focus >= 0) {
            MoveFocus(code == KEY_UP ? -1 : +1);
        } else {
            const uint16_t target = code == KEY_UP ? screen->upTarget : screen->downTarget;
            if (target != 0) {
                Switch(target, true);
            }
        }
        break;
    case KEY_LEFT:
    case KEY_RIGHT:
        MoveFocus(code == KEY_LEFT ? -1 : +1);
        break;
    case KEY_ENTER:
        if (m_focus < 0) {
            MoveFocus(+1);
        } else {
            StartInput(static_cast<size_t>(m_focus));
        }
        break;
    case KEY_ESCAPE:
        m_focus = -1;
        if (m_pending) {
            // Leaving the password screen without a password.
            const uint16_t back = m_pending->screen;
            m_pending.reset();
            Switch(back, false);
        }
        break;
    default:
        if (code >= KEY_DIGIT_0 && code <= KEY_DIGIT_0 + 9 && m_focus >= 0) {
            StartInput(static_cast<size_t>(m_focus));
            if (m_editor.Active()) {
                m_editor.Digit(code - KEY_DIGIT_0);
            }
        }
        break;
    }
}

std::vector<size_t> PanelRuntime::InputElements() const {
    std::vector<size_t> inputs;
    const ScreenRecord* screen = Screen();
    if (screen == nullptr) {
        return inputs;
    }
    auto takesInput = [screen](size_t i) {
        const auto* reg = std::get_if<RegisterRecord>(&screen->elements[i].data);
        return reg != nullptr && reg->InputAllowed();
    };
    for (const uint16_t position : screen->selectionOrder) {
        if (takesInput(position)) {
            inputs.push_back(position);
        }
    }
    for (size_t i = 0; i < screen->elements.size(); ++i) {
        if (takesInput(i) && std::find(inputs.begin(), inputs.end(), i) == inputs.end()) {
            inputs.push_back(i);
        }
    }
    return inputs;
}

void PanelRuntime::MoveFocus(int direction) {
    const std::vector<size_t> inputs = InputElements();
    if (inputs.empty()) {
        return;
    }
    const auto count = static_cast<int>(inputs.size());
    const auto at = std::find(inputs.begin(), inputs.end(), static_cast<size_t>(m_focus));
    if (m_focus < 0 || at == inputs.end()) {
        m_focus = static_cast<int>(direction > 0 ? inputs.front() : inputs.back());
        return;
    }
    const int index = static_cast<int>(at - inputs.begin());
    m_focus = static_cast<int>(inputs[static_cast<size_t>((index + direction + count) % count)]);
}

void PanelRuntime::StartInput(size_t element) {
    const ScreenRecord* screen = Screen();
    if (screen == nullptr || element >= screen->elements.size()) {
        return;
    }
    const auto* reg = std::get_if<RegisterRecord>(&screen->elements[element].data);
    if (reg == nullptr || !reg->InputAllowed()) {
        return;
    }
    Pending pending;
    pending.kind = Pending::Input;
    pending.screen = m_current;
    pending.element = element;
    pending.level = reg->Level();
    pending.keepLevel = reg->KeepLevel();
    if (!Allowed(reg->Level(), reg->KeepLevel(), pending)) {
        return;
    }
    m_focus = static_cast<int>(element);
    const NumberField field(*reg);
    const double value = m_registers.Read(reg->address, reg->Type(), WordsOf(reg->Type(), reg->TwoWords()));
    m_editor.Begin(element, *reg, field.Shown(value));
}

void PanelRuntime::EditingKey(int code) {
    if (code >= KEY_DIGIT_0 && code <= KEY_DIGIT_0 + 9) {
        m_editor.Digit(code - KEY_DIGIT_0);
        return;
    }
    switch (code) {
    case KEY_UP:
        m_editor.Up();
        return;
    case KEY_DOWN:
        m_editor.Down();
        return;
    case KEY_LEFT:
        m_editor.Left();
        return;
    case KEY_RIGHT:
        m_editor.Right();
        return;
    case KEY_ENTER:
        Accept();
        return;
    case KEY_ESCAPE:
        m_editor.End();
        return;
    default:
        // Other keys wait until the entry is done.
        return;
    }
}

void PanelRuntime::Accept() {
    const ScreenRecord* screen = Screen();
    if (screen == nullptr || m_editor.Element() >= screen->elements.size()) {
        m_editor.End();
        return;
    }
    const auto& reg = std::get<RegisterRecord>(screen->elements[m_editor.Element()].data);
    const double value = m_editor.Value();
    if (reg.Password()) {
        m_editor.End();
        Password(value);
        return;
    }
    const NumberField& field = m_editor.Field();
    if (!field.Accepts(value)) {
        // The entry stays open for a correction.
        m_notice = Notice::OutOfLimits;
        return;
    }
    m_registers.Write(reg.address, reg.Type(), WordsOf(reg.Type(), reg.TwoWords()), field.RegisterValue(value));
    m_editor.End();
}

void PanelRuntime::Password(double value) {
    int level = 0;
    for (int k = 8; k >= 1; --k) {
        if (static_cast<double>(m_image->settings.passwords[static_cast<size_t>(k - 1)]) == value) {
            level = k;
            break;
        }
    }
    if (level == 0) {
        m_notice = Notice::WrongPassword;
        return;
    }
    if (!m_pending) {
        m_level = level;
        return;
    }
    const Pending pending = *m_pending;
    if (level < pending.level) {
        m_notice = Notice::LevelTooLow;
        return;
    }
    m_pending.reset();
    if (!pending.keepLevel) {
        m_level = level;
    }
    Switch(pending.screen, false);
    RunPending(pending);
}

bool PanelRuntime::Allowed(int level, bool keepLevel, Pending pending) {
    if (level <= m_level) {
        return true;
    }
    m_notice = Notice::LevelTooLow;
    pending.keepLevel = keepLevel;
    const uint16_t passwordScreen = m_image->settings.passwordScreen;
    if (ScreenByNumber(passwordScreen) != nullptr) {
        m_pending = pending;
        Switch(passwordScreen, false);
    }
    return false;
}

void PanelRuntime::RunPending(const Pending& pending) {
    const ScreenRecord* screen = Screen();
    if (screen == nullptr || pending.element >= screen->elements.size()) {
        return;
    }
    const ElementRecord& element = screen->elements[pending.element];
    if (pending.kind == Pending::Key) {
        if (const auto* key = std::get_if<KeyRecord>(&element.data)) {
            const auto jump = m_keys.Press(*key, m_registers);
            m_keys.Release(m_registers);
            if (jump) {
                Jump(*jump);
            }
        }
    } else if (pending.kind == Pending::Input) {
        if (const auto* reg = std::get_if<RegisterRecord>(&element.data)) {
            m_focus = static_cast<int>(pending.element);
            const NumberField field(*reg);
            const double value = m_registers.Read(reg->address, reg->Type(), WordsOf(reg->Type(), reg->TwoWords()));
            m_editor.Begin(pending.element, *reg, field.Shown(value));
        }
    }
}

const FrameBuffer& PanelRuntime::Render() {
    if (m_frame.Width() != Width() || m_frame.Height() != Height()) {
        m_frame = FrameBuffer(Width(), Height());
    }
    const ScreenRecord* screen = Screen();
    if (screen == nullptr) {
        m_frame.Clear();
        return m_frame;
    }
    const std::string editText = m_editor.Active() ? m_editor.Text() : std::string();
    RenderInputs inputs{*m_image, m_registers};
    inputs.trends = &m_trends;
    inputs.events = &m_alarms.History();
    inputs.milliseconds = m_milliseconds;
    inputs.focusElement = m_focus;
    inputs.focusFlashes = m_image->settings.FocusFlashes();
    inputs.editText = m_editor.Active() ? &editText : nullptr;
    ScreenRenderer(inputs).Render(*screen, m_frame);
    return m_frame;
}

FrameBuffer PanelRuntime::RenderScreen(uint16_t number) const {
    FrameBuffer frame(Width(), Height());
    if (const ScreenRecord* screen = ScreenByNumber(number)) {
        RenderInputs inputs{*m_image, m_registers};
        inputs.trends = &m_trends;
        inputs.events = &m_alarms.History();
        inputs.milliseconds = m_milliseconds;
        ScreenRenderer(inputs).Render(*screen, frame);
    }
    return frame;
}

std::vector<RegisterUse> PanelRuntime::RegistersOfScreen(uint16_t number) const {
    std::vector<RegisterUse> uses;
    const ScreenRecord* screen = ScreenByNumber(number);
    if (screen == nullptr) {
        return uses;
    }
    for (size_t i = 0; i < screen->elements.size(); ++i) {
        const ElementRecord& element = screen->elements[i];
        RegisterUse use;
        use.element = i;
        use.kind = element.kind;
        if (const auto* lamp = std::get_if<LampRecord>(&element.data)) {
            use.address = lamp->address;
        } else if (const auto* key = std::get_if<KeyRecord>(&element.data)) {
            if (!key->address) {
                continue;
            }
            use.address = *key->address;
            use.count = key->address->IsBit() ? 1 : static_cast<size_t>(key->address->ValueWords());
            use.writes = true;
        } else if (const auto* text = std::get_if<DynamicTextRecord>(&element.data)) {
            use.address = text->address;
            use.count = static_cast<size_t>(text->address.ValueWords());
        } else if (const auto* reg = std::get_if<RegisterRecord>(&element.data)) {
            use.address = reg->address;
            use.count = static_cast<size_t>(WordsOf(reg->Type(), reg->TwoWords()));
            use.writes = reg->InputAllowed() && !reg->Password();
        } else if (const auto* bar = std::get_if<BarRecord>(&element.data)) {
            use.address = bar->address;
            use.count = static_cast<size_t>(WordsOf(bar->type, bar->twoWords));
        } else if (const auto* trend = std::get_if<TrendRecord>(&element.data)) {
            if (trend->channel >= m_image->trendChannels.size()) {
                continue;
            }
            use.address = m_image->trendChannels[trend->channel].address;
            use.count = static_cast<size_t>(m_trends.Words(trend->channel));
        } else if (const auto* ascii = std::get_if<AsciiRecord>(&element.data)) {
            use.address = ascii->address;
            use.count = (ascii->count + 1u) / 2;
        } else {
            continue;
        }
        uses.push_back(use);
    }
    return uses;
}

std::string PanelRuntime::NoticeText() const {
    const int language = m_image && m_image->settings.EnglishMessages() ? 1 : 0;
    switch (m_notice) {
    case Notice::WrongPassword:
        return strings::kWrongPassword[language];
    case Notice::LevelTooLow:
        return strings::kLevelTooLow[language];
    case Notice::OutOfLimits:
        return strings::kOutOfLimits[language];
    default:
        return m_commError ? strings::kCommunicationError[language] : std::string();
    }
}

} // namespace balsar::runtime
