#pragma once
// A function key: binds one key of the panel's keyboard, on one screen, to
// a jump, a bit action or a word action, and shows the key's picture
// (optionally with a hand beside it).
#include <cstdint>
#include <string>
#include <vector>

#include "elements/CBitSet.h"
#include "elements/CJumpFrame.h"
#include "elements/CWordSet.h"
#include "elements/ElementCopy.h"
#include "plc/CAddr.h"

namespace balsar {

struct HardwareKey;

class CFunckeyGE : public CopyableElement<CFunckeyGE> {
    BALSAR_DECLARE_CLASS(CFunckeyGE)
public:
    enum Function : int32_t { FUNCTION_JUMP = 0, FUNCTION_BIT = 1, FUNCTION_WORD = 2 };
    // No key is bound.
    static constexpr int32_t kNoKey = 0;
    // A key without picture and action.
    static constexpr int32_t kBareKey = 30;

    // Without a key (a panel model without keys leaves it so).
    CFunckeyGE();

    // Takes the code of the model's first key; no key when the list is empty.
    void TakeFirstKey(const std::vector<HardwareKey>& keys);

    // Common prefix, version 2, extra D, extra C, key code, function, size
    // index, password level, hand, hidden, keep level (from version 2),
    // then the address and the jump, bit and word actions.
    void Serialize(Archive& ar) override;
    // Position, the address when the key writes a bit or word, the offset
    // of the shared key picture table (0 when hidden), the function block
    // and the level word.
    void Compile(CompileContext& context) const override;
    // The hand in the left half and the key in the right half, or the key
    // over the whole element. A key without code or with the bare code
    // draws nothing on the panel (the editor outlines it, see
    // ShowsOutline).
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }
    // Outside the ordered selection without a key; 1 until an order is set.
    int32_t GetOrder() const override;

    // True for key code 0 and 30: the editor draws a dotted outline in
    // OutlineColour around the element instead of a picture.
    bool ShowsOutline() const { return m_keyCode == kNoKey || m_keyCode == kBareKey; }
    static constexpr uint32_t OutlineColour() { return 0x0000FF; }
    // A key with a code other than 0 and 30 compiles a picture table offset.
    bool IsActive() const { return !ShowsOutline(); }

    // Size-related setters recompute the size: square of the pixel size,
    // twice as wide with the hand (doubled again with double size); a bare
    // key keeps its size.
    void SetKeyCode(int32_t code);
    void SetSizeIndex(int32_t index);
    void SetHand(int32_t flag);
    void SetFunction(int32_t function) { m_function = function; }
    void SetPasswordLevel(int32_t level) { m_passwordLevel = level; }
    void SetHidden(int32_t flag) { m_hidden = flag; }
    void SetKeepLevel(int32_t flag) { m_keepLevel = flag; }
    void RecalcSize();

    int32_t GetKeyCode() const { return m_keyCode; }
    int32_t GetFunction() const { return m_function; }
    int32_t GetSizeIndex() const { return m_sizeIndex; }
    int32_t GetPasswordLevel() const { return m_passwordLevel; }
    int32_t GetHand() const { return m_hand; }
    int32_t GetHidden() const { return m_hidden; }
    int32_t GetKeepLevel() const { return m_keepLevel; }

    // The function block: n words, n in the low byte of the first.
    std::vector<uint32_t> FunctionBlock() const;
    // Whether the record carries the address (bit and word keys).
    bool WritesAddress() const;
    // File names of the pictures a compile uses ("" for no hand).
    std::string CompiledKeyFile() const;
    std::string CompiledHandFile() const;

    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }
    CJumpFrame& Jump() { return m_jump; }
    const CJumpFrame& Jump() const { return m_jump; }
    CBitSet& Bit() { return m_bit; }
    const CBitSet& Bit() const { return m_bit; }
    CWordSet& Word() { return m_word; }
    const CWordSet& Word() const { return m_word; }

    int32_t extraC = 5;
    int32_t extraD = 0;

private:
    uint32_t PictureTable(CompileContext& context) const;

    int32_t m_keyCode = kNoKey;
    int32_t m_function = FUNCTION_JUMP;
    int32_t m_sizeIndex = 2;
    int32_t m_passwordLevel = 0;
    int32_t m_hand = 0;
    int32_t m_hidden = 0;
    int32_t m_keepLevel = 0;
    CAddr m_addr{WIDTH_BIT};
    CJumpFrame m_jump;
    CBitSet m_bit;
    CWordSet m_word;
};

} // namespace balsar
