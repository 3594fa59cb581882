#include "elements/DynamicTextRules.h"

#include <charconv>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "base/Text.h"
#include "elements/CDynamicText.h"
#include "elements/ElementStrings.h"
#include "elements/KeysLampsStrings.h"
#include "elements/TextAttributes.h"

namespace balsar::dyntext {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void SetAttributes(CDynamicText& element, const Attributes& a, FontEngine* fonts) {
    element.SetFont(a.font, fonts);
    element.SetLanguage(a.language, fonts);
    element.SetAlignment(a.alignment, fonts);
    element.ChangeDotMatrix(a.dotMatrix, fonts);
    element.SetSizeIndex(a.sizeIndex, fonts);
}

} // namespace

ValueRange StateValueRange(bool bitAddress) {
    return ValueRange{0, bitAddress ? 1 : 65535};
}

bool EnterStateValue(CDynamicText& element, int row, std::string_view entry, MessageSink& sink) {
    CTextItem* item = element.Row(row);
    if (item == nullptr) {
        return false;
    }
    const std::string_view text = Trimmed(entry);
    if (text.empty()) {
        item->SetValue("");
        return true;
    }
    const ValueRange range = StateValueRange(element.IsBitAddress());
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size() || value < range.lowest ||
        value > range.highest) {
        sink.Message(Format("%s ( %s-%s )", strings::kInputOutOfRangeText,
                            std::to_string(range.lowest).c_str(), std::to_string(range.highest).c_str()),
                     MessageKind::Warning, strings::kInputOutOfRangeCaption);
        return false;
    }
    item->SetBase(BASE_DEC);
    item->SetValue(std::to_string(value));
    return true;
}

bool EnterStateText(CDynamicText& element, int row, const std::string& text, FontEngine* fonts) {
    CTextItem* item = element.Row(row);
    if (item == nullptr) {
        return false;
    }
    item->SetText(text);
    element.RecalcSize(fonts);
    return true;
}

std::string GridValueText(const CDynamicText& element, int row) {
    const CTextItem* item = element.Row(row);
    if (item == nullptr || !item->IsUsed()) {
        return {};
    }
    return std::to_string(item->NumericValue());
}

bool SwitchDataType(CDynamicText& element, int32_t width, Prompt& prompt) {
    CAddr& address = element.Address();
    if (address.width == width) {
        return true;
    }
    if (width == WIDTH_BIT && element.MaxStateValue() > 1) {
        if (prompt.Ask(strings::kStatesOutOfRange, Buttons::YesNo) != Answer::Yes) {
            return false;
        }
        element.DropStatesAbove(1);
    }
    address.Reset(width, address.port, address.station);
    return true;
}

Attributes AttributesOf(const CDynamicText& element) {
    return Attributes{element.GetSizeIndex(), element.GetLanguage(), element.GetFont(),
                      element.GetDotMatrix(), element.GetAlignment()};
}

bool ApplyAttributes(CDynamicText& element, const Attributes& next, int screenWidth, Prompt& prompt,
                     FontEngine* fonts) {
    const bool switching = UsesDotMatrix(next.sizeIndex, next.dotMatrix) && !element.UsesDotMatrix();
    if (switching && element.HasNonAscii() &&
        prompt.Ask(strings::kNonAsciiLost, Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    CDynamicText before;
    before.CopyFrom(element);
    SetAttributes(element, next, fonts);
    if (switching) {
        element.KeepAsciiTexts(fonts);
    }
    bool cut = false;
    std::string texts[CDynamicText::kRowCount];
    for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
        texts[row - 1] = element.Row(row)->GetText();
        cut = element.TrimToScreen(texts[row - 1], screenWidth, fonts) || cut;
    }
    if (cut) {
        if (prompt.Ask(strings::kTrimQuestion, Buttons::YesNo) != Answer::Yes) {
            element.CopyFrom(before);
            return false;
        }
        for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
            element.Row(row)->SetText(texts[row - 1]);
        }
    }
    element.RecalcSize(fonts);
    return true;
}

} // namespace balsar::dyntext
