// The project check, one family of findings at a time, on projects built
// through the core API: each finding's code and place, and that the image
// compiled beside it is sound (positions inside the panel, every glyph
// slot filled).
#include <gtest/gtest.h>

#include "CheckTestSupport.h"
#include "base/Utf.h"
#include "check/TextFit.h"
#include "compiler/ImageCompiler.h"
#include "elements/CAsciiGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CStaticText.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"

using namespace balsar;
using test::CleanProject;
using test::WithCode;

namespace {

class CheckTest : public ::testing::Test {
protected:
    CheckTest() : session(test::ShippedSession(sink, prompt)), project(CleanProject()) {}

    CheckResult Check() {
        session->Activate(*project);
        return CheckProject(*project, *session, std::filesystem::path(BALSAR_SOURCE_DIR));
    }
    CHMIFrame& Screen(uint16_t number) { return *project->FindScreen(number); }
    template <class Element> Element& Add(std::unique_ptr<Element> element, uint16_t screen = 1) {
        Element& added = *element;
        Screen(screen).AddElement(std::move(element));
        return added;
    }
    std::unique_ptr<CStaticText> Text(const std::string& text, int32_t sizeIndex, int32_t dotMatrix,
                                      const std::string& face, int x, int y) {
        auto label = std::make_unique<CStaticText>();
        label->ChangeDotMatrix(dotMatrix, session->Fonts());
        label->SetFont(face, session->Fonts());
        label->SetSizeIndex(sizeIndex, session->Fonts());
        label->SetText(text, session->Fonts());
        label->SetTopLeft(x, y);
        return label;
    }

    RecordingMessageSink sink;
    RecordingPrompt prompt;
    std::unique_ptr<DesignerSession> session;
    std::unique_ptr<CMirloProject> project;
};

// Compiles one element on a 128 x 64 panel; the findings at its place.
struct ElementCompile {
    ElementCompile(const CGraphElement& element, FontEngine* fonts) : context(image, sink, 128, 64) {
        context.fontEngine = fonts;
        context.findings = &findings;
        context.fallbackFaces = {"宋体", "Microsoft Sans Serif"};
        context.place = FindingPlace::OfElement(1, element.GetKind(), element.GetID());
        element.Compile(context);
    }
    Image image;
    RecordingMessageSink sink;
    FindingList findings;
    CompileContext context;
};

uint32_t Read32(const Image& image, size_t at) {
    return image.at(at) | image.at(at + 1) << 8 | image.at(at + 2) << 16 | static_cast<uint32_t>(image.at(at + 3)) << 24;
}

// The text record of a static text's record: its list (offset at byte 12)
// holds one link to it.
uint32_t StaticTextRecord(const Image& image) { return Read32(image, Read32(image, 12) + 1); }

// Every slot of the character table of a text record points at a whole
// glyph record of the given height.
void ExpectWholeGlyphs(const Image& image, uint32_t textRecord, int height) {
    ASSERT_EQ(image.at(textRecord), 6);
    const uint32_t table = Read32(image, textRecord + 1);
    const int count = image.at(table);
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) {
        const uint32_t glyph = Read32(image, table + 1 + 4 * static_cast<size_t>(i));
        ASSERT_NE(glyph, 0u) << "slot " << i;
        EXPECT_EQ(image.at(glyph), 7) << "slot " << i;
        EXPECT_GT(image.at(glyph + 1), 0) << "slot " << i;
        EXPECT_EQ(image.at(glyph + 2), height) << "slot " << i;
    }
}

} // namespace

TEST_F(CheckTest, ACleanProjectHasNoFindings) {
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = test::Com0(WIDTH_BIT, 3);
    lamp->SetTopLeft(100, 4);
    Add(std::move(lamp));
    Add(Text("温度", 2, 0, "宋体", 0, 0));
    Add(Text("SPEED", 0, 1, "", 0, 20));
    const CheckResult result = Check();
    EXPECT_TRUE(result.findings.empty()) << FindingLine(result.findings.front());
    EXPECT_FALSE(result.image.empty());
}

TEST_F(CheckTest, FacesThatCannotBeUsedFallBackAndAreReported) {
    const CStaticText& unknown = Add(Text("温度", 2, 0, "No Such Face", 0, 0));
    // A Latin face without Chinese characters, and a character nobody has.
    Add(Text("A温", 2, 0, "Microsoft Sans Serif", 0, 20));
    const CStaticText& nobody = Add(Text(Utf32ToUtf8(U"A\uE000"), 2, 0, "宋体", 0, 40));
    const CheckResult result = Check();

    const FindingList fallback = WithCode(result.findings, "font-fallback");
    ASSERT_EQ(fallback.size(), 2u);
    EXPECT_EQ(fallback[0].severity, Severity::Warning);
    EXPECT_EQ(fallback[0].place, FindingPlace::OfElement(1, unknown.GetKind(), unknown.GetID(), "text"));
    EXPECT_NE(fallback[0].message.find("No Such Face"), std::string::npos);
    EXPECT_NE(fallback[1].message.find("温"), std::string::npos);
    const FindingList missing = WithCode(result.findings, "glyph-missing");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].severity, Severity::Error);
    EXPECT_EQ(missing[0].place.elementId, nobody.GetID());

    // The bytes: every character has a whole glyph, 16 pixels high.
    for (const auto* text : {&unknown, &nobody}) {
        ElementCompile compiled(*text, session->Fonts());
        ExpectWholeGlyphs(compiled.image, StaticTextRecord(compiled.image), 16);
    }
}

