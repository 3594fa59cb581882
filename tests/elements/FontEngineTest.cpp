#include <gtest/gtest.h>

#include <functional>

#include "ElementsTestSupport.h"
#include "elements/FontEngine.h"
#include "elements/GlyphSource.h"
#include "elements/ImageRecords.h"

namespace balsar {
namespace {

using test::CompileFixture;
using test::SharedFonts;

// An engine whose cell height is a given function of the point size.
class CurveEngine : public FontEngine {
public:
    explicit CurveEngine(std::function<std::optional<int>(int)> curve) : m_curve(std::move(curve)) {}
    int Advance(const FittedFont&, char32_t) override { return 5; }
    bool RenderGlyph(const FittedFont&, char32_t, Glyph&) override { return false; }
    std::vector<std::string> FontFamilies(int) override { return {}; }
    std::vector<std::string> FullNames(const std::string&) override { return {}; }
    int calls = 0;

protected:
    std::optional<int> CellHeight(const std::string&, int pointTenths) override {
        ++calls;
        return m_curve(pointTenths);
    }

private:
    std::function<std::optional<int>(int)> m_curve;
};

TEST(FontFitting, StepsDownUntilNotTaller) {
    // h = p * 0.15 (rounded down): 16 px first reached going down at p = 113.
    CurveEngine engine([](int p) { return p * 15 / 100; });
    const auto fitted = engine.Fit("Face", 16);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->pointTenths, 113);
    EXPECT_EQ(fitted->cellHeight, 16);
}

TEST(FontFitting, StepsUpAndBacksOffAnOvershoot) {
    // Heights jump from 14 straight to 17 at p = 200: the search steps back.
    CurveEngine engine([](int p) { return p < 200 ? 14 : 17; });
    const auto fitted = engine.Fit("Face", 16);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->pointTenths, 199);
    EXPECT_EQ(fitted->cellHeight, 14);
}

TEST(FontFitting, ExactStartAndCache) {
    CurveEngine engine([](int p) { return p / 10; });
    const auto first = engine.Fit("Face", 12);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->pointTenths, 120);
    const int calls = engine.calls;
    const auto again = engine.Fit("Face", 12);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pointTenths, 120);
    EXPECT_EQ(engine.calls, calls + 1); // the cached size is only re-measured
}

TEST(FontFitting, FailsAtPointSizeZeroOrWithoutFace) {
    CurveEngine tall([](int) { return 40; });
    EXPECT_FALSE(tall.Fit("Face", 16));
    CurveEngine missing([](int) { return std::nullopt; });
    EXPECT_FALSE(missing.Fit("Face", 16));
}

TEST(FreeTypeFonts, FittedCellHeightAndGlyphsAreExactlyThePixelSize) {
    FreeTypeFontEngine& fonts = SharedFonts();
    for (const char* face : {"DejaVu Sans", "WenQuanYi Zen Hei", "宋体", "Microsoft Sans Serif", "MS Sans Serif"}) {
        for (const int size : {12, 16, 24, 32}) {
            const auto fitted = fonts.Fit(face, size);
            ASSERT_TRUE(fitted) << face << " " << size;
            EXPECT_EQ(fitted->cellHeight, size) << face;
            for (const char32_t ch : {U'A', U'g', U'中', U' '}) {
                Glyph glyph;
                ASSERT_TRUE(fonts.RenderGlyph(*fitted, ch, glyph)) << face;
                EXPECT_EQ(glyph.height, size) << face;
                EXPECT_EQ(glyph.width, fonts.Advance(*fitted, ch));
                EXPECT_EQ(glyph.data.size(), static_cast<size_t>(glyph.Stride() * size));
                // Bits beyond the width stay clear.
                for (int y = 0; y < size && glyph.width % 8 != 0; ++y) {
                    EXPECT_EQ(glyph.data[static_cast<size_t>(y * glyph.Stride() + glyph.Stride() - 1)] >>
                                  (glyph.width % 8),
                              0);
                }
            }
        }
    }
}

