#include "elements/CDynamicText.h"

#include <algorithm>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/CompileContext.h"
#include "elements/FindingStrings.h"
#include "elements/ElementKinds.h"
#include "elements/GlyphSource.h"
#include "elements/ImageRecords.h"
#include "elements/KeysLampsStrings.h"
#include "elements/LanguageDefaults.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CDynamicText, 0, &CGraphElement::StaticClass())

CDynamicText::CDynamicText() : CopyableElement(KIND_DYNAMIC_TEXT), m_font(LanguageDefaults{}.fontName) {
    m_height = PixelSizeOfIndex(m_sizeIndex);
}

const std::array<int, CDynamicText::kRowCount>& CDynamicText::RowArchiveOrder() {
    static const std::array<int, kRowCount> order = [] {
        std::array<int, kRowCount> rows{};
        size_t at = 0;
        for (int block = 0; block < 16; ++block) {
            const int lowest = std::max(block * 16, 1);
            for (int row = block * 16 + 15; row >= lowest; --row) {
                rows[at++] = row;
            }
        }
        rows[at] = kRowCount;
        return rows;
    }();
    return order;
}

void CDynamicText::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 3;
    ar.Value(version);
    ar.Value(m_sizeIndex);
    ar.Value(m_language);
    ar.String(m_font);
    if (ar.IsStoring() || version >= 2) {
        ar.Value(m_alignment);
    } else {
        m_alignment = ALIGN_LEFT;
    }
    if (ar.IsStoring() || version >= 3) {
        ar.Value(m_dotMatrix);
    } else {
        m_dotMatrix = 0;
    }
    for (const int row : RowArchiveOrder()) {
        Row(row)->Serialize(ar);
    }
    m_addr.Serialize(ar);
}

CTextItem* CDynamicText::Row(int row) {
    return row >= 1 && row <= kRowCount ? &m_rows[static_cast<size_t>(row - 1)] : nullptr;
}

const CTextItem* CDynamicText::Row(int row) const {
    return row >= 1 && row <= kRowCount ? &m_rows[static_cast<size_t>(row - 1)] : nullptr;
}

std::map<int32_t, std::string> CDynamicText::StateMap() const {
    std::map<int32_t, std::string> states;
    for (const CTextItem& row : m_rows) {
        if (row.IsUsed()) {
            states.emplace(row.StateValue(), row.GetText());
        }
    }
    return states;
}

int64_t CDynamicText::MaxStateValue() const {
    int64_t highest = 0;
    bool any = false;
    for (const CTextItem& row : m_rows) {
        if (row.IsUsed() && (!any || row.NumericValue() > highest)) {
            highest = row.NumericValue();
            any = true;
        }
    }
    return highest;
}

void CDynamicText::DropStatesAbove(int64_t limit) {
    for (CTextItem& row : m_rows) {
        if (row.IsUsed() && row.NumericValue() > limit) {
            row.Clear();
        }
    }
}

bool CDynamicText::HasNonAscii() const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const CTextItem& row) { return CountNonAscii(row.GetText()) > 0; });
}

void CDynamicText::KeepAsciiTexts(FontEngine* fonts) {
    if (!UsesDotMatrix()) {
        return;
    }
    for (CTextItem& row : m_rows) {
        row.SetText(KeepVisibleAscii(row.GetText()));
    }
    RecalcSize(fonts);
}

bool CDynamicText::UsesDotMatrix() const {
    return balsar::UsesDotMatrix(m_sizeIndex, m_dotMatrix);
}

int CDynamicText::FontMode() const {
    return FontModeOf(UsesDotMatrix());
}

std::optional<int> CDynamicText::TextWidth(std::string_view text, FontEngine* fonts) const {
    if (text.empty()) {
        return 0;
    }
    const auto size = TextElementSize(fonts, text, m_sizeIndex, m_dotMatrix, m_font);
    if (!size) {
        return std::nullopt;
    }
    return size->width;
}

PanelRect CDynamicText::ComputedRect(FontEngine* fonts, int* firstRowWidth) const {
    int widest = 0;
    for (const CTextItem& row : m_rows) {
        const auto width = TextWidth(row.GetText(), fonts);
        if (!width) {
            return Rect();
        }
        widest = std::max(widest, *width);
    }
    if (firstRowWidth != nullptr) {
        *firstRowWidth = TextWidth(m_rows[0].GetText(), fonts).value_or(0);
    }
    const int factor = m_doubleSize != 0 ? 2 : 1;
    return PanelRect{m_left, m_top, m_left + widest * factor, m_top + PixelSizeOfIndex(m_sizeIndex) * factor};
}

