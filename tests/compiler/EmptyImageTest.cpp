// The whole image of an empty project, byte for byte, from the record tables.
// No font engine is given, so the digit text of the event list (12 pixels,
// not a built-in size for its font mode) compiles its table with empty slots
// and one bare glyph kind byte per failed character.
#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "compiler/ImageCompiler.h"
#include "project/CMirloProject.h"
#include "support/TestSupport.h"

using namespace balsar;
using balsar::test::Hex;

TEST(EmptyProjectImage, EveryByteFromTheTables) {
    RecordingMessageSink sink;
    CMirloProject project;
    const Image image = CompileProject(project, CompileInputs{sink});

    std::vector<uint8_t> expected = Hex(
        // header: magic, 0, reserved, version 1, length, checksum, header length
        "5A656D427261 00 00 01000000 DC000000 00000000 18000000"
        // section table: settings, ports, (none), screens, trends, events, transfers
        "34000000 6C000000 00000000 70000000 74000000 78000000 D8000000"
        // section 0 at 52: the 56-byte default settings record, no control block
        "01000000 0100 0000 0300 01 00 FF00 0000"
        "CB180000 CB180000 CB180000 CB180000 CB180000 CB180000 CB180000 CB180000"
        "00000000 0100 0000"
        // section 1 at 108: no port in use
        "00000000"
        // section 3 at 112: no screens
        "00000000"
        // section 4 at 116: no trend channels
        "00000000"
        // section 5 at 120: no items, auto popup, no screen to show, digit text at 132
        "00000000 0100 0000 84000000"
        // digit text record at 132 pointing at its character table at 137
        "06 89000000"
        // character table: 15 characters, every slot empty
        "0F");
    expected.insert(expected.end(), 15 * 4, 0);
    expected.insert(expected.end(), 15, 7); // glyph kind bytes of the failed renderings
    expected.insert(expected.end(), 3, 0);  // pad to 216
    const std::vector<uint8_t> tail = Hex("00000000"); // section 6 at 216: no transfers
    expected.insert(expected.end(), tail.begin(), tail.end());
    uint32_t sum = 0;
    for (size_t i = 24; i < expected.size(); ++i) {
        sum += expected[i];
    }
    WriteAt(expected, 16, sum, 4);

    EXPECT_EQ(image.size(), 220u);
    EXPECT_EQ(image, expected);
}
