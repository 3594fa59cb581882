#pragma once
// The panel at work on a download image, without a panel: load an image,
// step time, press and release keys, set and get registers, read the frame
// buffer, list the registers a screen uses, and reach a real device through
// a PlcLink. Everything it knows comes from the image's bytes.
//
// Keys use the panel models' key codes: F1.. 1.., UP 16, DOWN 17, LEFT 18,
// RIGHT 19, ENT 20, ESC 21, digits 48..57. A function key on the current
// screen takes precedence over the built-in meaning of its key.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/AlarmMonitor.h"
#include "runtime/FrameBuffer.h"
#include "runtime/InputEditor.h"
#include "runtime/KeyActions.h"
#include "runtime/PanelImage.h"
#include "runtime/RegisterBank.h"
#include "runtime/TransferScheduler.h"
#include "runtime/TrendRecorder.h"

namespace balsar::runtime {

class PlcLink;

// Key codes of the panel models.
enum PanelKey : int {
    KEY_UP = 16,
    KEY_DOWN = 17,
    KEY_LEFT = 18,
    KEY_RIGHT = 19,
    KEY_ENTER = 20,
    KEY_ESCAPE = 21,
    KEY_DIGIT_0 = 48,
};

// A register an element of a screen reads or writes.
struct RegisterUse {
    size_t element = 0;
    ElementKind kind = ElementKind::Register;
    AddressRecord address;
    size_t count = 1; // bits or words
    bool writes = false;
};

// What the panel tells its operator after a key.
enum class Notice { None, WrongPassword, LevelTooLow, OutOfLimits };

class PanelRuntime {
public:
    PanelRuntime();
    ~PanelRuntime();
    PanelRuntime(const PanelRuntime&) = delete;
    PanelRuntime& operator=(const PanelRuntime&) = delete;

    // Replaces the running image. False with the reason (record and offset)
    // in error when the bytes are no usable image; the runtime then keeps
    // what it had.
    bool Load(std::span<const uint8_t> bytes, std::string& error);
    bool LoadFile(const std::string& path, std::string& error);
    bool Loaded() const { return m_image != nullptr; }
    // The decoded image; only while Loaded().
    const PanelImage& Image() const { return *m_image; }
    // Display size: the image's screen size unless set (a model's size).
    int Width() const;
    int Height() const;
    void SetDisplaySize(int width, int height);

    // Advances the panel's time: link reads, PLC control block, alarms,
    // data transfers, trends, held keys, screen saver, flashing.
    void Step(uint32_t milliseconds);
    uint64_t Milliseconds() const { return m_milliseconds; }
    // The calendar clock (panel local time, seconds from 1970); it advances
    // with Step.
    void SetClock(int64_t seconds);
    int64_t Clock() const { return m_clockBase + static_cast<int64_t>(m_milliseconds / 1000); }

    void PressKey(int code);
    void ReleaseKey(int code);
    void TapKey(int code) {
        PressKey(code);
        ReleaseKey(code);
    }

    uint16_t CurrentScreen() const { return m_current; }
    std::vector<uint16_t> ScreenNumbers() const;
    // Shows a screen as a jump does; false when there is none of that number.
    bool ShowScreen(uint16_t number);
    // The current screen as the panel shows it now.
    const FrameBuffer& Render();
    // Any screen with the current state (no focus).
    FrameBuffer RenderScreen(uint16_t number) const;
    std::vector<RegisterUse> RegistersOfScreen(uint16_t number) const;

    RegisterBank& Registers() { return m_registers; }
    const RegisterBank& Registers() const { return m_registers; }
    // Device registers go through the link from now on; null for none.
    void SetLink(PlcLink* link) { m_registers.SetLink(link); }

    int PasswordLevel() const { return m_level; }
    bool Buzzer() const { return m_alarms.Buzzing(); }
    bool BacklightOn() const { return m_backlight; }
    bool ScreenSaverShown() const { return m_saverReturn.has_value(); }
    const AlarmMonitor& Alarms() const { return m_alarms; }
    const TrendRecorder& Trends() const { return m_trends; }
    const TransferScheduler& Transfers() const { return m_transfers; }
    // List position of the register element with the input focus, -1 for none.
    int FocusedElement() const { return m_focus; }
    bool Editing() const { return m_editor.Active(); }
    std::string EditText() const { return m_editor.Active() ? m_editor.Text() : std::string(); }
    Notice LastNotice() const { return m_notice; }
    // The notice in the panel's system-message language (a communication
    // error when there is no other); empty for none.
    std::string NoticeText() const;
    // A device did not answer during the last Step.
    bool CommunicationError() const { return m_commError; }

private:
    struct Pending {
        enum Kind { Key, Input, Wake } kind = Key;
        uint16_t screen = 0;
        size_t element = 0;
        int level = 0;
        bool keepLevel = false;
    };

    const ScreenRecord* Screen() const;
    const ScreenRecord* ScreenByNumber(uint16_t number) const;
    // Changes the screen: leave and enter actions, focus dropped; history
    // keeps the screen left for "back".
    void Switch(uint16_t number, bool remember);
    void Jump(const KeyActions::Jump& jump);
    void Back();
    void Slice(uint32_t milliseconds);
    void PollLink();
    void ControlBlock();
    bool Wake();
    void EditingKey(int code);
    bool FunctionKey(int code);
    void BuiltInKey(int code);
    void MoveFocus(int direction);
    void StartInput(size_t element);
    void Accept();
    void Password(double value);
    bool Allowed(int level, bool keepLevel, Pending pending);
    void RunPending(const Pending& pending);
    std::vector<size_t> InputElements() const;

    std::unique_ptr<PanelImage> m_image;
    int m_width = 0;
    int m_height = 0;
    RegisterBank m_registers;
    TrendRecorder m_trends;
    AlarmMonitor m_alarms;
    TransferScheduler m_transfers;
    KeyActions m_keys;
    InputEditor m_editor;
    FrameBuffer m_frame;

    uint64_t m_milliseconds = 0;
    int64_t m_clockBase = 946684800; // 2000-01-01 00:00
    uint16_t m_current = 0;
    std::vector<uint16_t> m_history;
    int m_level = 0;
    int m_focus = -1;
    std::optional<int> m_heldFunctionKey;
    std::optional<Pending> m_pending;
    uint64_t m_idle = 0;
    bool m_backlight = true;
    std::optional<uint16_t> m_saverReturn;
    std::optional<uint32_t> m_lastSelect;
    std::optional<uint16_t> m_lastReport;
    Notice m_notice = Notice::None;
    bool m_commError = false;
};

} // namespace balsar::runtime
