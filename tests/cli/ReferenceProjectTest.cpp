// A reference project that holds every element kind, two languages, texts
// rendered from system fonts and from the built-in font, a bitmap, events,
// data transfers and settings. Its project file and its download image are
// committed under tests/data/reference: building it through the core API must
// save to exactly those bytes, and the command-line compile of the committed
// file must give exactly the committed image. Any change of a single byte in
// what we store or what the panel receives shows up here.
//
// After a deliberate change of a stored or compiled layout, regenerate both
// files with BALSAR_UPDATE_REFERENCE=1 and review the difference.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Prompt.h"
#include "cli/BalsarCli.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendGE.h"
#include "elements/FreeTypeFontEngine.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

using namespace balsar;

namespace {

const std::filesystem::path kReferenceFolder = std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference";

CAddr PlcAddress(int32_t port, int32_t width, const char* regType, int32_t address, int32_t bit = 0) {
    CAddr addr(width);
    addr.Reset(width, port, 1);
    addr.regType = regType;
    addr.address = address;
    addr.sub = bit;
    return addr;
}

CAddr PanelAddress(int32_t width, const char* regType, int32_t address) {
    CAddr addr(width);
    addr.Reset(width);
    addr.regType = regType;
    addr.address = address;
    return addr;
}

std::unique_ptr<CStaticText> Text(const std::string& text, int x, int y, int32_t sizeIndex, bool dotMatrix,
                                  int32_t language, FontEngine& fonts) {
    auto label = std::make_unique<CStaticText>();
    label->ChangeDotMatrix(dotMatrix ? 1 : 0, &fonts);
    label->SetLanguage(language, &fonts);
    label->SetSizeIndex(sizeIndex, &fonts);
    label->SetText(text, &fonts);
    label->SetTopLeft(x, y);
    return label;
}

std::unique_ptr<CFunckeyGE> Key(int32_t code, int x, int y) {
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(code);
    key->SetTopLeft(x, y);
    key->RecalcSize();
    return key;
}

void FillTexts(CHMIFrame& screen, FontEngine& fonts) {
    screen.AddElement(Text("REFERENCE", 0, 0, 1, true, 0, fonts));
    screen.AddElement(Text("温度控制", 0, 14, 2, false, 0, fonts));
    screen.AddElement(Text("Speed", 70, 14, 2, false, 1, fonts));
    auto big = Text("AB", 0, 32, 0, true, 0, fonts);
    RecordingMessageSink sink;
    EXPECT_TRUE(big->TurnDoubleSizeOn(128, 64, sink));
    big->SetReverse(1);
    screen.AddElement(std::move(big));

    auto state = std::make_unique<CDynamicText>();
    state->SetSizeIndex(2, &fonts);
    state->Row(1)->SetValue("0");
    state->Row(1)->SetText("停止");
    state->Row(2)->SetValue("1");
    state->Row(2)->SetText("运行");
    state->Row(3)->SetBase(BASE_HEX);
    state->Row(3)->SetValue("1F");
    state->Row(3)->SetText("故障");
    state->Address() = PlcAddress(0, WIDTH_WORD, "4X", 7);
    state->BuildStateMap();
    state->SetAlignment(CDynamicText::ALIGN_CENTRE, &fonts);
    state->SetTopLeft(40, 32);
    state->RecalcSize(&fonts);
    screen.AddElement(std::move(state));

    auto flag = std::make_unique<CDynamicText>();
    flag->ChangeDotMatrix(1, &fonts);
    flag->SetSizeIndex(0, &fonts);
    flag->Row(1)->SetValue("0");
    flag->Row(1)->SetText("OFF");
    flag->Row(2)->SetValue("1");
    flag->Row(2)->SetText("ON");
    flag->Address() = PlcAddress(0, WIDTH_BIT, "0X", 3);
    flag->BuildStateMap();
    flag->SetTopLeft(100, 50);
    flag->RecalcSize(&fonts);
    screen.AddElement(std::move(flag));
}

void FillValues(CHMIFrame& screen) {
    auto speed = std::make_unique<CRegisterGE>();
    RegisterFormat format = speed->GetFormat();
    format.integerDigits = 4;
    format.decimalDigits = 1;
    format.inputAllowed = 1;
    format.inputLimits = 1;
    format.scaling = 1;
    speed->SetSizeIndex(1, nullptr);
    speed->SetFormat(format, nullptr);
    speed->inputUpper = 1500;
    speed->inputLower = 10;
    speed->scaleUpper = 3000;
    speed->scaleLower = 0;
    speed->passwordLevel = 2;
    speed->Address() = PlcAddress(0, WIDTH_WORD, "4X", 100);
    speed->SetTopLeft(0, 0);
    speed->RecalcSize(nullptr);
    screen.AddElement(std::move(speed));

    auto local = std::make_unique<CRegisterGE>();
    RegisterFormat wide = local->GetFormat();
    ChangeDataWidth(wide, REG_TWO_WORDS);
    wide.integerDigits = 8;
    wide.leadingZeros = 1;
    local->SetSizeIndex(0, nullptr);
    local->SetFormat(wide, nullptr);
    local->Address() = PanelAddress(WIDTH_DWORD, "RW", 20);
    local->SetTopLeft(0, 16);
    local->RecalcSize(nullptr);
    screen.AddElement(std::move(local));

    auto batch = std::make_unique<CAsciiGE>();
    batch->Address() = PlcAddress(1, WIDTH_WORD, "4X", 200);
    batch->SetSizeIndex(0);
    batch->SetCharCount(10);
    batch->SetTopLeft(0, 28);
    screen.AddElement(std::move(batch));

    auto bar = std::make_unique<CBarGE>();
    bar->Address() = PlcAddress(0, WIDTH_WORD, "4X", 100);
    bar->Scale().fullScale = 1500.0;
    bar->Scale().zeroScale = 10.0;
    bar->ChangeDirection(CBarGE::DIR_UP);
    bar->SetTopLeft(110, 0);
    bar->SetWidth(12);
    bar->SetHeight(40);
    screen.AddElement(std::move(bar));

    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = PlcAddress(0, WIDTH_BIT, "0X", 1);
    lamp->flash = 1;
    lamp->period = 3;
    lamp->negativeLogic = 1;
    lamp->SetTopLeft(90, 44);
    screen.AddElement(std::move(lamp));
}

void FillKeys(CHMIFrame& screen) {
    auto jump = Key(1, 0, 0);
    jump->SetFunction(CFunckeyGE::FUNCTION_JUMP);
    jump->Jump().kind = CJumpFrame::JUMP_TO_SCREEN;
    jump->Jump().targetScreen = 1;
    screen.AddElement(std::move(jump));

    auto bit = Key(2, 30, 0);
    bit->SetFunction(CFunckeyGE::FUNCTION_BIT);
    bit->Bit().mode = CBitSet::BIT_INVERT;
    bit->Address() = PlcAddress(0, WIDTH_BIT, "0X", 5);
    bit->SetPasswordLevel(1);
    screen.AddElement(std::move(bit));

    auto word = Key(3, 60, 0);
    word->SetFunction(CFunckeyGE::FUNCTION_WORD);
    word->Word().mode = CWordSet::WORD_ADD;
    word->Word().value = 5;
    word->Word().limit = 100;
    word->Address() = PlcAddress(0, WIDTH_WORD, "4X", 120);
    screen.AddElement(std::move(word));

    auto hidden = Key(4, 90, 0);
    hidden->SetFunction(CFunckeyGE::FUNCTION_JUMP);
    hidden->Jump().kind = CJumpFrame::JUMP_PASSWORD;
    hidden->SetHidden(1);
    screen.AddElement(std::move(hidden));
}

void FillGraphs(CHMIFrame& screen, CSingleColorBitmapLib& bitmaps) {
    for (int i = 0; i < 2; ++i) {
        auto trend = std::make_unique<CTrendGE>();
        trend->Address() = PlcAddress(0, WIDTH_WORD, "4X", 101);
        trend->Scale().fullScale = 1000.0;
        trend->pointCount = 30;
        trend->sampling = 5;
        trend->SetTopLeft(i * 48, 0);
        trend->SetWidth(46);
        trend->SetHeight(32);
        screen.AddElement(std::move(trend));
    }
    // A picture keeps the path of the file it came from; the file is taken
    // from one fixed folder so that path is the same on every machine and
    // in every build tree.
    const std::filesystem::path folder = std::filesystem::path("/tmp/balsar-reference");
    std::filesystem::create_directories(folder);
    const std::filesystem::path art = folder / "LED1_0_24.dat";
    std::filesystem::copy_file(LibraryFolder() / "component" / "led" / "LED1_0_24.dat", art,
                               std::filesystem::copy_options::overwrite_existing);
    PicturePlacement placed = PlacePictureFromFile(art.string(), bitmaps, 128, 64);
    ASSERT_TRUE(placed.picture) << placed.message;
    placed.picture->SetTopLeft(100, 34);
    screen.AddElement(std::move(placed.picture));

    auto events = std::make_unique<CEventListGE>();
    events->CoverScreen(128, 64);
    events->SetTopLeft(0, 36);
    events->SetHeight(26);
    events->SetWidth(96);
    events->showDate = 1;
    events->fourDigitYear = 1;
    screen.AddElement(std::move(events));
}

std::unique_ptr<CMirloProject> BuildReferenceProject(FontEngine& fonts) {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 1;
    project->languages.Clear();
    project->languages.Add(0x0804, "宋体");
    project->languages.Add(0x0409, "Microsoft Sans Serif");

    CPortCom& com0 = *project->GetPort(0);
    com0.enabled = 1;
    com0.protocolId = 1;
    com0.hasStation = 1;
    com0.station = 1;
    CPortCom& com1 = *project->GetPort(1);
    com1.enabled = 1;
    com1.protocolId = 1;
    com1.hasStation = 1;
    com1.station = 7;
    com1.baud = 4;

    const uint16_t numbers[] = {1, 2, 3, 5};
    for (const uint16_t number : numbers) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(number);
        screen->SetDescription("画面" + std::to_string(number));
        screen->SetUpKeyTarget(1);
        // Down leads to the next screen of the list, from the last to the first.
        screen->SetDownKeyTarget(number == 5 ? 1 : number == 3 ? 5 : static_cast<uint16_t>(number + 1));
        switch (number) {
        case 1:
            FillTexts(*screen, fonts);
            break;
        case 2:
            FillValues(*screen);
            break;
        case 3:
            FillKeys(*screen);
            break;
        default:
            FillGraphs(*screen, project->bitmapLibrary);
            break;
        }
        project->AddScreen(std::move(screen));
    }

