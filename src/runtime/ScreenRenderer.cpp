#include "runtime/ScreenRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "runtime/EventLine.h"
#include "runtime/NumberCodec.h"
#include "runtime/NumberField.h"
#include "runtime/PixelPainter.h"
#include "runtime/RegisterBank.h"
#include "runtime/TrendRecorder.h"

namespace balsar::runtime {

namespace {

enum class Align { Left, Right, Centre };

// A text as glyphs of a character table: each character's glyph by its
// place in the table's character set; characters the set lacks (the blank)
// leave the room of the set's '0'.
struct Cells {
    std::vector<int> glyphs; // -1: blank
    int blankWidth = 0;
};

Cells CellsOf(const std::string& text, const char* characterSet, const GlyphRun& table, const GlyphStore& store) {
    Cells cells;
    const char* zero = std::strchr(characterSet, '0');
    if (zero != nullptr) {
        const auto place = static_cast<size_t>(zero - characterSet);
        if (place < table.size()) {
            if (const Bitmap* glyph = store.Find(table[place])) {
                cells.blankWidth = glyph->width;
            }
        }
    }
    for (const char c : text) {
        const char* found = c == '\0' ? nullptr : std::strchr(characterSet, c);
        const auto place = found != nullptr ? static_cast<size_t>(found - characterSet) : table.size();
        cells.glyphs.push_back(place < table.size() ? table[place] : -1);
    }
    return cells;
}

int CellsWidth(const Cells& cells, const GlyphStore& store) {
    int width = 0;
    for (const int index : cells.glyphs) {
        const Bitmap* glyph = store.Find(index);
        width += glyph != nullptr ? glyph->width : cells.blankWidth;
    }
    return width;
}

int CellsHeight(const Cells& cells, const GlyphStore& store) {
    int height = 0;
    for (const int index : cells.glyphs) {
        if (const Bitmap* glyph = store.Find(index)) {
            height = std::max(height, glyph->height);
        }
    }
    return height;
}

int AlignedLeft(const PixelRect& rect, int width, Align align) {
    switch (align) {
    case Align::Right:
        return std::max(rect.left, rect.right - width);
    case Align::Centre:
        return std::max(rect.left, rect.left + (rect.Width() - width) / 2);
    default:
        return rect.left;
    }
}

// The element's rectangle in its background, then the cells in the other
// colour, enlarged for a double-size element.
void DrawCells(PixelPainter& painter, const Cells& cells, const PixelRect& rect, bool reverse, Align align,
               int baseHeight) {
    painter.Frame().Fill(rect, reverse);
    const int scale = WholeScale(rect.Height(), baseHeight);
    int x = AlignedLeft(rect, CellsWidth(cells, painter.Glyphs()) * scale, align);
    for (const int index : cells.glyphs) {
        if (x >= rect.right) {
            break;
        }
        if (const Bitmap* glyph = painter.Glyphs().Find(index)) {
            painter.Glyph(*glyph, x, rect.top, !reverse, rect, scale);
            x += glyph->width * scale;
        } else {
            x += cells.blankWidth * scale;
        }
    }
}

Cells RunCells(const GlyphRun& run) {
    Cells cells;
    cells.glyphs = run;
    return cells;
}

bool FlashOn(uint64_t milliseconds, uint32_t period) { return (milliseconds / std::max<uint32_t>(period, 1)) % 2 == 0; }

} // namespace

void ScreenRenderer::Render(const ScreenRecord& screen, FrameBuffer& frame) const {
    frame.Clear();
    PixelPainter painter(frame, m_in.image.glyphs);
    for (size_t i = 0; i < screen.elements.size(); ++i) {
        Draw(screen.elements[i], static_cast<int>(i) == m_in.focusElement, painter);
    }
}

void ScreenRenderer::Draw(const ElementRecord& element, bool focused, PixelPainter& painter) const {
    const GlyphStore& store = m_in.image.glyphs;
    switch (element.kind) {
    case ElementKind::Lamp:
        Lamp(element, std::get<LampRecord>(element.data), painter);
        break;
    case ElementKind::Key:
        Key(element, std::get<KeyRecord>(element.data), painter);
        break;
    case ElementKind::StaticText: {
        const auto& text = std::get<StaticTextRecord>(element.data);
        const Cells cells = RunCells(text.text);
        DrawCells(painter, cells, element.rect, text.reverse, Align::Left, CellsHeight(cells, store));
        break;
    }
    case ElementKind::DynamicText:
        DynamicText(element, std::get<DynamicTextRecord>(element.data), painter);
        break;
    case ElementKind::Register:
        Register(element, std::get<RegisterRecord>(element.data), focused, painter);
        break;
    case ElementKind::Bar:
        Bar(element, std::get<BarRecord>(element.data), painter);
        break;
    case ElementKind::Trend:
        Trend(element, std::get<TrendRecord>(element.data), painter);
        break;
    case ElementKind::Picture: {
        const auto& picture = std::get<PictureRecord>(element.data);
        painter.Frame().Fill(element.rect, false);
        if (const Bitmap* bitmap = store.Find(picture.bitmap)) {
            painter.Glyph(*bitmap, element.rect.left, element.rect.top, true, element.rect);
        }
        break;
    }
    case ElementKind::Ascii:
        Ascii(element, std::get<AsciiRecord>(element.data), painter);
        break;
    case ElementKind::EventList:
        EventList(element, std::get<EventListRecord>(element.data), painter);
        break;
    default:
        break;
    }
}

void ScreenRenderer::Lamp(const ElementRecord& element, const LampRecord& lamp, PixelPainter& painter) const {
    bool lit = m_in.registers.ReadBit(lamp.address) != lamp.NegativeLogic();
    // Flashing alternates with the other picture, starting with the state's own.
    if (lamp.Flashes() && lit == lamp.FlashWhileOn() && !FlashOn(m_in.milliseconds, 100u * lamp.period)) {
        lit = !lit;
    }
    if (const Bitmap* picture = m_in.image.glyphs.Find(lit ? lamp.onPicture : lamp.offPicture)) {
        painter.Stretch(*picture, element.rect);
    }
}

void ScreenRenderer::Key(const ElementRecord& element, const KeyRecord& key, PixelPainter& painter) const {
    const GlyphStore& store = m_in.image.glyphs;
    PixelRect keyRect = element.rect;
    if (key.pictures.size() >= 2) {
        PixelRect handRect = keyRect;
        handRect.right = keyRect.left + keyRect.Width() / 2;
        keyRect.left = handRect.right;
        if (const Bitmap* hand = store.Find(key.pictures[0])) {
            painter.Stretch(*hand, handRect, key.Reverse());
        }
    }
    if (!key.pictures.empty()) {
        if (const Bitmap* picture = store.Find(key.pictures.back())) {
            painter.Stretch(*picture, keyRect, key.Reverse());
        }
    }
}

void ScreenRenderer::DynamicText(const ElementRecord& element, const DynamicTextRecord& text,
                                 PixelPainter& painter) const {
    const int words = text.address.ValueWords();
    const double value = m_in.registers.Read(text.address, DataType::Unsigned, words);
    const bool reverse = (text.flags & 0x10) != 0;
    const Align align = (text.flags & 0x40) != 0 ? Align::Right : (text.flags & 0x20) != 0 ? Align::Centre : Align::Left;
    GlyphRun shown;
    for (size_t i = 0; i < text.values.size(); ++i) {
        // States are 16-bit; a value above 16 bits matches none.
        if (value <= 0xFFFF && text.values[i] == static_cast<uint16_t>(value)) {
            shown = text.texts[i];
            break;
        }
    }
    int base = 0;
    for (const GlyphRun& state : text.texts) {
        base = std::max(base, painter.RunHeight(state));
    }
    DrawCells(painter, RunCells(shown), element.rect, reverse, align, base);
}

void ScreenRenderer::Register(const ElementRecord& element, const RegisterRecord& reg, bool focused,
                              PixelPainter& painter) const {
    const NumberField field(reg);
    const int words = WordsOf(reg.Type(), reg.TwoWords());
    std::string text;
    if (focused && m_in.editText != nullptr) {
        text = *m_in.editText;
    } else {
        text = field.Text(field.Shown(m_in.registers.Read(reg.address, reg.Type(), words)));
    }
    bool reverse = reg.Reverse();
    if (focused) {
        if (!m_in.focusFlashes) {
            reverse = !reverse;
        } else if (!FlashOn(m_in.milliseconds, 500)) {
            text.clear();
        }
    }
    const Align align = reg.AlignRight() ? Align::Right : reg.AlignCentre() ? Align::Centre : Align::Left;
    const Cells cells = CellsOf(text, field.CharacterSet(), reg.characters, painter.Glyphs());
    const Cells zero = CellsOf("0", field.CharacterSet(), reg.characters, painter.Glyphs());
    DrawCells(painter, cells, element.rect, reverse, align, CellsHeight(zero, painter.Glyphs()));
}

void ScreenRenderer::Ascii(const ElementRecord& element, const AsciiRecord& ascii, PixelPainter& painter) const {
    // Two characters per word, the first in the low byte.
    std::string text;
    const std::vector<uint16_t> words = m_in.registers.Values(ascii.address, (ascii.count + 1u) / 2);
    for (size_t i = 0; i < ascii.count; ++i) {
        const auto byte = static_cast<char>((words[i / 2] >> (8 * (i % 2))) & 0xFF);
        text.push_back(byte >= 0x20 && byte <= 0x7E ? byte : ' ');
    }
    static const std::string kPrintable = [] {
        std::string set;
        for (char c = 0x20; c <= 0x7E; ++c) {
            set.push_back(c);
        }
        return set;
    }();
    // The blank is a glyph of this set; cells need a set without the NUL.
    const Cells cells = CellsOf(text, kPrintable.c_str(), ascii.characters, painter.Glyphs());
    const Cells sample = CellsOf("A", kPrintable.c_str(), ascii.characters, painter.Glyphs());
    DrawCells(painter, cells, element.rect, ascii.reverse, Align::Left, CellsHeight(sample, painter.Glyphs()));
}

void ScreenRenderer::Bar(const ElementRecord& element, const BarRecord& bar, PixelPainter& painter) const {
    const PixelRect& rect = element.rect;
    painter.Frame().Fill(rect, false);
    const double value = m_in.registers.Read(bar.address, bar.type, WordsOf(bar.type, bar.twoWords));
    const bool vertical = bar.direction <= 1;
    const int length = vertical ? rect.Height() : rect.Width();
    const double span = bar.fullScale - bar.zeroScale;
    double share = span != 0 ? (value - bar.zeroScale) / span : 0;
    share = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
    const int filled = static_cast<int>(std::floor(share * length + 1e-9));
    PixelRect part = rect;
    switch (bar.direction) {
    case 0: // up: grows from the bottom
        part.top = rect.bottom - filled;
        break;
    case 1:
        part.bottom = rect.top + filled;
        break;
    case 2: // left: grows from the right
        part.left = rect.right - filled;
        break;
    default:
        part.right = rect.left + filled;
        break;
    }
    painter.Frame().Fill(part, true);
    painter.DoubleOutline(rect);
}

void ScreenRenderer::Trend(const ElementRecord& element, const TrendRecord& trend, PixelPainter& painter) const {
    const PixelRect& rect = element.rect;
    painter.Frame().Fill(rect, false);
    const int height = rect.Height();
    if (rect.Width() <= 0 || height <= 0) {
        return;
    }
    const int right = rect.right - 2;
    const int bottom = rect.bottom - 2;
    // Grid lines at quarter heights (the outer ones frame the plot) and both axes.
    for (int k = 0; k <= 4; ++k) {
        const int y = std::min(rect.top + height * k / 4, bottom);
        painter.ThickLine(rect.left, y, right, y, rect);
    }
    painter.ThickLine(rect.left, rect.top, rect.left, bottom, rect);
    painter.ThickLine(right, rect.top, right, bottom, rect);
    if (m_in.trends == nullptr) {
        return;
    }
    const auto& samples = m_in.trends->Samples(trend.channel);
    const int words = m_in.trends->Words(trend.channel);
    const int points = std::max<int>(trend.points, 1);
    const double span = trend.fullScale - trend.zeroScale;
    int previousX = 0;
    int previousY = 0;
    const size_t first = samples.size() > static_cast<size_t>(points) ? samples.size() - static_cast<size_t>(points) : 0;
    for (size_t i = first; i < samples.size(); ++i) {
        const auto k = static_cast<int>(i - first);
        const int x = points > 1 ? rect.left + (right - rect.left) * k / (points - 1) : rect.left;
        const double value = DecodeNumber(samples[i], trend.type, words, false);
        double share = span != 0 ? (trend.fullScale - value) / span : 1;
        share = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 1.0;
        const int y = std::min(rect.top + static_cast<int>(std::floor(height * share + 1e-9)), bottom);
        if (k > 0) {
            painter.ThickLine(previousX, previousY, x, y, rect);
        }
        previousX = x;
        previousY = y;
    }
}

void ScreenRenderer::EventList(const ElementRecord& element, const EventListRecord& list,
                               PixelPainter& painter) const {
    const PixelRect& rect = element.rect;
    painter.Frame().Fill(rect, false);
    if (m_in.events == nullptr) {
        return;
    }
    const GlyphStore& store = painter.Glyphs();
    const GlyphRun& digits = m_in.image.events.digits;
    int lineHeight = painter.RunHeight(digits);
    if (lineHeight <= 0) {
        return;
    }
    size_t line = 1;
    for (const EventEntry& entry : *m_in.events) {
        const int y = rect.top + static_cast<int>(line - 1) * lineHeight;
        if (y + lineHeight > rect.bottom || entry.item >= m_in.image.events.items.size()) {
            break;
        }
        const Cells head = CellsOf(EventLineHead(list, line, entry.raised), kEventDigits, digits, store);
        GlyphRun glyphs = head.glyphs;
        const GlyphRun& message = m_in.image.events.items[entry.item].message;
        glyphs.insert(glyphs.end(), message.begin(), message.end());
        // Whole characters only: a line ends where the next one no longer fits.
        int x = rect.left;
        for (const int index : glyphs) {
            const Bitmap* glyph = store.Find(index);
            if (glyph == nullptr) {
                continue;
            }
            if (x + glyph->width > rect.right) {
                break;
            }
            painter.Glyph(*glyph, x, y, true, rect);
            x += glyph->width;
        }
        ++line;
    }
}

} // namespace balsar::runtime
