#include <gtest/gtest.h>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "plc/PortProtocols.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerContext.h"
#include "project/ProjectActivation.h"

namespace balsar {
namespace {

TEST(ProjectActivation, ModelPanelSizeAndPortProtocols) {
    RecordingMessageSink sink;
    RecordingPrompt prompt;
    DesignerContext context(sink, prompt);
    ProtocolLibrary library = ProtocolLibrary::ForProgram();
    PortProtocols protocols;
    context.protocolLibrary = &library;
    context.portProtocols = &protocols;
    HardwareModelList models = HardwareModelList::ForProgram();
    HardwareModel model;
    CMirloDoc doc(context, CoreClassRegistry());

    EXPECT_FALSE(ActivateProject(doc, context, models, model));  // no project yet

    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 3;
    project->GetPort(1)->enabled = 1;
    project->GetPort(1)->protocolId = 2;
    doc.SetProject(std::move(project));
    ASSERT_TRUE(ActivateProject(doc, context, models, model));
    EXPECT_EQ(context.panelModel, &model);
    EXPECT_EQ(model.id, 3);
    EXPECT_EQ(doc.PanelWidth(), 240);
    EXPECT_EQ(doc.PanelHeight(), 128);
    EXPECT_EQ(context.panelWidth, 240);
    EXPECT_EQ(context.panelHeight, 128);
    EXPECT_EQ(protocols.PortProtocol(1)->plcName, "Modbus ASCII Master");
    EXPECT_FALSE(protocols.PortProtocol(0)->HasRegisterTypes());

    // A project whose model is not in the list keeps the previous model.
    doc.Project()->panelModelId = 99;
    EXPECT_FALSE(ActivateProject(doc, context, models, model));
    EXPECT_EQ(model.id, 3);
    EXPECT_EQ(doc.PanelWidth(), 240);
    EXPECT_TRUE(sink.Entries().empty());
}

} // namespace
} // namespace balsar