void CDynamicText::RecalcSize(FontEngine* fonts) {
    const PanelRect rect = ComputedRect(fonts, &m_firstRowWidth);
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
}

bool CDynamicText::TrimToScreen(std::string& text, int screenWidth, FontEngine* fonts) const {
    std::u32string chars = Utf8ToUtf32(text);
    if (!TrimToWidth(chars, screenWidth, fonts, m_sizeIndex, m_dotMatrix, m_font)) {
        return false;
    }
    text = Utf32ToUtf8(chars);
    return true;
}

void CDynamicText::SetSizeIndex(int32_t index, FontEngine* fonts) {
    m_sizeIndex = index;
    RecalcSize(fonts);
}

void CDynamicText::SetFont(const std::string& font, FontEngine* fonts) {
    m_font = font;
    RecalcSize(fonts);
}

void CDynamicText::SetLanguage(int32_t index, FontEngine* fonts) {
    m_language = index;
    RecalcSize(fonts);
}

void CDynamicText::SetAlignment(int32_t alignment, FontEngine* fonts) {
    m_alignment = alignment;
    RecalcSize(fonts);
}

void CDynamicText::ChangeDotMatrix(int32_t flag, FontEngine* fonts) {
    m_dotMatrix = flag;
    RecalcSize(fonts);
}

void CDynamicText::Draw(PanelCanvas& canvas, FontEngine* fonts) const {
    const PanelRect rect = ComputedRect(fonts, nullptr);
    std::string shown;
    for (const CTextItem& row : m_rows) {
        if (!row.GetText().empty()) {
            shown = row.GetText();
            break;
        }
    }
    // Aligned by the width of the text actually shown, so that a table
    // whose first row is empty still shows its text inside the element.
    const int scale = m_doubleSize != 0 ? 2 : 1;
    const int spare = (rect.right - rect.left) - TextWidth(shown, fonts).value_or(0) * scale;
    int shift = 0;
    if (m_alignment == ALIGN_RIGHT) {
        shift = spare;
    } else if (m_alignment == ALIGN_CENTRE) {
        shift = spare / 2;
    }
    shift = std::max(shift, 0);
    canvas.Fill(rect, m_reverse != 0);
    PanelRect textRect = rect;
    textRect.left += shift;
    DrawTextGlyphs(canvas, textRect, m_reverse != 0, fonts, shown, m_font, PixelSizeOfIndex(m_sizeIndex),
                   FontMode(), scale);
}

void CDynamicText::Compile(CompileContext& context) const {
    std::map<int32_t, std::string> states = StateMap();
    if (states.size() > kMaxCompiledStates) {
        const auto first = std::next(states.begin(), static_cast<std::ptrdiff_t>(kMaxCompiledStates));
        ReportFinding(context, Severity::Warning, strings::kCodeTooManyStates,
                      Format(strings::kFindTooManyStates, static_cast<int>(first->first)));
        states.erase(first, states.end());
    }

    Image& image = context.image;
    CompilePositionRecord(context, ComputedRect(context.fontEngine, nullptr));
    AppendBytes(image, 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 2);
    m_addr.Compile(image, context.portProtocols, context.sink);
    AppendBytes(image, 4, 4);
    const size_t tableField = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, 1, 1);
    uint32_t flags = m_reverse != 0 ? 0x10 : 0;
    if (m_alignment == ALIGN_RIGHT) {
        flags |= 0x40;
    } else if (m_alignment == ALIGN_CENTRE) {
        flags |= 0x20;
    }
    AppendBytes(image, flags, 1);
    AppendBytes(image, 0, 2);
    AppendBytes(image, static_cast<uint32_t>(states.size()), 2);
    for (const auto& state : states) {
        AppendBytes(image, static_cast<uint32_t>(state.first), 2);
    }

    const auto table = static_cast<uint32_t>(image.size());
    AppendBytes(image, static_cast<uint32_t>(states.size()), 1);
    AppendRepeated(image, 0, 4, states.size());
    const int pixelSize = PixelSizeOfIndex(m_sizeIndex);
    size_t slot = table + 1;
    for (const auto& state : states) {
        WriteAt(image, slot, CompileText(context, state.second, m_font, pixelSize, FontMode(), GetName()), 4);
        slot += 4;
    }
    WriteAt(image, tableField, table, 4);
}

} // namespace balsar
