#pragma once
// Draws a screen of the image into the frame buffer from the image's own
// records and the panel's state: texts from their glyph records, registers
// formatted by their attribute words, lamps with flashing, bars, trends from
// their buffers, pictures, key pictures and event list lines.
#include <cstdint>
#include <deque>
#include <string>

#include "runtime/AlarmMonitor.h"
#include "runtime/FrameBuffer.h"
#include "runtime/PanelImage.h"

namespace balsar::runtime {

class RegisterBank;
class TrendRecorder;
class PixelPainter;

struct RenderInputs {
    const PanelImage& image;
    const RegisterBank& registers;
    const TrendRecorder* trends = nullptr;
    const std::deque<EventEntry>* events = nullptr;
    // Panel time in milliseconds, for flashing.
    uint64_t milliseconds = 0;
    // The element with the input focus (list position), -1 for none.
    int focusElement = -1;
    bool focusFlashes = false;
    // While a value is being entered: the text shown in the focused field.
    const std::string* editText = nullptr;
};

class ScreenRenderer {
public:
    explicit ScreenRenderer(const RenderInputs& inputs) : m_in(inputs) {}

    // Clears the frame and draws every element of the screen in list order.
    void Render(const ScreenRecord& screen, FrameBuffer& frame) const;

private:
    void Draw(const ElementRecord& element, bool focused, PixelPainter& painter) const;
    void Lamp(const ElementRecord& element, const LampRecord& lamp, PixelPainter& painter) const;
    void Key(const ElementRecord& element, const KeyRecord& key, PixelPainter& painter) const;
    void DynamicText(const ElementRecord& element, const DynamicTextRecord& text, PixelPainter& painter) const;
    void Register(const ElementRecord& element, const RegisterRecord& reg, bool focused,
                  PixelPainter& painter) const;
    void Ascii(const ElementRecord& element, const AsciiRecord& ascii, PixelPainter& painter) const;
    void Bar(const ElementRecord& element, const BarRecord& bar, PixelPainter& painter) const;
    void Trend(const ElementRecord& element, const TrendRecord& trend, PixelPainter& painter) const;
    void EventList(const ElementRecord& element, const EventListRecord& list, PixelPainter& painter) const;

    const RenderInputs& m_in;
};

} // namespace balsar::runtime
