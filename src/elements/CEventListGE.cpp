#include "elements/CEventListGE.h"

#include "base/Archive.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/ElementKinds.h"
#include "elements/GlyphSource.h"
#include "elements/PanelCanvas.h"
#include "elements/ResizeHandles.h"
#include "elements/TextAttributes.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CEventListGE, 0, &CGraphElement::StaticClass())

CEventListGE::CEventListGE() : CopyableElement(KIND_EVENT_LIST) {}

void CEventListGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    for (int32_t* field : {&showNumber, &showDate, &dateOrder, &dateSeparator, &fourDigitYear, &noLeadingZeros,
                           &showTime, &timeFormat}) {
        ar.Value(*field);
    }
}

void CEventListGE::CoverScreen(int screenWidth, int screenHeight) {
    m_left = 0;
    m_top = 0;
    m_width = screenWidth;
    m_height = screenHeight;
}

uint32_t CEventListGE::LayoutFlags() const {
    uint32_t flags = 0x2;
    if (showNumber != 0) {
        flags |= 0x100;
    }
    if (showDate != 0 && dateOrder >= DATE_DMY && dateOrder <= DATE_MD) {
        flags |= static_cast<uint32_t>(dateOrder + 1) * 0x200;
    }
    if (showTime != 0) {
        if (timeFormat == TIME_HMS) {
            flags |= 0x1000;
        } else if (timeFormat == TIME_HM) {
            flags |= 0x2000;
        }
    }
    if (fourDigitYear != 0) {
        flags |= 1u << 16;
    }
    if (noLeadingZeros != 0) {
        flags |= 1u << 17;
    }
    return flags;
}

uint32_t CEventListGE::SeparatorCode() const {
    switch (dateSeparator) {
    case SEPARATOR_DOT:
        return '.';
    case SEPARATOR_SLASH:
        return '/';
    default:
        return '-';
    }
}

void CEventListGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 2);
    AppendBytes(image, 0, 4);
    AppendBytes(image, LayoutFlags(), 4);
    AppendBytes(image, SeparatorCode(), 4);
}

std::string CEventListGE::SampleLine(int lineNumber, const std::tm& when) const {
    std::string line;
    if (showNumber != 0) {
        line += Format("%d ", lineNumber);
    }
    if (showDate != 0) {
        const char* dayMonth = noLeadingZeros != 0 ? "%d" : "%.2d";
        const std::string day = Format(dayMonth, when.tm_mday);
        const std::string month = Format(dayMonth, when.tm_mon + 1);
        const int fullYear = when.tm_year + 1900;
        const std::string year = fourDigitYear != 0 ? Format("%d", fullYear) : Format("%.2d", fullYear % 100);
        const std::string sep(1, static_cast<char>(SeparatorCode()));
        switch (dateOrder) {
        case DATE_DMY:
            line += day + sep + month + sep + year;
            break;
        case DATE_MDY:
            line += month + sep + day + sep + year;
            break;
        case DATE_YMD:
            line += year + sep + month + sep + day;
            break;
        default:
            line += month + sep + day;
            break;
        }
        line += ' ';
    }
    if (showTime != 0) {
        line += timeFormat == TIME_HM ? Format("%.2d:%.2d", when.tm_hour, when.tm_min)
                                      : Format("%.2d:%.2d:%.2d", when.tm_hour, when.tm_min, when.tm_sec);
    }
    return line;
}

void CEventListGE::Draw(PanelCanvas& canvas, FontEngine* fonts) const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DrawAt(canvas, fonts, local);
}

void CEventListGE::DrawAt(PanelCanvas& canvas, FontEngine* fonts, const std::tm& when) const {
    const PanelRect rect = Rect();
    canvas.Fill(rect, false);
    const int pixelSize = PixelSizeOfIndex(m_listSizeIndex);
    // Size 8 comes from the built-in font in either mode.
    const int fontMode = FontModeOf(m_listSizeIndex == 0);
    const auto fill = MakeGlyph(fonts, U'#', m_listFace, pixelSize, fontMode);
    for (int line = 1; rect.top + line * pixelSize <= rect.bottom; ++line) {
        const int y = rect.top + (line - 1) * pixelSize;
        int x = rect.left;
        for (const char ch : SampleLine(line, when)) {
            const auto glyph = MakeGlyph(fonts, static_cast<char32_t>(ch), m_listFace, pixelSize, fontMode);
            if (!glyph) {
                continue;
            }
            canvas.DrawGlyph(*glyph, x, y, true, rect);
            x += glyph->width;
        }
        // Filled up with "#" as far as a whole character fits.
        while (fill && fill->width > 0 && x + fill->width <= rect.right) {
            canvas.DrawGlyph(*fill, x, y, true, rect);
            x += fill->width;
        }
    }
}

int CEventListGE::HitHandle(int x, int y) {
    m_handleState = HandleAt(x, y);
    return m_handleState;
}

void CEventListGE::DragHandle(int handle, int dx, int dy, int screenWidth, int screenHeight) {
    DragElementEdge(*this, handle, dx, dy, kMinWidth, kMinHeight, screenWidth, screenHeight);
}

} // namespace balsar
