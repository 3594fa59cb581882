#pragma once
// An indicator lamp: shows one PLC bit as a circular or square lamp picture,
// off or on, optionally with negative logic and flashing in one state.
#include <cstdint>

#include "elements/ElementCopy.h"
#include "plc/CAddr.h"

namespace balsar {

class CLedGE : public CopyableElement<CLedGE> {
    BALSAR_DECLARE_CLASS(CLedGE)
public:
    enum Shape : int32_t { SHAPE_CIRCLE = 0, SHAPE_SQUARE = 1 };

    CLedGE();

    // Common prefix, version 1, shape, size index, negative logic, flash,
    // flash state, period, then the address.
    void Serialize(Archive& ar) override;
    // Position, address, the offset of the shared picture table (the off
    // and on pictures of the shape and size), flags and period.
    void Compile(CompileContext& context) const override;
    // The on picture with negative logic, else the off picture, over the
    // element's rectangle; nothing when the picture cannot be read.
    void Draw(PanelCanvas& canvas, FontEngine* fonts) const override;

    void ResetAddress() override { m_addr.ResetIfPortChanged(); }
    void SwapPorts(int32_t a, int32_t b) override { m_addr.SwapPorts(a, b); }

    // Stores the index; the lamp is square, as wide and high as the pixel
    // size (twice that with double size).
    void SetSizeIndex(int32_t index);
    int32_t GetSizeIndex() const { return m_sizeIndex; }
    // The 16-bit flags word: bit 0 always, bit 8 flash, bit 9 negative
    // logic, bit 10 flash while the state is 1.
    uint16_t Flags() const;
    // The picture file of a state for this lamp's shape and size.
    std::string PictureFile(int state) const;

    CAddr& Address() { return m_addr; }
    const CAddr& Address() const { return m_addr; }

    int32_t shape = SHAPE_CIRCLE;
    int32_t negativeLogic = 0;
    int32_t flash = 0;
    int32_t flashState = 0;
    int32_t period = 1;

private:
    int32_t m_sizeIndex = 2;
    CAddr m_addr{WIDTH_BIT};
};

} // namespace balsar