    project->settings.initialScreen = 1;
    project->settings.passwordScreen = 3;
    project->settings.screenSaverScreen = 5;
    project->settings.screenSaverDelay = 5;
    project->settings.passwords = {111, 222, 333, 0, 0, 0, 0, 999999};
    project->settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen;
    project->settings.controlAddress = PlcAddress(0, WIDTH_WORD, "4X", 300);

    EventItem bitAlarm;
    bitAlarm.flags = EventItem::kTriggerOnSet | EventItem::kBuzzer;
    bitAlarm.buzzerSeconds = 3;
    bitAlarm.message = "温度过高";
    bitAlarm.address = PlcAddress(0, WIDTH_BIT, "0X", 12);
    project->eventList.items.push_back(bitAlarm);
    EventItem wordAlarm;
    wordAlarm.flags = EventItem::kWordAddress;
    wordAlarm.SetComparison(2);
    wordAlarm.value = 50;
    wordAlarm.upperLimit = 90;
    wordAlarm.lowerLimit = 10;
    wordAlarm.message = "LEVEL LOW";
    wordAlarm.address = PlcAddress(0, WIDTH_WORD, "4X", 130);
    project->eventList.items.push_back(wordAlarm);
    project->eventList.alarmScreen = 5;

    DataTransferItem timed;
    timed.timed = 1;
    timed.period = 20;
    timed.executions = 0;
    timed.count = 4;
    timed.sourceAddress = PlcAddress(0, WIDTH_WORD, "4X", 20);
    timed.destinationAddress = PanelAddress(WIDTH_WORD, "RW", 100);
    project->dataTransfers.items.push_back(timed);
    DataTransferItem triggered;
    triggered.triggerType = 1;
    triggered.triggerAddress = PlcAddress(0, WIDTH_BIT, "0X", 9);
    triggered.validWindow = 2;
    triggered.count = 2;
    triggered.sourceAddress = PanelAddress(WIDTH_WORD, "LW", 40);
    triggered.destinationAddress = PlcAddress(1, WIDTH_WORD, "4X", 60);
    project->dataTransfers.items.push_back(triggered);
    return project;
}

