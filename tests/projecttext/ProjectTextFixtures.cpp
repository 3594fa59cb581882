#include "projecttext/ProjectTextFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/ProgramPaths.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendBufferGE.h"
#include "elements/CTrendGE.h"
#include "plc/PLCAddrType.h"
#include "project/CoreClasses.h"

namespace balsar::test {

namespace {

CAddr PlcAddress(int32_t port, int32_t width, const char* regType, int32_t address) {
    CAddr addr(width);
    addr.Reset(width, port, 1);
    addr.regType = regType;
    addr.address = address;
    return addr;
}

// An address record as version 1 wrote it: no index fields.
void WriteAddressV1(Archive& ar, CAddr address) {
    ar.Write<int32_t>(1);
    ar.Value(address.width);
    ar.Value(address.port);
    ar.Value(address.station);
    ar.String(address.regType);
    ar.String(address.text);
    ar.Value(address.address);
    ar.Value(address.hasSub);
    ar.Value(address.sub);
    ar.Value(address.encoding);
    ar.Value(address.wordCount);
}

// Each writes its kind's record as an older version did; the class tag is
// the kind's own, so a reader meets exactly what an older file held.
class StaticTextV1 : public CStaticText {
public:
    const ClassInfo& GetRuntimeClass() const override { return CStaticText::StaticClass(); }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Write<int32_t>(1);
        std::string text = GetText();
        std::string font = GetFont();
        ar.String(text);
        ar.Write(GetSizeIndex());
        ar.Write(GetLanguage());
        ar.String(font);
    }
};

class DynamicTextOld : public CDynamicText {
public:
    explicit DynamicTextOld(int32_t version) : m_version(version) {}
    const ClassInfo& GetRuntimeClass() const override { return CDynamicText::StaticClass(); }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Write(m_version);
        std::string font = GetFont();
        ar.Write(GetSizeIndex());
        ar.Write(GetLanguage());
        ar.String(font);
        if (m_version >= 2) {
            ar.Write(GetAlignment());
        }
        for (const int row : RowArchiveOrder()) {
            Row(row)->Serialize(ar);
        }
        WriteAddressV1(ar, Address());
    }

private:
    int32_t m_version;
};

class RegisterOld : public CRegisterGE {
public:
    explicit RegisterOld(int32_t version) : m_version(version) {}
    const ClassInfo& GetRuntimeClass() const override { return CRegisterGE::StaticClass(); }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Write(m_version);
        RegisterFormat format = GetFormat();
        ar.Value(format.dataType);
        ar.Value(format.integerDigits);
        ar.Value(format.decimalDigits);
        ar.Value(format.dataWidth);
        ar.Value(format.leadingZeros);
        ar.Write(GetSizeIndex());
        ar.Value(format.inputAllowed);
        ar.Value(passwordLevel);
        ar.Value(format.inputLimits);
        ar.Value(inputUpper);
        ar.Value(inputLower);
        ar.Value(format.scaling);
        ar.Value(scaleUpper);
        ar.Value(scaleLower);
        if (m_version >= 2) {
            ar.Value(alignment);
        }
        WriteAddressV1(ar, Address());
    }

private:
    int32_t m_version;
};

class FunckeyV1 : public CFunckeyGE {
public:
    const ClassInfo& GetRuntimeClass() const override { return CFunckeyGE::StaticClass(); }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Write<int32_t>(1);
        for (int32_t field : {extraD, extraC, GetKeyCode(), GetFunction(), GetSizeIndex(), GetPasswordLevel(),
                              GetHand(), GetHidden()}) {
            ar.Write(field);
        }
        WriteAddressV1(ar, Address());
        Jump().Serialize(ar);
        Bit().Serialize(ar);
        Word().Serialize(ar);
    }
};

// A version-1 picture has no bitmap ID: reading it loads its source file.
class PictureV1 : public CPictureGE {
public:
    const ClassInfo& GetRuntimeClass() const override { return CPictureGE::StaticClass(); }
    void Serialize(Archive& ar) override {
        CGraphElement::Serialize(ar);
        ar.Write<int32_t>(1);
        for (int32_t field : {compress, threshold, thresholdMaximum, thresholdMinimum, leftFill}) {
            ar.Write(field);
        }
        std::string file = FileName();
        std::string path = SourcePath();
        ar.String(file);
        ar.String(path);
        ar.Write(static_cast<uint32_t>(sourcePixels.size() * 4));
        for (uint32_t colour : sourcePixels) {
            ar.Write(colour);
        }
    }
};

