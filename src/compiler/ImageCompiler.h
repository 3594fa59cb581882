#pragma once
// Compiles a project into the download image: a 24-byte header, a table of
// seven section offsets and the sections, each starting at a multiple of 4,
// then the total length and a checksum over everything after the header.
#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteWriter.h"
#include "elements/CompileContext.h"
#include "elements/TrendChannelTable.h"

namespace balsar {

class CMirloProject;
class FontEngine;
class MessageSink;
class PortProtocols;

// What a compile reads besides the project: where messages go, the panel
// size the screen records carry, the protocol descriptions of the four
// ports (address records; may be null), the fonts of non-built-in glyphs
// (may be null) and where the problems the compile finds are listed (null:
// they go to the sink as warnings).
struct CompileInputs {
    MessageSink& sink;
    int panelWidth = 128;
    int panelHeight = 64;
    const PortProtocols* portProtocols = nullptr;
    FontEngine* fontEngine = nullptr;
    FindingList* findings = nullptr;
};

class ImageCompiler {
public:
    static constexpr size_t kHeaderSize = 24;
    static constexpr size_t kSectionCount = 7;
    static constexpr size_t kSectionTableSize = 4 * kSectionCount;

    enum Section : int {
        SECTION_SETTINGS = 0,
        SECTION_PORTS = 1,
        SECTION_UNUSED = 2,
        SECTION_SCREENS = 3,
        SECTION_TRENDS = 4,
        SECTION_EVENTS = 5,
        SECTION_DATA_TRANSFER = 6,
    };

    // The image is emptied and the compile state starts afresh. Compiling
    // never changes the project.
    ImageCompiler(const CMirloProject& project, Image& image, const CompileInputs& inputs);

    // Fills the image. Never fails: what cannot be compiled as it stands is
    // compiled as its documented fall-back (an undefined address as LW 0, a
    // missing glyph as "?", a position cut to the panel) and reported.
    void Compile();

    // Sum of every byte from offset 24 to the end, modulo 2^32.
    static uint32_t Checksum(const Image& image);

private:
    void WriteSection(int index);
    void WritePortBlock();
    void WriteScreenBlock();

    const CMirloProject& m_project;
    TrendChannelTable m_trendChannels;
    CompileContext m_context;
};

// One call: compile a project into a fresh image.
Image CompileProject(const CMirloProject& project, const CompileInputs& inputs);

// The faces a compile falls back to: the default face of each of the
// project's languages, then the default Chinese and Western faces.
std::vector<std::string> FallbackFaces(const CMirloProject& project, FontEngine* fonts);

// Writes the image to the compile output file, replacing it. False (with
// "Create Compile File Failed!") when the file cannot be written.
bool WriteCompileOutput(const std::string& path, const Image& image, MessageSink& sink);

} // namespace balsar