bool Updating() { return std::getenv("BALSAR_UPDATE_REFERENCE") != nullptr; }

// Index of the first differing byte, for a readable failure.
std::string FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    std::ostringstream text;
    text << "sizes " << a.size() << " and " << b.size() << ", first difference at byte " << i;
    return text.str();
}

int Cli(const std::vector<std::string>& args, std::string& err) {
    std::ostringstream out;
    std::ostringstream errors;
    const int status = RunBalsarCli(args, out, errors);
    err = errors.str();
    return status;
}

} // namespace

TEST(ReferenceProject, BuildingItSavesTheCommittedProjectFile) {
    test::TempFolder folder;
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession context(sink, prompt);
    FreeTypeFontEngine fonts;
    CMirloDoc doc(context, CoreClassRegistry());
    doc.SetProject(BuildReferenceProject(fonts));
    const std::filesystem::path saved = folder.Path() / "every-kind.ZPJ";
    ASSERT_TRUE(doc.SaveToFile(saved.string(), false));
    const std::filesystem::path reference = kReferenceFolder / "every-kind.ZPJ";
    if (Updating()) {
        std::filesystem::create_directories(kReferenceFolder);
        std::filesystem::copy_file(saved, reference, std::filesystem::copy_options::overwrite_existing);
        GTEST_SKIP() << "reference project file rewritten: " << reference;
    }
    const std::vector<uint8_t> expected = test::FileBytes(reference);
    const std::vector<uint8_t> actual = test::FileBytes(saved);
    EXPECT_TRUE(actual == expected) << FirstDifference(actual, expected);
}

