#pragma once
// The event list element: a rectangle of a screen in which the panel lists
// the project's events and alarms, one per line, each line optionally led by
// its sequence number, date and time. The element keeps only the layout of
// the lines; their texts, font and size belong to the project's event list.
#include <cstdint>
#include <ctime>
#include <string>

#include "elements/ElementCopy.h"
#include "elements/ResizeHandles.h"

namespace balsar {

class CEventListGE : public CopyableElement<CEventListGE> {
    BALSAR_DECLARE_CLASS(CEventListGE)
public:
    enum DateOrder : int32_t { DATE_DMY = 0, DATE_MDY = 1, DATE_YMD = 2, DATE_MD = 3 };
    enum Separator : int32_t { SEPARATOR_DOT = 0, SEPARATOR_SLASH = 1, SEPARATOR_DASH = 2 };
    enum TimeFormat : int32_t { TIME_HMS = 0, TIME_HM = 1 };

    // The minimum size a handle drag keeps.
    static constexpr int kMinWidth = 4;
    static constexpr int kMinHeight = 8;

    CEventListGE();

    // Common prefix, version 1 and the eight layout fields.
    void Serialize(Archive& ar) override;
    // Position, then 0, 0, 0 (16-bit), 0 (32-bit), the layout flags and the
    // separator's character code (32-bit each).
    void Compile(CompileContext& context) const override;
    // Sample lines numbered from 1 with the current local date and time,
    // as many as the height holds, on an unlit background.
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    int HitHandle(int x, int y) override;
    int GetHandle() const override { return m_handleState; }
    void DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) override;

    // A new list covers the whole screen.
    void CoverScreen(int screenWidth, int screenHeight);

    // Bit 1 always; 0x100 number; 0x200/0x400/0x600/0x800 by date order when
    // the date is shown; 0x1000 "HH:MM:SS" or 0x2000 "HH:MM" when the time is
    // shown; bit 16 four-digit year; bit 17 no leading zeros.
    uint32_t LayoutFlags() const;
    // 46 ".", 47 "/" or 45 "-".
    uint32_t SeparatorCode() const;
    // One line as the editor shows it, before the "#" fill.
    std::string SampleLine(int lineNumber, const std::tm& when) const;
    // The font the project's event list uses, which the editor draws with
    // (size index 0 takes the built-in font). Not stored.
    void SetListFont(const std::string& face, int32_t sizeIndex) {
        m_listFace = face;
        m_listSizeIndex = sizeIndex;
    }

    int32_t showNumber = 1;
    int32_t showDate = 0;
    int32_t dateOrder = DATE_YMD;
    int32_t dateSeparator = SEPARATOR_DASH;
    int32_t fourDigitYear = 0;
    int32_t noLeadingZeros = 0;
    int32_t showTime = 1;
    int32_t timeFormat = TIME_HM;

    // Draw for a given moment (Draw passes the local time of the clock).
    void DrawAt(PanelCanvas& canvas, FontEngine* fonts, const std::tm& when) const;

private:
    ActiveHandle m_handleState;
    std::string m_listFace;
    int32_t m_listSizeIndex = 0;
};

} // namespace balsar
