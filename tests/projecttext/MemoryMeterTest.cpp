// The memory meter: the capacity rule of the transfer tools, the figures
// of a compiled image read against the image's own tables, and the
// capacity of a project's package from the shipped library files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "compiler/ImageCompiler.h"
#include "elements/CStaticText.h"
#include "hardware/HardwareModel.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "projecttext/ImageLayout.h"
#include "projecttext/JsonIo.h"
#include "projecttext/MemoryMeter.h"

using namespace balsar;

namespace {

const std::filesystem::path kLibrary = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib";

uint32_t Read32(const Image& image, size_t at) {
    return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | static_cast<uint32_t>(image[at + 3]) << 24;
}

// Screens 1 .. count (at most 12), screen n holding n texts of n
// characters in the built-in font, each text of a character no other text
// has, so that no screen shares a glyph record with another.
std::unique_ptr<CMirloProject> Project(int screens) {
    auto project = std::make_unique<CMirloProject>();
    project->panelModelId = 1;
    char next = '!';
    for (int n = 1; n <= screens; ++n) {
        auto screen = std::make_unique<CHMIFrame>();
        screen->SetNumber(static_cast<uint16_t>(n));
        for (int i = 0; i < n; ++i) {
            auto text = std::make_unique<CStaticText>();
            text->ChangeDotMatrix(1, nullptr);
            text->SetText(std::string(static_cast<size_t>(n), next++), nullptr);
            screen->AddElement(std::move(text));
        }
        project->AddScreen(std::move(screen));
    }
    project->GetPort(0)->enabled = 1;
    project->GetPort(0)->protocolId = 1;
    project->eventList.items.push_back(EventItem{});
    project->dataTransfers.items.push_back(DataTransferItem{});
    return project;
}

Image Compile(CMirloProject& project) {
    RecordingMessageSink sink;
    return CompileProject(project, CompileInputs{sink});
}

} // namespace

TEST(MemoryMeter, CapacityRuleOfTheTransferTools) {
    // Nothing reserved below the first kilobyte boundary but the rounding.
    EXPECT_EQ(Hardware1Capacity(0, false), 106496u - 16u);
    EXPECT_EQ(Hardware1Capacity(0, true), 100352u - 16u);
    // A GUI program of 1024 bytes leaves 105456 bytes of user data.
    EXPECT_EQ(Hardware1Capacity(1024, false), 105456u);
    // 30000 bytes reserve 30720.
    EXPECT_EQ(Hardware1Capacity(30000, true), 100352u - 30720u - 16u);
    // From 256 bytes below a boundary the next kilobyte is taken as well.
    EXPECT_EQ(Hardware1Capacity(767, false), 106496u - 1024u - 16u);
    EXPECT_EQ(Hardware1Capacity(768, false), 106496u - 2048u - 16u);
    // A GUI program that leaves no room.
    EXPECT_EQ(Hardware1Capacity(200000, true), 0u);
    EXPECT_EQ(Hardware2Capacity(), 131056u);
}

