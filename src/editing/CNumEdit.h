#pragma once
// The numeric edit of the address panel, without its window: a text bound
// to a number base and a 64-bit range, with the keystroke filter and the
// text checks the window applies after every keystroke.
#include <cstdint>
#include <string>

#include "plc/PlcTypes.h"

namespace balsar {

class MessageSink;

class CNumEdit {
public:
    CNumEdit(int32_t base = BASE_DEC, int64_t minimum = 0, int64_t maximum = 0);

    void SetBase(int32_t base) { m_base = base; }
    void SetRange(int64_t minimum, int64_t maximum);
    int32_t Base() const { return m_base; }
    int64_t Minimum() const { return m_min; }
    int64_t Maximum() const { return m_max; }

    // True when a typed character may reach the text: backspace, or a
    // character of the base's digit set ("01234567", "0123456789",
    // "0123456789abcdefABCDEF", "-0123456789").
    static bool AcceptsKey(int32_t base, char key);
    // Applies the text a keystroke produced: letters a-f become upper case
    // and the text is checked. A refused text leaves the previous one (the
    // window then selects it entirely); an out-of-range value also shows the
    // "输入越界" message. True when the text was taken.
    bool ApplyKeystrokeText(const std::string& text, MessageSink& sink);
    // The checks of ApplyKeystrokeText on a text already in upper case.
    bool Validate(const std::string& text, MessageSink& sink) const;

    // Clamps into the range and shows the value in the base.
    void SetValue(int64_t value);
    // The value of the text; an empty text reads as the minimum.
    int64_t Value() const;
    // Adds amount when the result stays inside the range; true when applied.
    bool Step(int64_t amount);

    const std::string& Text() const { return m_text; }

private:
    int32_t m_base;
    int64_t m_min;
    int64_t m_max;
    std::string m_text;
};

} // namespace balsar
