#include <gtest/gtest.h>

#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/PanelCanvas.h"
#include "base/Utf.h"
#include "ElementsTestSupport.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::SharedFonts;

// Rebuilds on a canvas what the panel draws from a compiled record: the
// element's rectangle from its position bytes, the glyph records of the
// text reached through the text record, side by side from the left.
PanelCanvas PanelFromRecord(const Image& image, size_t record, uint32_t textRecord, const std::string& shown,
                            const std::string& characterSet, bool reverse) {
    PanelCanvas canvas(128, 64);
    const PanelRect rect{image[record], image[record + 1], image[record + 2] + 1, image[record + 3] + 1};
    canvas.Fill(rect, reverse);
    const uint32_t table = ReadAt(image, textRecord + 1, 4);
    int x = rect.left;
    for (size_t i = 0; i < shown.size(); ++i) {
        const size_t index = characterSet.empty() ? i : characterSet.find(shown[i]);
        const uint32_t glyphAt = ReadAt(image, table + 1 + 4 * index, 4);
        Glyph glyph;
        glyph.width = image[glyphAt + 1];
        glyph.height = image[glyphAt + 2];
        glyph.data.assign(image.begin() + glyphAt + 3,
                          image.begin() + glyphAt + 3 + glyph.Stride() * glyph.height);
        canvas.DrawGlyph(glyph, x, rect.top, !reverse, rect);
        x += glyph.width;
    }
    return canvas;
}

void ExpectSamePixels(const PanelCanvas& drawn, const PanelCanvas& panel) {
    const PanelRect all{0, 0, 128, 64};
    EXPECT_EQ(drawn.Dump(all), panel.Dump(all));
}

TEST(PanelCanvas, StaticTextsDrawAsTheirCompiledGlyphs) {
    FontEngine* fonts = &SharedFonts();
    struct Case {
        std::string text;
        int32_t sizeIndex;
        int32_t dotMatrix;
        std::string font;
        int32_t reverse;
    };
    for (const Case& c : {Case{"Hi 12", 0, 0, "", 0}, Case{"ABC", 2, 1, "", 1}, Case{"温度OK", 2, 0, "宋体", 0},
                          Case{"Pump", 4, 0, "DejaVu Sans", 1}}) {
        CStaticText text;
        text.SetFont(c.font, fonts);
        text.ChangeDotMatrix(c.dotMatrix, fonts);
        text.SetSizeIndex(c.sizeIndex, fonts);
        text.SetText(c.text, fonts);
        text.SetLeft(3);
        text.SetTop(5);
        text.SetReverse(c.reverse);

        PanelCanvas drawn(128, 64);
        text.Draw(drawn, fonts);

        CompileFixture f(fonts);
        text.Compile(f.context);
        const uint32_t staticTable = ReadAt(f.image, 12, 4);
        const uint32_t textRecord = ReadAt(f.image, staticTable + 1, 4);
        // Code points one by one: the table holds one slot per character.
        std::string positions;
        for (size_t i = 0; i < CodePointCount(c.text); ++i) {
            positions.push_back('x');
        }
        const PanelCanvas panel = PanelFromRecord(f.image, 0, textRecord, positions, "", c.reverse != 0);
        SCOPED_TRACE(c.text);
        ExpectSamePixels(drawn, panel);
        // Something was drawn.
        EXPECT_NE(drawn.Dump({0, 0, 128, 64}).find(c.reverse ? '.' : '#'), std::string::npos);
    }
}

TEST(PanelCanvas, RegistersDrawAsTheirCompiledGlyphs) {
    FontEngine* fonts = &SharedFonts();
    for (const int32_t size : {0, 2, 3}) {
        CRegisterGE reg;
        reg.SetSizeIndex(size, fonts);
        reg.SetLeft(10);
        reg.SetTop(8);
        PanelCanvas drawn(128, 64);
        reg.Draw(drawn, fonts);
        CompileFixture f(fonts);
        reg.Compile(f.context);
        const uint32_t table = ReadAt(f.image, 24, 4);
        const uint32_t textRecord = ReadAt(f.image, table + 1, 4);
        const PanelCanvas panel = PanelFromRecord(f.image, 0, textRecord, reg.Sample(), "*-.0123456789", false);
        SCOPED_TRACE(size);
        ExpectSamePixels(drawn, panel);
    }
}

TEST(PanelCanvas, GlyphsAreClippedToTheElement) {
    PanelCanvas canvas(16, 16);
    Glyph glyph;
    glyph.Reset(8, 2);
    glyph.data = {0xFF, 0xFF};
    canvas.DrawGlyph(glyph, 0, 0, true, PanelRect{2, 0, 5, 1});
    EXPECT_EQ(canvas.Dump({0, 0, 8, 2}), "..###...\n........\n");
    canvas.Fill({-3, -3, 1, 1}, true);
    EXPECT_TRUE(canvas.Pixel(0, 0));
    EXPECT_FALSE(canvas.Pixel(-1, 0));
}

} // namespace
} // namespace balsar