template <class Element> Element& Add(CHMIFrame& screen, std::unique_ptr<Element> element) {
    Element& placed = *element;
    screen.AddElement(std::move(element));
    return placed;
}

std::unique_ptr<CHMIFrame> Screen(uint16_t number, const std::string& description) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    screen->SetDescription(description);
    screen->SetUpKeyTarget(1);
    screen->SetDownKeyTarget(static_cast<uint16_t>(number + 1));
    return screen;
}

std::vector<uint8_t> Store(CMirloProject& project) { return SavedBytes(project); }

// The type a trend buffer of the older XML form points at.
const PLCAddrType& LegacyRegisterType() {
    static const PLCAddrType type = [] {
        PLCAddrType t;
        t.kind = 1;
        t.typeName = "D";
        return t;
    }();
    return type;
}

void FillLampsAndKeys(CHMIFrame& screen) {
    auto lamp = std::make_unique<CLedGE>();
    lamp->shape = CLedGE::SHAPE_SQUARE;
    lamp->SetSizeIndex(1);
    lamp->flash = 1;
    lamp->flashState = 1;
    lamp->period = 7;
    lamp->Address() = PlcAddress(0, WIDTH_BIT, "0X", 17);
    lamp->Address().text = "motor ✓";
    Add(screen, std::move(lamp)).SetTopLeft(-3, 200);

    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(20);
    key->SetFunction(CFunckeyGE::FUNCTION_WORD);
    key->SetHand(1);
    key->SetKeepLevel(1);
    key->extraC = -1;
    key->extraD = std::numeric_limits<int32_t>::max();
    key->Word().mode = CWordSet::WORD_INCREMENT_CYCLING;
    key->Word().value = -5;
    key->Word().limit = 70000;
    key->Word().delay = 15;
    key->Word().speed = 3;
    key->Word().immediate = 1;
    key->Jump().targetScreen = 65535;
    key->Bit().mode = CBitSet::BIT_OFF_LEAVING;
    key->Address() = PlcAddress(2, WIDTH_DWORD, "4X.D", 40);
    key->Address().hasIndex = 1;
    key->Address().index = 3;
    CFunckeyGE& placed = Add(screen, std::move(key));
    placed.SetOrder(4);
    placed.SetID(9);
}

void FillTexts(CHMIFrame& screen) {
    auto text = std::make_unique<CStaticText>();
    text->SetText("温度 \"quoted\" \\ 😀\n", nullptr);
    text->SetFont("宋体", nullptr);
    text->SetLanguage(1, nullptr);
    text->ChangeDotMatrix(1, nullptr);
    CStaticText& placed = Add(screen, std::move(text));
    placed.SetWidth(77);
    placed.SetHeight(16);
    placed.SetDoubleSizeFlag(1);
    placed.SetReverse(1);
    placed.SetName("custom name");

    auto state = std::make_unique<CDynamicText>();
    state->Row(1)->SetValue("0");
    state->Row(1)->SetText("停");
    state->Row(17)->SetBase(BASE_HEX);
    state->Row(17)->SetValue("FF");
    state->Row(17)->SetText("");
    state->Row(256)->SetValue("-1");
    state->Row(256)->SetText("last");
    state->Row(40)->SetBase(BASE_OCT);
    state->SetAlignment(CDynamicText::ALIGN_RIGHT, nullptr);
    state->Address() = PlcAddress(1, WIDTH_WORD, "4X", 3);
    Add(screen, std::move(state)).SetWidth(40);
}

