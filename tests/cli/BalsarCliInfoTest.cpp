// balsar-cli info names the project's panel model, its ports and their
// protocols from the shipped library.
#include <gtest/gtest.h>

#include <sstream>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "cli/BalsarCli.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "support/TestSupport.h"

using namespace balsar;

namespace {

std::string SaveProject(const test::TempFolder& folder, int32_t modelId) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerSession session(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = modelId;
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    project->GetPort(2)->enabled = 1;
    project->GetPort(2)->protocolId = 30;
    doc.SetProject(std::move(project));
    const std::string path = folder.File("named.ZPJ");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

} // namespace

TEST(BalsarCliInfo, ModelAndPortsByName) {
    test::TempFolder folder;
    const std::string path = SaveProject(folder, 3);
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunBalsarCli({"info", path}, out, err), 0) << err.str();
    const std::string text = out.str();
    EXPECT_NE(text.find("model: 3 TP-240 (240x128)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("COM0: protocol 1 Modbus RTU Master\n"), std::string::npos) << text;
    EXPECT_NE(text.find("COM1: not used\n"), std::string::npos) << text;
    EXPECT_NE(text.find("COM2: protocol 30 DF1 Full Duplex\n"), std::string::npos) << text;
    EXPECT_EQ(err.str(), "");

    std::ostringstream json;
    ASSERT_EQ(RunBalsarCli({"info", path, "--json"}, json, err), 0) << err.str();
    EXPECT_NE(json.str().find("\"modelName\":\"TP-240\",\"resolution\":[240,128]"), std::string::npos) << json.str();
    EXPECT_NE(json.str().find("\"name\":\"COM2\",\"enabled\":true,\"protocol\":30,\"protocolName\":\"DF1 Full Duplex\""),
              std::string::npos)
        << json.str();
}

TEST(BalsarCliInfo, UnknownModelKeepsTheNumber) {
    test::TempFolder folder;
    const std::string path = SaveProject(folder, 4242);
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunBalsarCli({"info", path}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("model: 4242\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("COM0: protocol 1 Modbus RTU Master\n"), std::string::npos) << out.str();
}
