#pragma once
// The common base of every element placed on a screen: geometry in panel
// pixels, kind, number and name, the archive and XML forms of the shared
// attributes, and the virtual operations each kind overrides.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Archivable.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;
class FontEngine;
class PanelCanvas;
struct CompileContext;
struct PanelRect;
struct TextSize;

class CGraphElement : public Archivable {
    BALSAR_DECLARE_CLASS(CGraphElement)
public:
    CGraphElement() = default;
    ~CGraphElement() override = default;

    // Common archive prefix: version 1, name, ID, then extra B, extra A,
    // double size, reverse, height, width, kind, left, top, order.
    void Serialize(Archive& ar) override;
    // A new element of the same kind filled by CopyFrom; the base has none.
    virtual std::unique_ptr<CGraphElement> Clone() const { return nullptr; }
    // Copies name, extras, double size, reverse, size, kind and position;
    // not the ID and not the order.
    virtual void CopyFrom(const CGraphElement& other);
    // Appends the element's compiled record; the base writes nothing.
    virtual void Compile(CompileContext& context) const;
    // Appends the 4-byte position record.
    void CompilePosition(CompileContext& context) const;
    // Appends the element head: the compiled kind byte and the link counter
    // (32-bit big-endian); the counter then takes the image length.
    virtual void CompileHead(CompileContext& context) const;

    // Glyph, text and bitmap records shared image-wide. Each returns the
    // offset of the record, written at the first request and looked up in
    // the context's dictionaries afterwards; 0 stands for none. The font
    // mode decides when the built-in font is used (1: size 8 only, 2: sizes
    // 8, 12 and 16). `owner` names who asked, for messages.
    //
    // Glyph record: 7, width, height, rows. A character the source cannot
    // render leaves the kind byte 7 written and returns 0.
    static uint32_t CompileChar(CompileContext& context, char32_t ch, const std::string& font, int size,
                                int fontMode);
    // Text record: 6 and the offset of the text's character table. Empty
    // text: 0, nothing written.
    static uint32_t CompileText(CompileContext& context, std::string_view text, const std::string& font, int size,
                                int fontMode, std::string_view owner = {});
    // Character table: a count byte and one glyph offset per character. A
    // count byte cannot describe more than 255 characters: a longer text is
    // compiled from its first 255 and the truncation is reported.
    static uint32_t CompileTextTable(CompileContext& context, std::string_view text, const std::string& font,
                                     int size, int fontMode, std::string_view owner = {});
    // Bitmap record (1, 16-bit width and height, rows) of a 1-bit BMP file.
    static uint32_t CompileBitmapFile(CompileContext& context, const std::string& path);
    // Glyph record made from a 1-bit BMP file.
    static uint32_t CompileBitmapFileAsChar(CompileContext& context, const std::string& path);
    // Reads a 1-bit BMP file into rows top to bottom, ceil(width / 8) bytes
    // each, leftmost pixel in bit 0, a 0 in the file as a lit pixel. False
    // with a message when the file cannot be opened or is not a 1-bit BMP.
    static bool LoadSingleColorBitmap(const std::string& path, MessageSink& sink, int& width, int& height,
                                      std::vector<uint8_t>& data);
    // The same from bytes already read (path only names it in messages).
    static bool ParseSingleColorBitmap(const std::vector<uint8_t>& file, const std::string& path,
                                       MessageSink& sink, int& width, int& height, std::vector<uint8_t>& data);

    // Draws the element onto the panel canvas as the panel shows it; the
    // base draws nothing.
    virtual void Draw(PanelCanvas& canvas, FontEngine* fonts) const;

    // Doubles (on) or halves (off) width and height when the flag changes,
    // then moves the element, keeping its size, into the screen.
    void ChangeDoubleSize(bool on, int screenWidth, int screenHeight);
    // The rectangle grown by one pixel on every side holds the point.
    bool HitTest(int x, int y) const;
    void SetTopLeft(int x, int y) {
        m_left = x;
        m_top = y;
    }
    // Moving the top-left corner there keeps the element on the screen.
    bool FitsOnScreenAt(int left, int top, int screenWidth, int screenHeight) const;
    PanelRect Rect() const;