TEST_F(CheckTest, NonAsciiInTheBuiltInFontIsAnError) {
    // Typed after the mode was chosen: no question was asked.
    CStaticText& text = Add(Text("AB", 0, 1, "", 0, 0));
    text.SetText("A中", session->Fonts());
    const CheckResult result = Check();
    const FindingList found = WithCode(result.findings, "dot-matrix-char");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, Severity::Error);
    EXPECT_EQ(PlaceText(found[0].place), "screen 1 " + text.GetName() + " text");
    // '中' compiles as the built-in '?'.
    ElementCompile compiled(text, nullptr);
    const uint32_t question = CompileChar(compiled.context, U'?', "", 8, 2);
    const Image& image = compiled.image;
    const uint32_t table = Read32(image, StaticTextRecord(image) + 1);
    EXPECT_EQ(image.at(table), 2);
    const uint32_t glyph = Read32(image, table + 5);
    ASSERT_LE(glyph + 11, image.size());
    EXPECT_EQ(Image(image.begin() + glyph, image.begin() + glyph + 11),
              Image(image.begin() + question, image.begin() + question + 11));
}

TEST_F(CheckTest, ElementsPastThePanelAreCutAndReported) {
    // Double size near the right edge, and an ASCII field too wide for it.
    CStaticText& wide = Add(Text("ABCDEFGHIJ", 0, 1, "", 80, 0));
    wide.ChangeDoubleSize(true, 256, 64);
    wide.SetLeft(80);
    auto ascii = std::make_unique<CAsciiGE>();
    ascii->SetCharCount(8);
    ascii->SetTopLeft(120, 30);
    const CAsciiGE& field = Add(std::move(ascii));
    const CheckResult result = Check();
    const FindingList outside = WithCode(result.findings, "outside-panel");
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_EQ(outside[0].place, FindingPlace::OfElement(1, wide.GetKind(), wide.GetID(), "position"));
    EXPECT_EQ(outside[1].place.elementId, field.GetID());
    // No wrapped bytes: left 80, right edge 127.
    ElementCompile compiled(wide, session->Fonts());
    EXPECT_EQ(compiled.image[0], 80);
    EXPECT_EQ(compiled.image[2], 127);
    EXPECT_GE(compiled.image[3], compiled.image[1]);
}

TEST_F(CheckTest, AddressesThePortsCannotServe) {
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address().Reset(WIDTH_BIT, 1, 1); // COM1 is not enabled
    const CLedGE& offPort = Add(std::move(lamp));
    auto other = std::make_unique<CLedGE>();
    other->Address() = test::Com0(WIDTH_BIT, 1);
    other->Address().regType = "ZZ";
    const CLedGE& undefined = Add(std::move(other), 2);
    EventItem event;
    event.address.Reset(WIDTH_BIT, 1, 1);
    event.message = "E";
    project->eventList.items.push_back(event);
    DataTransferItem transfer;
    transfer.timed = 1;
    transfer.sourceAddress = test::Com0(WIDTH_WORD, 1);
    transfer.sourceAddress.regType = "ZZ";
    transfer.destinationAddress.Reset(WIDTH_WORD);
    project->dataTransfers.items.push_back(transfer);

    const CheckResult result = Check();
    const FindingList disabled = WithCode(result.findings, "address-port-disabled");
    ASSERT_EQ(disabled.size(), 2u);
    EXPECT_EQ(disabled[0].place, FindingPlace::OfElement(1, offPort.GetKind(), offPort.GetID(), "address"));
    EXPECT_EQ(PlaceText(disabled[1].place), "events item 1 address");
    const FindingList notDefined = WithCode(result.findings, "address-undefined");
    ASSERT_EQ(notDefined.size(), 2u);
    EXPECT_EQ(notDefined[0].place, FindingPlace::OfElement(2, undefined.GetKind(), undefined.GetID(), "address"));
    EXPECT_EQ(notDefined[1].place.list, "transfers");
    EXPECT_EQ(notDefined[1].place.item, 1);
    EXPECT_EQ(notDefined[1].severity, Severity::Error);
}

