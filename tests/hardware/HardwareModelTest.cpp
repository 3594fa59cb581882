#include <gtest/gtest.h>

#include <fstream>

#include "base/MessageSink.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "support/TestSupport.h"

namespace balsar {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

const char* kModelXml = R"(<model version="3" id="12" name="M12" discription="twelve">
  <screen size="4.3" resolution_x="192" resolution_y="64" palette="1"/>
  <hardware key="6" touch="TRUE" encoder="no"/>
  <HWFile>a.bin</HWFile>
  <HWFile_2>b.bin</HWFile_2>
  <keys><key id="5" text="F1"/><key id="9" text="ENT"/></keys>
  <port id="2" type="serial" devicename="COM2" rs232="enable" rs485-2="Disable" rs485-4="Enable"/>
  <port id="0" type="serial" devicename="COM0" rs232="Enable" rs485-2="Enable" rs485-4="Enable"/>
  <port id="1" type="serial" devicename="DEAD" rs232="Disable" rs485-2="no" rs485-4=""/>
  <port id="3" type="can" devicename="CAN" can="Enable" rs232="Enable"/>
  <port id="4" type="serial" devicename="COM4" rs232="Enable"/>
  <port id="1" type="usb" devicename="USB" rs232="Enable"/>
  <port id="-1" type="serial" devicename="NEG" rs232="Enable"/>
</model>)";

TEST(HardwareModel, ReadsAndFiltersPorts) {
    HardwareModel model;
    RecordingMessageSink sink;
    ASSERT_TRUE(model.LoadXml(kModelXml, "m.CFG", sink));
    EXPECT_EQ(model.version, 3);
    EXPECT_EQ(model.id, 12);
    EXPECT_EQ(model.name, "M12");
    EXPECT_EQ(model.description, "twelve");
    EXPECT_EQ(model.sizeText, "4.3");
    EXPECT_EQ(model.resolutionX, 192);
    EXPECT_EQ(model.resolutionY, 64);
    EXPECT_EQ(model.keyCount, 6);
    EXPECT_TRUE(model.touch);
    EXPECT_FALSE(model.encoder);
    EXPECT_EQ(model.hwFile, "a.bin");
    EXPECT_EQ(model.hwFile2, "b.bin");
    EXPECT_EQ(model.Keys(), (std::vector<HardwareKey>{{5, "F1"}, {9, "ENT"}}));

    // Sorted by number; the port with no option, the unknown type and the
    // numbers outside 0..3 are gone; a CAN port reads only its CAN flag.
    ASSERT_EQ(model.Ports().size(), 3u);
    EXPECT_EQ(model.Ports()[0].deviceName, "COM0");
    EXPECT_EQ(model.Ports()[1], (HardwarePort{2, "serial", "COM2", true, false, true, false}));
    EXPECT_EQ(model.Ports()[2], (HardwarePort{3, "can", "CAN", false, false, false, true}));
    EXPECT_EQ(model.PortName(2), "COM2");
    EXPECT_EQ(model.PortName(1), "");
    EXPECT_EQ(model.PortNumber("CAN"), 3);
    EXPECT_EQ(model.PortNumber("LOCAL"), -1);
}

TEST(HardwareModel, FailedLoadKeepsTheModel) {
    HardwareModel model;
    RecordingMessageSink sink;
    ASSERT_TRUE(model.LoadXml(kModelXml, "m.CFG", sink));
    EXPECT_FALSE(model.LoadXml("<model id='1'", "bad.CFG", sink));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Error Load XML: bad.CFG"});
    EXPECT_EQ(model.id, 12);
    EXPECT_EQ(model.Ports().size(), 3u);

    // A model without keys has an empty key list.
    ASSERT_TRUE(model.LoadXml("<model id='2'/>", "bare.CFG", sink));
    EXPECT_TRUE(model.Keys().empty());
    EXPECT_TRUE(model.Ports().empty());
}