void FillValues(CHMIFrame& screen) {
    auto reg = std::make_unique<CRegisterGE>();
    RegisterFormat format = reg->GetFormat();
    format.dataType = REG_FLOAT;
    format.dataWidth = REG_TWO_WORDS;
    format.integerDigits = 255;
    format.decimalDigits = 3;
    format.inputAllowed = 1;
    format.inputLimits = 1;
    format.scaling = 1;
    reg->SetFormat(format, nullptr);
    reg->passwordLevel = 255;
    reg->inputUpper = std::numeric_limits<double>::quiet_NaN();
    reg->inputLower = -std::numeric_limits<double>::infinity();
    reg->scaleUpper = 0.1;
    reg->scaleLower = -0.0;
    reg->alignment = CRegisterGE::ALIGN_LEFT;
    reg->keepLevel = 1;
    reg->Address() = PlcAddress(0, WIDTH_DWORD, "4X.D", 100);
    reg->Address().encoding = ENCODING_BCD;
    reg->Address().wordCount = 2;
    Add(screen, std::move(reg));

    auto ascii = std::make_unique<CAsciiGE>();
    ascii->SetCharCount(12);
    ascii->SetSizeIndex(0);
    ascii->Address() = PlcAddress(-1, WIDTH_WORD, "RW", 500);
    ascii->Address().wordCount = 6;
    Add(screen, std::move(ascii));

    auto bar = std::make_unique<CBarGE>();
    bar->Scale().dataType = SCALE_DOUBLE;
    bar->Scale().dataWidth = SCALE_FOUR_WORDS;
    bar->Scale().fullScale = 1e300;
    bar->Scale().zeroScale = -2.5e-300;
    bar->ChangeDirection(CBarGE::DIR_LEFT);
    Add(screen, std::move(bar)).SetWidth(30);

    auto trend = std::make_unique<CTrendGE>();
    trend->pointCount = 99;
    trend->sampling = 1;
    trend->Scale().fullScale = 123.456;
    Add(screen, std::move(trend));

    auto buffer = std::make_unique<CTrendBufferGE>();
    buffer->reserved = 3;
    buffer->bufferId = 200;
    buffer->plotCount = 60;
    buffer->dataMode = CTrendBufferGE::MODE_DEC_SIGN;
    buffer->samplingTime = 5;
    buffer->lowerLimit = std::numeric_limits<int64_t>::min();
    buffer->upperLimit = std::numeric_limits<int64_t>::max();
    buffer->Address().type = &LegacyRegisterType();
    buffer->Address().kind = 1;
    buffer->Address().typeIndex = 2;
    buffer->Address().station = 255;
    buffer->Address().addr = 65535;
    buffer->Address().num = 8;
    Add(screen, std::move(buffer));

    auto events = std::make_unique<CEventListGE>();
    events->showDate = 1;
    events->dateOrder = CEventListGE::DATE_MD;
    events->dateSeparator = CEventListGE::SEPARATOR_SLASH;
    events->noLeadingZeros = 1;
    events->timeFormat = CEventListGE::TIME_HMS;
    Add(screen, std::move(events)).CoverScreen(128, 64);
}

void FillPictures(CHMIFrame& screen, CSingleColorBitmapLib& library) {
    auto image = std::make_unique<CSingleColorBitmapLibItem>();
    image->width = 10;
    image->height = 2;
    image->data = {0x01, 0x02, 0xFF, 0x03};
    const int32_t id = library.AddItem(std::move(image));
    auto picture = std::make_unique<CPictureGE>();
    picture->bitmapId = id;
    picture->SetLibrary(&library);
    picture->SetSourceNames("/somewhere/图片.bmp", "图片.bmp");
    picture->sourcePixels = {0x00000000, 0x00FFFFFF};
    picture->threshold = 77;
    Add(screen, std::move(picture));

    // Rows that do not match the size, and an entry no picture shows.
    auto odd = std::make_unique<CSingleColorBitmapLibItem>();
    odd->width = 3;
    odd->height = 3;
    odd->data = {0xAA, 0xBB};
    const int32_t oddId = library.AddItem(std::move(odd));
    auto second = std::make_unique<CPictureGE>();
    second->bitmapId = oddId;
    second->SetLibrary(&library);
    Add(screen, std::move(second));
    auto unused = std::make_unique<CSingleColorBitmapLibItem>();
    unused->width = 1;
    unused->height = 1;
    unused->data = {0x01};
    library.AddItem(std::move(unused));
}

} // namespace

std::filesystem::path ReferenceProjectPath() {
    return std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference/every-kind.ZPJ";
}