TEST_F(CheckTest, ScreenNumbersThatNameNoScreen) {
    project->settings.initialScreen = 7;
    project->settings.passwordScreen = 8;
    project->settings.optionFlags = 0; // the screen saver shows a screen
    project->settings.screenSaverScreen = 9;
    project->eventList.alarmScreen = 12;
    Screen(2).SetUpKeyTarget(5);
    Screen(2).SetDownKeyTarget(0); // 0: the key is off
    auto key = std::make_unique<CFunckeyGE>();
    key->SetFunction(CFunckeyGE::FUNCTION_JUMP);
    key->Jump().targetScreen = 6;
    const CFunckeyGE& jump = Add(std::move(key));
    DataTransferItem transfer;
    transfer.timed = 1;
    transfer.validWindow = 4;
    transfer.sourceAddress.Reset(WIDTH_WORD);
    transfer.destinationAddress.Reset(WIDTH_WORD);
    project->dataTransfers.items.push_back(transfer);

    const CheckResult result = Check();
    std::vector<std::string> places;
    for (const Finding& f : WithCode(result.findings, "screen-missing")) {
        places.push_back(std::string(SeverityName(f.severity)) + " " + PlaceText(f.place));
    }
    const std::vector<std::string> expected = {
        "error settings initial screen",   "error settings password screen",
        "error settings screen-saver screen", "warning events alarm screen",
        "error screen 1 " + jump.GetName() + " jump target", "warning screen 2 up key",
        "error transfers item 1 screen",
    };
    EXPECT_EQ(places, expected);
    // The image carries the alarm screen the panel will use, the list keeps
    // what the user chose.
    EXPECT_EQ(project->eventList.alarmScreen, 12);
}

TEST_F(CheckTest, ModelTransfersAndLongTexts) {
    DataTransferItem never;
    never.sourceAddress.Reset(WIDTH_WORD);
    never.destinationAddress.Reset(WIDTH_WORD);
    project->dataTransfers.items.push_back(never);
    EventItem event;
    event.message = std::string(300, 'A');
    project->eventList.items.push_back(event);
    project->eventList.fontSizeIndex = 0;
    CheckResult result = Check();
    const FindingList trigger = WithCode(result.findings, "transfer-no-trigger");
    ASSERT_EQ(trigger.size(), 1u);
    EXPECT_EQ(PlaceText(trigger[0].place), "transfers item 1 trigger");
    const FindingList tooLong = WithCode(result.findings, "text-too-long");
    ASSERT_EQ(tooLong.size(), 1u);
    EXPECT_EQ(tooLong[0].severity, Severity::Warning);
    EXPECT_EQ(PlaceText(tooLong[0].place), "events item 1 message");
    // Nothing went to the message sink: no pop-up on every download.
    EXPECT_TRUE(sink.Entries().empty());

    project->panelModelId = 99;
    result = Check();
    const FindingList model = WithCode(result.findings, "model-unknown");
    ASSERT_EQ(model.size(), 1u);
    EXPECT_EQ(PlaceText(model[0].place), "project model");
    EXPECT_TRUE(result.HasErrors());
}

TEST_F(CheckTest, AnImageLargerThanThePanelCanTake) {
    // 1200 different Chinese characters at 32 pixels: over 150 000 bytes.
    char32_t next = 0x4E00;
    for (int t = 0; t < 40; ++t) {
        std::u32string chars;
        for (int i = 0; i < 30; ++i) {
            chars.push_back(next++);
        }
        auto text = Text("", 4, 0, "宋体", 0, 0);
        text->SetText(Utf32ToUtf8(chars), session->Fonts());
        Add(std::move(text));
    }
    const CheckResult result = Check();
    const FindingList found = WithCode(result.findings, "image-too-large");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, Severity::Error);
    EXPECT_GT(result.image.size(), 131056u);
}

TEST(TextFit, FitsItsBoxAndNamesWhatTheFaceLacks) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    auto fonts = test::ShippedSession(sink, prompt);
    FontEngine* engine = fonts->Fonts();
    const std::vector<std::string> fallback = {"宋体"};
    // Built-in font: 6 pixels a character at 8.
    TextFit fit = CheckTextFit(engine, "ABCD", "", 0, 1, false, 24, 8, fallback);
    EXPECT_EQ(fit.width, 24);
    EXPECT_TRUE(fit.Clean());
    fit = CheckTextFit(engine, "ABCD", "", 0, 1, true, 24, 16, fallback);
    EXPECT_EQ(fit.width, 48);
    EXPECT_FALSE(fit.fitsWidth);
    EXPECT_TRUE(fit.fitsHeight);
    fit = CheckTextFit(engine, "A中", "", 0, 1, false, -1, -1, fallback);
    EXPECT_EQ(fit.missing, U"中");
    // A Latin face shows Chinese from the fallback; an unknown face is named.
    fit = CheckTextFit(engine, "A中", "Microsoft Sans Serif", 2, 0, false, 200, 16, fallback);
    EXPECT_EQ(fit.fromFallback, U"中");
    EXPECT_TRUE(fit.faceUsable);
    fit = CheckTextFit(engine, "A", "No Such Face", 2, 0, false, 200, 16, fallback);
    EXPECT_FALSE(fit.faceUsable);
    EXPECT_FALSE(fit.Clean());
}