TEST(HardwareModel, WizardDescription) {
    HardwareModel model;
    RecordingMessageSink sink;
    ASSERT_TRUE(model.LoadXml(kModelXml, "m.CFG", sink));
    EXPECT_EQ(ModelDescriptionLines(model),
              (std::vector<std::string>{"型号名称: M12", "显示分辨率: 192x64", "显示尺寸: 4.3英寸", "色彩: 单色",
                                        "键盘: 6键", "触控: 支持", "编码器: 不支持", "COM0: RS232/RS485/RS422",
                                        "COM2: RS232/RS422", "CAN: 支持"}));
    model.palette = 4;
    EXPECT_EQ(ModelColourLine(model), "色彩: 16色");
    model.palette = 99;
    EXPECT_EQ(ModelColourLine(model), "色彩: 0色");
    HardwarePort can{3, "can", "CAN1", false, false, false, false};
    EXPECT_EQ(ModelPortLine(can), "CAN1: 不支持");
}

TEST(HardwareModelList, OrderDuplicatesAndBadFiles) {
    test::TempFolder folder;
    WriteText(folder.Path() / "a.CFG", "<model id='7' discription='seven (a)'/>");
    WriteText(folder.Path() / "b.cfg", "<model id='3' discription='three'/>");
    WriteText(folder.Path() / "c.CFG", "<model id='7' discription='seven (c)'/>");
    WriteText(folder.Path() / "d.CFG", "not xml <");
    WriteText(folder.Path() / "e.bin", "GUI0");
    HardwareModelList list(folder.Path());
    RecordingMessageSink sink;
    list.EnsureLoaded(sink);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Error Load XML: " + (folder.Path() / "d.CFG").string()});
    std::vector<std::string> descriptions;
    list.ModelDescriptions(descriptions);
    EXPECT_EQ(descriptions, (std::vector<std::string>{"three", "seven (a)", "seven (c)"}));

    HardwareModel model;
    ASSERT_TRUE(list.LoadModelById(model, 7, sink));
    EXPECT_EQ(model.description, "seven (a)");
    EXPECT_FALSE(list.LoadModelById(model, 8, sink));
    EXPECT_EQ(model.description, "seven (a)");
    EXPECT_FALSE(list.LoadModelByIndex(model, 3, sink));
    EXPECT_FALSE(list.LoadModelByIndex(model, -1, sink));
}

TEST(HardwareModelList, ShippedModels) {
    HardwareModelList list = HardwareModelList::ForProgram();
    RecordingMessageSink sink;
    list.EnsureLoaded(sink);
    ASSERT_GE(list.Entries().size(), 3u);
    EXPECT_EQ(list.Entries()[0].id, 1);
    HardwareModel first;
    ASSERT_TRUE(list.LoadModelById(first, 1, sink));
    EXPECT_EQ(first.resolutionX, 128);
    EXPECT_EQ(first.resolutionY, 64);
    bool sawCan = false;
    bool sawSecondFile = false;
    for (int i = 0; i < static_cast<int>(list.Entries().size()); ++i) {
        HardwareModel model;
        ASSERT_TRUE(list.LoadModelByIndex(model, i, sink));
        EXPECT_FALSE(model.Keys().empty());
        EXPECT_FALSE(model.Ports().empty());
        EXPECT_TRUE(fs::exists(list.Folder() / model.hwFile)) << model.hwFile;
        if (!model.hwFile2.empty()) {
            sawSecondFile = true;
            EXPECT_TRUE(fs::exists(list.Folder() / model.hwFile2)) << model.hwFile2;
        }
        for (const HardwarePort& port : model.Ports()) {
            sawCan = sawCan || port.IsCan();
        }
    }
    EXPECT_TRUE(sawCan);
    EXPECT_TRUE(sawSecondFile);
    EXPECT_TRUE(sink.Entries().empty());
}

} // namespace
} // namespace balsar
