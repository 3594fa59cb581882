#include "SimulatorProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/FileIo.h"
#include "elements/CLedGE.h"
#include "elements/CStaticText.h"

namespace balsar::simulator::test {

using runtime::test::DesignerFixture;

std::vector<uint8_t> CompileSimulatorProject(DesignerFixture& designer, bool cutOff, int retries) {
    auto project = designer.NewProject(1);
    CPortCom& com = *project->GetPort(0);
    com.commTimeout = 300;
    com.retries = retries;
    com.commInterval = 2;
    com.retryAfterLimit = cutOff ? 0 : 1;

    auto main = DesignerFixture::NewScreen(1);
    main->AddElement(runtime::test::InputRegister(runtime::test::PlcWord(0, 10)));
    auto lamp = std::make_unique<CLedGE>();
    lamp->SetSizeIndex(2);
    lamp->Address() = runtime::test::PlcBit(0, 5);
    lamp->SetTopLeft(100, 0);
    main->AddElement(std::move(lamp));
    auto wordKey = runtime::test::WordKey(1, CWordSet::WORD_SET, runtime::test::PlcWord(0, 20), 1234);
    wordKey->SetTopLeft(0, 40);
    main->AddElement(std::move(wordKey));
    auto bitKey = runtime::test::BitKey(2, CBitSet::BIT_ON, runtime::test::PlcBit(0, 6));
    bitKey->SetTopLeft(20, 40);
    main->AddElement(std::move(bitKey));
    auto jump = runtime::test::JumpKey(3, CJumpFrame::JUMP_TO_SCREEN, 2);
    jump->SetTopLeft(40, 40);
    main->AddElement(std::move(jump));
    project->AddScreen(std::move(main));

    auto second = DesignerFixture::NewScreen(2);
    second->AddElement(runtime::test::InputRegister(runtime::test::LocalWord("LW", 3)));
    project->AddScreen(std::move(second));
    return designer.Compile(std::move(project));
}

namespace {

std::filesystem::path TestFolder(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(test.begin(), test.end(), '/', '_');
    return std::filesystem::temp_directory_path() / "balsar-simulator-tests" / test / name;
}

} // namespace

std::string TempFolder(const std::string& name) {
    const std::filesystem::path folder = TestFolder(name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string WriteImage(const std::vector<uint8_t>& image, const std::string& name) {
    std::filesystem::create_directories(TestFolder("image"));
    const std::string path = (TestFolder("image") / name).string();
    std::string error;
    EXPECT_TRUE(WriteFileAtomically(path, image, error)) << error;
    return path;
}

} // namespace balsar::simulator::test