std::unique_ptr<CMirloProject> LoadProjectBytes(const std::vector<uint8_t>& bytes) {
    Archive ar(bytes, CoreClassRegistry());
    std::unique_ptr<CMirloProject> project = ar.ReadObjectAs<CMirloProject>();
    EXPECT_EQ(ar.Remaining(), 0u);
    return project;
}

std::unique_ptr<CMirloProject> LoadProjectFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
    return LoadProjectBytes(bytes);
}

std::vector<uint8_t> SavedBytes(CMirloProject& project) {
    Archive ar;
    ar.WriteObject(&project);
    return ar.TakeData();
}

std::unique_ptr<CMirloProject> RichProject() {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = 3;
    project->showLabels = 0;
    project->languages.Clear();
    project->languages.Add(0x0804, "宋体");
    project->languages.Add(0x0409, "Microsoft Sans Serif");
    CPortCom& com0 = *project->GetPort(0);
    com0.enabled = 1;
    com0.protocolId = 1;
    com0.serialType = 2;
    com0.baud = 5;
    com0.dataBits = 1;
    com0.parity = 2;
    com0.stopBits = 1;
    com0.hasStation = 1;
    com0.station = 31;
    com0.commTimeout = 1000;
    com0.protocolTimeout1 = -1;
    com0.protocolTimeout2 = 7;
    com0.maxWordsPerPacket = 64;
    com0.maxBitsPerPacket = 256;
    com0.wordGap = 2;
    com0.bitGap = 3;
    com0.commInterval = 10;
    com0.errorShowTime = 4;
    com0.retries = 0;
    com0.retryAfterLimit = 0;
    CPortCom& com2 = *project->GetPort(2);
    com2.enabled = 2;
    com2.protocolId = 30;
    project->GetCanPort().enabled = 1;
    project->GetCanPort().second = 5;
    project->GetCanPort().protocolId = 9;

    auto lampsAndKeys = Screen(7, "键");
    FillLampsAndKeys(*lampsAndKeys);
    lampsAndKeys->SetName("Keys and lamps");
    project->AddScreen(std::move(lampsAndKeys));
    auto texts = Screen(1, "");
    FillTexts(*texts);
    project->AddScreen(std::move(texts));
    auto values = Screen(65535, "values");
    FillValues(*values);
    project->AddScreen(std::move(values));
    auto pictures = Screen(0, "pictures");
    FillPictures(*pictures, project->bitmapLibrary);
    project->AddScreen(std::move(pictures));

    GlobalSettings& settings = project->settings;
    settings.optionFlags = 0xFFFFFFFF;
    settings.initialScreen = 7;
    settings.screenSaverScreen = 1;
    settings.screenSaverDelay = 60;
    settings.wakePasswordLevel = 3;
    settings.reserved = 0;
    settings.passwords = {1, 2, 3, 4, 5, 6, 7, 999999999};
    settings.passwordScreen = 65535;
    settings.plcControlFlags = GlobalSettings::kPlcSelectsScreen | GlobalSettings::kReportCurrentScreen;
    settings.controlAddress = PlcAddress(0, WIDTH_WORD, "4X", 1);

    EventItem alarm;
    alarm.flags = EventItem::kWordAddress | EventItem::kBuzzer;
    alarm.SetComparison(EVENT_NOT_EQUAL);
    alarm.value = -1;
    alarm.range = 1;
    alarm.upperLimit = 100;
    alarm.lowerLimit = -100;
    alarm.buzzerSeconds = 9;
    alarm.message = "压力 tab\there";
    alarm.address = PlcAddress(0, WIDTH_WORD, "4X", 7);
    project->eventList.items.push_back(alarm);
    project->eventList.fontSizeIndex = 3;
    project->eventList.language = 1;
    project->eventList.font = "Microsoft Sans Serif";
    project->eventList.alarmScreen = 7;
    project->eventList.autoPopup = 0;

    DataTransferItem transfer;
    transfer.triggerType = 3;
    transfer.triggerAddress = PlcAddress(-1, WIDTH_BIT, "LW.B", 4);
    transfer.triggerAddress.sub = 15;
    transfer.sourceAddress = PlcAddress(0, WIDTH_WORD, "4X", 1000);
    transfer.destinationAddress = PlcAddress(-1, WIDTH_WORD, "LW", 10);
    transfer.period = 0;
    transfer.validWindow = 65535;
    transfer.executions = 0;
    transfer.count = 128;
    project->dataTransfers.items.push_back(transfer);
    project->dataTransfers.items.push_back(DataTransferItem{});
    return project;
}