TEST(MemoryMeter, SectionsAndScreensFollowTheImagesOwnTables) {
    std::unique_ptr<CMirloProject> project = Project(3);
    const Image image = Compile(*project);
    MemoryReport report;
    std::string error;
    ASSERT_TRUE(MeasureImage(image, *project, report, error)) << error;

    EXPECT_EQ(report.imageBytes, image.size());
    EXPECT_EQ(report.downloadBytes % 4, 0u);
    EXPECT_LT(report.downloadBytes - report.imageBytes, 4u);
    // Header, then the six sections in table order; each starts where the
    // table says and runs to the next section that wrote something.
    ASSERT_EQ(report.sections.size(), 7u);
    EXPECT_EQ(report.sections[0].name, "header");
    EXPECT_EQ(report.sections[0].bytes, 52u);
    const std::vector<std::pair<const char*, int>> order = {{"settings", 0}, {"ports", 1},      {"screens", 3},
                                                            {"trends", 4},   {"event list", 5}, {"data transfers", 6}};
    std::vector<uint32_t> starts;
    for (int k = 0; k < 7; ++k) {
        if (const uint32_t offset = Read32(image, 24 + 4 * static_cast<size_t>(k)); offset != 0) {
            starts.push_back(offset);
        }
    }
    starts.push_back(static_cast<uint32_t>(image.size()));
    uint32_t total = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        const MemoryReport::Part& part = report.sections[i + 1];
        EXPECT_EQ(part.name, order[i].first);
        const uint32_t offset = Read32(image, 24 + 4 * static_cast<size_t>(order[i].second));
        EXPECT_EQ(part.offset, offset) << part.name;
        if (offset == 0) {
            EXPECT_EQ(part.bytes, 0u) << part.name;
            continue;
        }
        const auto next = std::upper_bound(starts.begin(), starts.end(), offset);
        EXPECT_EQ(part.bytes, *next - offset) << part.name;
        total += part.bytes;
    }
    EXPECT_EQ(total + 52, image.size());

    // The screen records, from the screen block's offset table: screen n
    // holds the most text, so the order is 3, 2, 1.
    const uint32_t block = Read32(image, 24 + 4 * 3);
    ASSERT_EQ(Read32(image, block), 3u);
    const uint32_t blockEnd = block + report.sections[3].bytes;
    ASSERT_EQ(report.largestScreens.size(), 3u);
    const uint16_t expectedOrder[] = {3, 2, 1};
    uint32_t screenTotal = 0;
    for (size_t i = 0; i < 3; ++i) {
        const MemoryReport::Screen& screen = report.largestScreens[i];
        EXPECT_EQ(screen.number, expectedOrder[i]);
        EXPECT_EQ(screen.name, "HMI" + std::to_string(screen.number));
        const size_t at = static_cast<size_t>(screen.number - 1);
        const uint32_t start = Read32(image, block + 4 + 4 * at);
        const uint32_t end = at + 1 < 3 ? Read32(image, block + 4 + 4 * (at + 1)) : blockEnd;
        EXPECT_EQ(screen.bytes, end - start) << screen.number;
        screenTotal += screen.bytes;
    }
    EXPECT_EQ(screenTotal + 4 + 4 * 3, report.sections[3].bytes);
}

TEST(MemoryMeter, TenLargestScreens) {
    std::unique_ptr<CMirloProject> project = Project(12);
    MemoryReport report;
    std::string error;
    ASSERT_TRUE(MeasureImage(Compile(*project), *project, report, error)) << error;
    ASSERT_EQ(report.largestScreens.size(), 10u);
    EXPECT_EQ(report.largestScreens.front().number, 12);
    EXPECT_EQ(report.largestScreens.back().number, 3);
    for (size_t i = 1; i < report.largestScreens.size(); ++i) {
        EXPECT_GE(report.largestScreens[i - 1].bytes, report.largestScreens[i].bytes);
    }
}

TEST(MemoryMeter, DamagedImagesAreRefused) {
    std::unique_ptr<CMirloProject> project = Project(2);
    const Image image = Compile(*project);
    ImageLayout layout;
    std::string error;
    ASSERT_TRUE(ReadImageLayout(image, layout, error));

    EXPECT_FALSE(ReadImageLayout(Image(image.begin(), image.begin() + 40), layout, error));
    EXPECT_EQ(error, "not a download image");
    Image shorter(image.begin(), image.end() - 4);
    EXPECT_FALSE(ReadImageLayout(shorter, layout, error));
    EXPECT_NE(error.find("length field"), std::string::npos);
    Image wrongOffset = image;
    WriteAt(wrongOffset, 24 + 4 * 5, static_cast<uint32_t>(image.size() + 8), 4);
    EXPECT_FALSE(ReadImageLayout(wrongOffset, layout, error));
    EXPECT_EQ(error, "section 5 starts outside the image");
    Image tooManyScreens = image;
    WriteAt(tooManyScreens, Read32(image, 24 + 4 * 3), 0x40000000u, 4);
    EXPECT_FALSE(ReadImageLayout(tooManyScreens, layout, error));
    EXPECT_EQ(error, "the screen count runs past the screen block");
    Image screenOutside = image;
    WriteAt(screenOutside, Read32(image, 24 + 4 * 3) + 4, 8u, 4);
    EXPECT_FALSE(ReadImageLayout(screenOutside, layout, error));
    EXPECT_EQ(error, "screen 0 starts outside the screen block");
}

