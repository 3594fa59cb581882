#pragma once
// A register address: a value in a connected PLC (port 0..3) or in the
// panel's own memory (LOCAL), with its width, encoding and word count.
#include <cstdint>
#include <string>

#include "base/Archivable.h"
#include "plc/PlcTypes.h"

namespace balsar {

class CAddr : public Archivable {
    BALSAR_DECLARE_CLASS(CAddr)
public:
    explicit CAddr(int32_t width = WIDTH_BIT);

    // Sets the defaults for a width on the given port (LOCAL by default):
    // register type "LW.B" for bits and "LW" otherwise, address 0, a
    // sub-address for bits only, word count 2 for double words.
    void Reset(int32_t width, int32_t port = PORT_LOCAL, int32_t station = 0);
    void CopyFrom(const CAddr& other) { *this = other; }
    // Moves an address on port a to port b and one on port b to port a.
    void SwapPorts(int32_t a, int32_t b);

    void Serialize(Archive& ar) override;

    bool operator==(const CAddr& other) const = default;

    int32_t width = WIDTH_BIT;
    int32_t port = PORT_LOCAL;
    int32_t station = 0;
    std::string regType;
    std::string text;
    int32_t address = 0;
    int32_t hasSub = 0;
    int32_t sub = 0;
    int32_t hasIndex = 0;
    int32_t index = 0;
    int32_t encoding = ENCODING_BIN;
    int32_t wordCount = 1;
};

} // namespace balsar