    // Resize handles of resizable kinds: 1 top, 2 right, 3 bottom, 4 left,
    // 0 none. The base has none.
    virtual int HitHandle(int /*x*/, int /*y*/) { return 0; }
    virtual int GetHandle() const { return 0; }
    virtual void DragHandle(int /*handle*/, int /*dx*/, int /*dy*/, int /*screenWidth*/, int /*screenHeight*/) {}

    // Appends a "Part" child with the common attributes to parts.
    virtual void XmlSave(CXmlNodeWrapper& parts) const;
    // Reads the common attributes from a "Part" element. False (with the
    // message "GE find 'Position' node failure!") without a "Position" child.
    virtual bool XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink);

    // Address operations of kinds that hold addresses.
    virtual void ResetAddress() {}
    virtual void SwapPorts(int32_t /*a*/, int32_t /*b*/) {}

    // Position in the panel's ordered selection; 0xFFFF when not taking part.
    virtual int32_t GetOrder() const { return m_order; }
    void SetOrder(int32_t order) { m_order = order; }

    // Stores the number as ID and names the element "<short name><number>".
    void SetNumber(uint16_t id);

    uint16_t GetID() const { return m_id; }
    void SetID(uint16_t id) { m_id = id; }
    int32_t GetKind() const { return m_kind; }
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    int32_t GetLeft() const { return m_left; }
    int32_t GetTop() const { return m_top; }
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    void SetLeft(int32_t v) { m_left = v; }
    void SetTop(int32_t v) { m_top = v; }
    void SetWidth(int32_t v) { m_width = v; }
    void SetHeight(int32_t v) { m_height = v; }
    int32_t GetDoubleSize() const { return m_doubleSize; }
    void SetDoubleSizeFlag(int32_t v) { m_doubleSize = v; }
    int32_t GetReverse() const { return m_reverse; }
    void SetReverse(int32_t v) { m_reverse = v; }
    int32_t GetExtraA() const { return m_extraA; }
    int32_t GetExtraB() const { return m_extraB; }
    void SetExtraA(int32_t v) { m_extraA = v; }
    void SetExtraB(int32_t v) { m_extraB = v; }
    bool HandlesShown() const { return m_handlesShown != 0; }
    void ShowHandles(bool on) { m_handlesShown = on ? 1 : 0; }

protected:
    explicit CGraphElement(int32_t kind) : m_kind(kind) {}

    // The element's rectangle in the background colour (lit when reverse),
    // then the text's glyphs side by side from the top-left corner in the
    // other colour, clipped to the rectangle.
    void DrawTextGlyphs(PanelCanvas& canvas, const PanelRect& rect, FontEngine* fonts, std::string_view text,
                        const std::string& face, int pixelSize, int fontMode) const;
    // The position record of a rectangle.
    static void CompilePositionOf(CompileContext& context, const PanelRect& rect);
    // The rectangle of an element sized by its text: the text's size,
    // doubled while double size is on, at the element's position; the
    // stored size when the text could not be measured.
    PanelRect TextSizedRect(const std::optional<TextSize>& size) const;
    // Stores the width and height of a rectangle.
    void SetSizeFrom(const PanelRect& rect);
    // Handle within one pixel of the point, tested top, right, bottom, left.
    int HandleAt(int x, int y) const;
    // Moves an edge by the handle's drag; refused (false) when the width
    // would drop below 4, the height below 8, or the element would leave
    // the screen.
    bool MoveEdge(int handle, int dx, int dy, int screenWidth, int screenHeight);

    uint16_t m_id = 0xFFFF;
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_extraA = 0;
    int32_t m_extraB = 0;
    int32_t m_doubleSize = 0;
    int32_t m_reverse = 0;
    std::string m_name;
    int32_t m_kind = 0;
    int32_t m_order = 0xFFFF;
    int32_t m_handlesShown = 0;
};

} // namespace balsar