TEST(MemoryMeter, CapacityOfTheProjectsPackage) {
    RecordingMessageSink sink;
    ProtocolLibrary library(kLibrary / "plc");
    library.EnsureLoaded(sink);
    HardwareModel model;
    ASSERT_TRUE(model.Load(kLibrary / "hardware" / "Panel128x64.CFG", sink));
    std::unique_ptr<CMirloProject> project = Project(1);

    // The shipped GUI program of 106 bytes: 91 after its header, 92 padded.
    TransferCapacity capacity;
    std::string reason;
    ASSERT_TRUE(ProjectCapacity(*project, library, model, kLibrary / "hardware", capacity, reason)) << reason;
    EXPECT_EQ(capacity.guiBytes, 92u);
    EXPECT_FALSE(capacity.secondDriver);
    EXPECT_EQ(capacity.hardware1, 100352u - 1024u + 6144u - 16u);
    EXPECT_EQ(capacity.hardware2, 131056u);

    // COM1 in use: its driver is the second section.
    project->GetPort(1)->enabled = 1;
    project->GetPort(1)->protocolId = 1;
    ASSERT_TRUE(ProjectCapacity(*project, library, model, kLibrary / "hardware", capacity, reason)) << reason;
    EXPECT_TRUE(capacity.secondDriver);
    EXPECT_EQ(capacity.hardware1, 100352u - 1024u - 16u);

    // No package, no capacity: the reason is the package's.
    project->GetPort(1)->protocolId = 4242;
    EXPECT_FALSE(ProjectCapacity(*project, library, model, kLibrary / "hardware", capacity, reason));
    EXPECT_NE(reason.find("4242"), std::string::npos) << reason;
    project->GetPort(1)->protocolId = 1;
    model.hwFile = "missing.bin";
    EXPECT_FALSE(ProjectCapacity(*project, library, model, kLibrary / "hardware", capacity, reason));
    EXPECT_NE(reason.find("missing.bin"), std::string::npos) << reason;
}

TEST(MemoryMeter, ReportOfAProjectInItsContext) {
    RecordingMessageSink sink;
    FixedPrompt prompt(Answer::No);
    DesignerSession context(sink, prompt,
                            SessionParts{.plcFolder = kLibrary / "plc", .hardwareFolder = kLibrary / "hardware"});
    HardwareModel model;
    ASSERT_TRUE(model.Load(kLibrary / "hardware" / "Panel128x64.CFG", sink));
    std::unique_ptr<CMirloProject> project = Project(2);

    // Without the project's model the capacity is unknown.
    MemoryReport report = MeasureProjectMemory(*project, context, kLibrary.parent_path());
    EXPECT_FALSE(report.capacity);
    EXPECT_EQ(report.capacityUnknown, "no panel model");
    EXPECT_NE(MemoryText(report).find("  capacity: unknown (no panel model)\n"), std::string::npos);

    context.SetModel(model);
    report = MeasureProjectMemory(*project, context, kLibrary.parent_path());
    ASSERT_TRUE(report.capacity);
    EXPECT_GT(report.imageBytes, 52u);
    EXPECT_DOUBLE_EQ(report.Percent(), std::round(1000.0 * report.downloadBytes / report.capacity->hardware1) / 10);
    const std::string text = MemoryText(report);
    EXPECT_EQ(text.rfind("memory: " + std::to_string(report.downloadBytes) + " bytes of 105456 (", 0), 0u) << text;
    EXPECT_NE(text.find("  header                52\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  largest screens:\n        2 HMI2"), std::string::npos) << text;

    const Json json = Json::parse(MemoryJson(report));
    EXPECT_EQ(json.at("imageBytes"), report.imageBytes);
    EXPECT_EQ(json.at("capacity").at("bytes"), 105456);
    EXPECT_EQ(json.at("capacity").at("secondDriver"), false);
    EXPECT_EQ(json.at("sections").size(), 7u);
    EXPECT_EQ(json.at("largestScreens").at(0).at("number"), 2);
}