TEST(ReferenceProject, CompilingAndSavingTheCommittedFileKeepsEveryByte) {
    test::TempFolder folder;
    const std::filesystem::path project = folder.Path() / "every-kind.ZPJ";
    std::filesystem::copy_file(kReferenceFolder / "every-kind.ZPJ", project);
    std::string err;
    ASSERT_EQ(Cli({"compile", project.string()}, err), 0) << err;
    const std::filesystem::path image = folder.Path() / "every-kind.bin~";
    const std::filesystem::path reference = kReferenceFolder / "every-kind.bin";
    if (Updating()) {
        std::filesystem::copy_file(image, reference, std::filesystem::copy_options::overwrite_existing);
        GTEST_SKIP() << "reference image rewritten: " << reference;
    }
    const std::vector<uint8_t> expectedImage = test::FileBytes(reference);
    const std::vector<uint8_t> actualImage = test::FileBytes(image);
    EXPECT_TRUE(actualImage == expectedImage) << FirstDifference(actualImage, expectedImage);

    // Compiling leaves the project as it was: saving it again gives the
    // committed file.
    const std::filesystem::path resaved = folder.Path() / "resaved.ZPJ";
    ASSERT_EQ(Cli({"save", project.string(), "--as", resaved.string()}, err), 0) << err;
    const std::vector<uint8_t> expectedFile = test::FileBytes(kReferenceFolder / "every-kind.ZPJ");
    const std::vector<uint8_t> actualFile = test::FileBytes(resaved);
    EXPECT_TRUE(actualFile == expectedFile) << FirstDifference(actualFile, expectedFile);
}
