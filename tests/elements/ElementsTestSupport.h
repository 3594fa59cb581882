#pragma once
// Helpers shared by the element tests: a compile context over a fresh image
// and a font engine shared by every test of the program (loading the
// system's font configuration takes a while).
#include <memory>
#include <string>

#include "base/ByteWriter.h"
#include "base/MessageSink.h"
#include "elements/CompileContext.h"
#include "elements/FreeTypeFontEngine.h"

namespace balsar {
class CAddr;
}

namespace balsar::test {

struct CompileFixture {
    explicit CompileFixture(FontEngine* fonts = nullptr, int width = 128, int height = 64)
        : context(image, sink, width, height) {
        context.fontEngine = fonts;
    }
    Image image;
    RecordingMessageSink sink;
    CompileContext context;
};

FreeTypeFontEngine& SharedFonts();

// The 12-byte record of an address compiled without port protocols.
Image AddressRecord(const CAddr& address);

// Bytes [from, from + n) of an image.
std::vector<uint8_t> Slice(const Image& image, size_t from, size_t n);

} // namespace balsar::test
