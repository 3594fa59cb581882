#pragma once
// The image-wide state of one compile: the output image, the dictionaries
// that make each glyph, text and bitmap appear once (kept through
// ImageRecords), the link counter, the panel size the screen records carry
// and where messages go.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/ByteWriter.h"
#include "elements/CompileFinding.h"

namespace balsar {

class MessageSink;
class PortProtocols;
class FontEngine;
class CSingleColorBitmapLib;
class TrendChannelTable;

struct CompileContext {
    CompileContext(Image& out, MessageSink& messages, int width, int height)
        : image(out), sink(messages), panelWidth(width), panelHeight(height) {}

    Image& image;
    MessageSink& sink;
    int panelWidth;
    int panelHeight;
    // Glyph, bitmap and text records already written, by key.
    std::unordered_map<std::string, uint32_t> glyphDictionary;
    // Character tables and static-text records already written, by key.
    std::unordered_map<std::string, uint32_t> textTableDictionary;
    uint32_t linkCounter = 0;
    // Protocol descriptions of the four ports (address compile); may be null.
    const PortProtocols* portProtocols = nullptr;
    // Operating-system fonts for non-built-in glyphs; may be null.
    FontEngine* fontEngine = nullptr;
    // The bitmap library pictures take their bitmaps from; may be null.
    const CSingleColorBitmapLib* bitmapLibrary = nullptr;
    // Trend channels of the project, built before the screens are compiled
    // so that trend records can name their channel; null counts as none.
    const TrendChannelTable* trendChannels = nullptr;
    // Faces a text's glyphs come from when its own face cannot be used or
    // lacks a character, in order (the default faces of the project's
    // languages).
    std::vector<std::string> fallbackFaces;
    // Where the compile reports what it found; null: warnings go to the sink.
    FindingList* findings = nullptr;
    // What is being compiled (the screen element, the list item), for the
    // places of findings.
    FindingPlace place;
};

} // namespace balsar