std::vector<uint8_t> OlderRecordsFile() {
    CMirloProject project(LanguageDefaults{0x0804, "宋体"});
    auto screen = Screen(1, "older records");
    auto text = std::make_unique<StaticTextV1>();
    text->SetText("old text", nullptr);
    text->ChangeDotMatrix(1, nullptr);
    Add(*screen, std::move(text));
    for (const int32_t version : {1, 2}) {
        auto state = std::make_unique<DynamicTextOld>(version);
        state->Row(1)->SetValue("1");
        state->Row(1)->SetText("on");
        state->SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
        state->ChangeDotMatrix(1, nullptr);
        state->Address().hasIndex = 1;
        state->Address().index = 5;
        Add(*screen, std::move(state));
        auto reg = std::make_unique<RegisterOld>(version);
        reg->alignment = CRegisterGE::ALIGN_CENTRE;
        reg->keepLevel = 1;
        reg->Address().address = 12;
        Add(*screen, std::move(reg));
    }
    auto key = std::make_unique<FunckeyV1>();
    key->SetKeyCode(3);
    key->SetKeepLevel(1);
    Add(*screen, std::move(key));
    project.AddScreen(std::move(screen));
    return Store(project);
}

std::vector<uint8_t> Version1File() {
    // The object header of the project class, then a version-1 body.
    Archive body;
    body.Write<uint16_t>(0xFFFF);
    body.Write<uint16_t>(1);
    const std::string name = "CMirloProject";
    body.Write<uint16_t>(static_cast<uint16_t>(name.size()));
    body.Bytes(reinterpret_cast<uint8_t*>(const_cast<char*>(name.data())), name.size());
    body.Write<int32_t>(1);
    body.Write<int32_t>(2); // model
    CPortCom ports[3] = {CPortCom(0), CPortCom(1), CPortCom(2)};
    ports[1].enabled = 1;
    ports[1].protocolId = 1;
    for (CPortCom& port : ports) {
        port.Serialize(body);
    }
    CPortCan can;
    can.Serialize(body);
    CLangDefine languages(LanguageDefaults{0x0409, "Microsoft Sans Serif"});
    languages.Serialize(body);
    auto screen = Screen(3, "v1");
    auto lamp = std::make_unique<CLedGE>();
    lamp->Address() = PlcAddress(1, WIDTH_BIT, "0X", 2);
    screen->AddElement(std::move(lamp));
    auto picture = std::make_unique<PictureV1>();
    picture->SetSourceNames((LibraryFolder() / "component" / "led" / "LED1_0_24.dat").string(), "LED1_0_24.dat");
    screen->AddElement(std::move(picture));
    body.WriteCount(1);
    body.WriteObject(screen.get());
    // Settings of version 1: no password screen.
    GlobalSettings settings;
    settings.initialScreen = 3;
    body.Write<int32_t>(1);
    body.Value(settings.optionFlags);
    body.Value(settings.initialScreen);
    body.Value(settings.screenSaverDelay);
    body.Value(settings.screenSaverScreen);
    body.Value(settings.wakePasswordLevel);
    body.Value(settings.reserved);
    for (int32_t password : settings.passwords) {
        body.Value(password);
    }
    body.Value(settings.plcControlFlags);
    settings.controlAddress.Serialize(body);
    // Event list of version 1: items only.
    EventItem item;
    item.message = "v1 event";
    body.Write<int32_t>(1);
    body.Write<int32_t>(1);
    item.Serialize(body);
    return body.TakeData();
}

ImportedProject ImportOrFail(const std::string& text) {
    ImportedProject imported;
    std::string error;
    EXPECT_TRUE(ImportProjectJson(text, LanguageDefaults{0x0804, "宋体"}, imported, error)) << error;
    return imported;
}

std::string ImportError(const std::string& text) {
    ImportedProject imported;
    std::string error;
    EXPECT_FALSE(ImportProjectJson(text, LanguageDefaults{}, imported, error));
    EXPECT_EQ(imported.project, nullptr);
    return error;
}

} // namespace balsar::test
