#include "runtime/DesignerFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/FileIo.h"
#include "compiler/ImageCompiler.h"
#include "elements/CEventListGE.h"
#include "elements/Languages.h"
#include "project/CoreClasses.h"
#include "runtime/PanelRuntime.h"

namespace balsar::runtime::test {

DesignerFixture::DesignerFixture()
    : m_session(m_sink, m_prompt, SessionParts{.fonts = std::make_unique<FreeTypeFontEngine>()}),
      m_doc(m_session, CoreClassRegistry()) {}

std::unique_ptr<CMirloProject> DesignerFixture::NewProject(int32_t modelId) {
    auto project = std::make_unique<CMirloProject>(LanguageDefaults{0x0804, "宋体"});
    project->panelModelId = modelId;
    project->languages.Clear();
    project->languages.Add(0x0804, "宋体");
    project->languages.Add(0x0409, "DejaVu Sans");
    project->eventList.font = "宋体";
    for (int port = 0; port < 2; ++port) {
        CPortCom& com = *project->GetPort(port);
        com.enabled = 1;
        com.protocolId = 1;
        com.hasStation = 1;
        com.station = port + 1;
    }
    return project;
}

std::unique_ptr<CHMIFrame> DesignerFixture::NewScreen(uint16_t number, uint16_t up, uint16_t down) {
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(number);
    screen->SetUpKeyTarget(up);
    screen->SetDownKeyTarget(down);
    return screen;
}

std::vector<uint8_t> DesignerFixture::Compile(std::unique_ptr<CMirloProject> project) {
    m_doc.SetProject(std::move(project));
    m_session.Activate(*m_doc.Project());
    return Recompile();
}

bool DesignerFixture::Open(const std::string& path) {
    if (!m_doc.OnOpenDocument(path)) {
        return false;
    }
    m_session.Activate(*m_doc.Project());
    return true;
}

std::vector<uint8_t> DesignerFixture::Recompile() {
    std::vector<uint8_t> image =
        CompileProject(*m_doc.Project(), CompileInputs{m_sink, m_session.PanelWidth(), m_session.PanelHeight(),
                                                       &m_session.PortDescriptions(), m_session.Fonts()});
    // BALSAR_RUNTIME_CORPUS=<folder> keeps every image compiled here, as
    // seeds for the runtime's fuzz target.
    if (const char* folder = std::getenv("BALSAR_RUNTIME_CORPUS")) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = test != nullptr ? std::string(test->test_suite_name()) + "-" + test->name() : "image";
        std::string ignored;
        WriteFileAtomically(std::string(folder) + "/" + name + "-" + std::to_string(++m_compiled) + ".bin", image,
                            ignored);
    }
    return image;
}

void DesignerFixture::Run(std::unique_ptr<CMirloProject> project, runtime::PanelRuntime& panel) {
    const std::vector<uint8_t> image = Compile(std::move(project));
    std::string error;
    ASSERT_TRUE(panel.Load(image, error)) << error;
}

PanelCanvas DesignerFixture::Draw(uint16_t number, const std::tm* when) {
    PanelCanvas canvas(m_session.PanelWidth(), m_session.PanelHeight());
    const CHMIFrame* screen = m_doc.Project()->FindScreen(number);
    if (screen == nullptr) {
        return canvas;
    }
    const EventList& events = m_doc.Project()->eventList;
    for (const auto& element : screen->GetElements()) {
        if (auto* list = dynamic_cast<CEventListGE*>(element.get())) {
            list->SetListFont(events.font, events.fontSizeIndex);
            if (when != nullptr) {
                list->DrawAt(canvas, m_session.Fonts(), *when);
                continue;
            }
        }
        element->Draw(canvas, m_session.Fonts());
    }
    return canvas;
}

std::unique_ptr<CFunckeyGE> JumpKey(int32_t code, int32_t kind, uint16_t target) {
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(code);
    key->SetFunction(CFunckeyGE::FUNCTION_JUMP);
    key->Jump().kind = kind;
    key->Jump().targetScreen = target;
    return key;
}

std::unique_ptr<CFunckeyGE> BitKey(int32_t code, int32_t mode, const CAddr& address) {
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(code);
    key->SetFunction(CFunckeyGE::FUNCTION_BIT);
    key->Bit().mode = mode;
    key->Address() = address;
    return key;
}

std::unique_ptr<CFunckeyGE> WordKey(int32_t code, int32_t mode, const CAddr& address, int32_t value, int32_t limit,
                                    int32_t delay, int32_t speed, bool immediate) {
    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(code);
    key->SetFunction(CFunckeyGE::FUNCTION_WORD);
    key->Word().mode = mode;
    key->Word().value = value;
    key->Word().limit = limit;
    key->Word().delay = delay;
    key->Word().speed = speed;
    key->Word().immediate = immediate ? 1 : 0;
    key->Address() = address;
    return key;
}

std::unique_ptr<CRegisterGE> InputRegister(const CAddr& address, int32_t type, int integerDigits, int decimals) {
    auto reg = std::make_unique<CRegisterGE>();
    RegisterFormat format = reg->GetFormat();
    ChangeDataType(format, type);
    if (type != REG_PASSWORD) {
        ChangeDigits(format, static_cast<uint8_t>(integerDigits), static_cast<uint8_t>(decimals));
    }
    format.inputAllowed = 1;
    reg->SetFormat(format, nullptr);
    reg->Address() = address;
    return reg;
}

CAddr LocalWord(const char* type, int32_t address, int32_t width, int32_t words) {
    CAddr addr(width);
    addr.Reset(width);
    addr.regType = type;
    addr.address = address;
    addr.wordCount = width == WIDTH_DWORD ? 2 : words;
    return addr;
}

CAddr LocalBit(const char* type, int32_t word, int32_t bit) {
    CAddr addr(WIDTH_BIT);
    addr.Reset(WIDTH_BIT);
    addr.regType = type;
    addr.address = word;
    addr.sub = bit;
    return addr;
}

CAddr PlcWord(int32_t port, int32_t address, int32_t width) {
    CAddr addr(width);
    addr.Reset(width, port, port + 1);
    addr.regType = "4X";
    addr.address = address;
    return addr;
}

CAddr PlcBit(int32_t port, int32_t address) {
    CAddr addr(WIDTH_BIT);
    addr.Reset(WIDTH_BIT, port, port + 1);
    addr.regType = "0X";
    addr.address = address;
    return addr;
}

} // namespace balsar::runtime::test