TEST(FreeTypeFonts, GlyphsAreDrawnNotBlank) {
    FreeTypeFontEngine& fonts = SharedFonts();
    const auto glyph = MakeGlyph(&fonts, U'中', "宋体", 16, 1);
    ASSERT_TRUE(glyph);
    int lit = 0;
    for (int y = 0; y < glyph->height; ++y) {
        for (int x = 0; x < glyph->width; ++x) {
            lit += glyph->Pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 16);
    EXPECT_LT(lit, glyph->width * glyph->height);
    // The vertical stroke of 中 crosses every row of its box: some column
    // near the middle is lit from top to bottom of the character.
    bool stroke = false;
    for (int x = glyph->width / 2 - 2; x <= glyph->width / 2 + 1; ++x) {
        int run = 0;
        for (int y = 0; y < glyph->height; ++y) {
            run += glyph->Pixel(x, y) ? 1 : 0;
        }
        stroke = stroke || run >= glyph->height * 3 / 4;
    }
    EXPECT_TRUE(stroke);
}

TEST(FreeTypeFonts, AliasedFaceNamesResolveToInstalledFonts) {
    FreeTypeFontEngine& fonts = SharedFonts();
    EXPECT_NE(fonts.FontFile("宋体").string().find("wqy"), std::string::npos);
    EXPECT_TRUE(fonts.Covers("宋体", U'中'));
    EXPECT_TRUE(fonts.Covers("宋体", U'文'));
    EXPECT_NE(fonts.FontFile("Microsoft Sans Serif").string().find("DejaVuSans"), std::string::npos);
    EXPECT_NE(fonts.FontFile("MS Sans Serif").string().find("DejaVuSans"), std::string::npos);
    const auto gb = fonts.FontFamilies(134);
    EXPECT_NE(std::find(gb.begin(), gb.end(), "宋体"), gb.end());
    EXPECT_NE(std::find(gb.begin(), gb.end(), "WenQuanYi Zen Hei"), gb.end());
    EXPECT_EQ(std::find(gb.begin(), gb.end(), "DejaVu Sans"), gb.end());
}

TEST(FreeTypeFonts, MissingFaceFallsBackAndIsReported) {
    FreeTypeFontEngine& fonts = SharedFonts();
    EXPECT_TRUE(fonts.FontFile("No Such Face 123").empty());
    EXPECT_FALSE(fonts.Fit("No Such Face 123", 16));
    EXPECT_TRUE(fonts.FullNames("No Such Face 123").empty());

    CompileFixture f(&fonts);
    FindingList findings;
    f.context.findings = &findings;
    f.context.fallbackFaces = {"宋体"};
    f.image.assign(4, 0);
    // The glyph comes whole from the fallback face: the same record as the
    // fallback face's own.
    EXPECT_EQ(CompileChar(f.context, U'中', "No Such Face 123", 16, 1), 4u);
    const uint32_t own = CompileChar(f.context, U'中', "宋体", 16, 1);
    EXPECT_EQ(test::Slice(f.image, 4, own - 4), test::Slice(f.image, own, own - 4));
    EXPECT_GT(f.image[5], 0); // a drawn glyph 16 pixels high
    EXPECT_EQ(f.image[6], 16);
    // A text in that face: no empty slot, and the fall-back is reported.
    const uint32_t text = CompileText(f.context, "中", "No Such Face 123", 16, 1);
    const uint32_t table = ReadAt(f.image, text + 1, 4);
    EXPECT_EQ(f.image[table], 1);
    EXPECT_EQ(ReadAt(f.image, table + 1, 4), 4u);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].code, "font-fallback");
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_NE(findings[0].message.find("No Such Face 123"), std::string::npos);
    EXPECT_TRUE(f.sink.Entries().empty());
}

TEST(FreeTypeFonts, FontGlyphRecordsAreKeyedByFaceAndSize) {
    FreeTypeFontEngine& fonts = SharedFonts();
    CompileFixture f(&fonts);
    f.image.assign(4, 0);
    const uint32_t a = CompileChar(f.context, U'中', "宋体", 16, 1);
    ASSERT_EQ(a, 4u);
    EXPECT_EQ(f.context.glyphDictionary.at("FONT_CHAR_中_宋体_16"), 4u);
    EXPECT_EQ(f.image[4], 7);
    const Glyph expected = *MakeGlyph(&fonts, U'中', "宋体", 16, 1);
    EXPECT_EQ(f.image[5], expected.width);
    EXPECT_EQ(f.image[6], 16);
    EXPECT_EQ(test::Slice(f.image, 7, expected.data.size()), expected.data);
    EXPECT_EQ(CompileChar(f.context, U'中', "宋体", 16, 1), a);
    EXPECT_NE(CompileChar(f.context, U'中', "宋体", 24, 1), a);
}

} // namespace
} // namespace balsar
