// balsar-cli strings export/import and import-legacy, driven as a user runs
// them: translation files out and back, refusals that write nothing, and
// an older XML project whose incomplete elements are each named.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "cli/BalsarCli.h"
#include "elements/CStaticText.h"
#include "project/CMirloProject.h"
#include "project/CoreClasses.h"
#include "support/TestSupport.h"
#include "cli/CliRun.h"

using namespace balsar;

namespace {

using test::Cli;
using test::CliRun;
using test::FileText;
using test::WriteFileText;

// A project file of model 1 with languages Chinese and English and one
// static text "Start" in the built-in font.
std::string WriteProject(const test::TempFolder& folder) {
    CMirloProject project(LanguageDefaults{0x0804, "宋体"});
    project.panelModelId = 1;
    project.languages.Clear();
    project.languages.Add(0x0804, "宋体");
    project.languages.Add(0x0409, "Microsoft Sans Serif");
    auto screen = std::make_unique<CHMIFrame>();
    screen->SetNumber(1);
    auto text = std::make_unique<CStaticText>();
    text->SetSizeIndex(0, nullptr);
    text->SetText("Start", nullptr);
    screen->AddElement(std::move(text));
    project.AddScreen(std::move(screen));
    Archive archive;
    archive.WriteObject(&project);
    const std::string path = folder.File("demo.ZPJ");
    std::string error;
    EXPECT_TRUE(WriteFileAtomically(path, archive.Data(), error)) << error;
    return path;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << " in " << text;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(StringsCli, CsvOutAndBackIntoANewProjectThatCompiles) {
    test::TempFolder folder;
    const std::string project = WriteProject(folder);
    const std::string csv = folder.File("en.csv");
    CliRun run = Cli({"strings", "export", project, "--lang", "1", csv});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, csv + ": 1 texts\n");
    WriteFileText(csv, Replace(FileText(csv), ",Start,\r\n", ",Start,Go\r\n"));

    const std::string translated = folder.File("demo-en.ZPJ");
    run = Cli({"strings", "import", project, csv, "--lang", "0x0409", "--out", translated});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, translated + ": 1 texts changed\n");
    // The new project holds the text in language 1; the source is untouched.
    run = Cli({"strings", "export", translated, "--lang", "1", folder.File("again.csv")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(FileText(folder.File("again.csv")).find(",1,1,Go,Go\r\n"), std::string::npos);
    run = Cli({"strings", "export", project, "--lang", "1", folder.File("source.csv")});
    EXPECT_NE(FileText(folder.File("source.csv")).find(",1,0,Start,\r\n"), std::string::npos);
    EXPECT_EQ(Cli({"compile", translated}).status, 0);

    // XLIFF the same way, written back into the project itself.
    const std::string xlf = folder.File("en.xlf");
    ASSERT_EQ(Cli({"strings", "export", project, "--lang", "1", xlf}).status, 0);
    WriteFileText(xlf, Replace(FileText(xlf), "<target state=\"needs-translation\" />", "<target>Los</target>"));
    run = Cli({"strings", "import", project, xlf, "--lang", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(Cli({"strings", "export", project, "--lang", "1", folder.File("after.csv")}).status, 0);
    EXPECT_NE(FileText(folder.File("after.csv")).find(",Los,Los\r\n"), std::string::npos);
}

TEST(StringsCli, RefusalsWriteNothing) {
    test::TempFolder folder;
    const std::string project = WriteProject(folder);
    const std::string before = FileText(project);
    const std::string out = folder.File("new.ZPJ");
    const auto refused = [&](const std::string& name, const std::string& content, const std::string& message) {
        WriteFileText(folder.File(name), content);
        const CliRun run = Cli({"strings", "import", project, folder.File(name), "--lang", "1", "--out", out});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("nothing written"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << name;
        EXPECT_EQ(FileText(project), before);
    };
    refused("unknown.csv", "id,target\r\nscreen1/ST0,Go\r\nscreen7/ST0,Weg\r\n",
            "line 3: unknown id \"screen7/ST0\"");
    refused("open.csv", "id,target\r\nscreen1/ST0,\"Go", "quoted field not closed");
    refused("short.xlf", "<?xml version=\"1.0\"?><xliff version=\"1.2\"><file><body><trans-unit id=\"x\"><ta",
            "not well-formed XML");
    refused("german.xlf", "<xliff version=\"1.2\"><file target-language=\"de\"/></xliff>",
            "target language is \"de\", not \"en\"");

    CliRun run = Cli({"strings", "export", project, "--lang", "5", folder.File("x.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not in the project's language table"), std::string::npos) << run.err;
    EXPECT_EQ(Cli({"strings", "export", project, "--lang", "1", folder.File("x.txt")}).status, 2);
    EXPECT_EQ(Cli({"strings", "export", project, folder.File("x.csv")}).status, 2);
    EXPECT_EQ(Cli({"strings", "rename", project}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.csv")));
}

namespace {

// An older XML project of PLC 1 ("Modbus RTU Master" in the older
// catalogue): a static text, a register whose address is a PLC's, one of
// the panel's own word type "LW", a
// picture whose bitmap is missing, a part of a type unknown here and two
// alarm messages.
constexpr const char* kLegacyProject = R"(<?xml version="1.0" encoding="UTF-8"?>
<MirloProject PLCID="%PLC%" SoftVersion="2.1.0" Name="old">
  <Communication DisplayID="1" BaudRate="19200" DataBit="8" StopBit="1" VerifyBit="0" SerialType="RS485" ComPort="1" SendMaxLen="64" RevMaxLen="64"/>
  <Sarvo/>
  <Frames>
    <Frame ID="3" Name="HMI3" Desc="Pumps" Prev="0" Next="4">
      <Parts>
        <Part Type="StaticText" ID="0" Name="ST0"><Position Left="4" Top="2" Width="30" Height="8"/></Part>
        <Part Type="Register" ID="0" Name="REG0">
          <Position Left="40" Top="2" Width="30" Height="8"/>
          <Trait Double="no" Reverse="no" FillZero="yes" Setting="no" Grade="0" ShowBits="4" FloatBits="0"/>
          <Reg Station="1" Type="4X" Addr="100" Sub="0" Num="1"/>
          <Limit Type="输入数据" InputUpper="9999" InputLower="0"/>
        </Part>
        <Part Type="Register" ID="1" Name="REG1">
          <Position Left="40" Top="12" Width="30" Height="8"/>
          <Trait Double="no" Reverse="no" FillZero="no" Setting="no" Grade="0" ShowBits="4" FloatBits="0"/>
          <Reg Station="0" Type="LW" Addr="12" Sub="0" Num="2"/>
          <Limit Type="输入数据" InputUpper="9999" InputLower="0"/>
        </Part>
        <Part Type="Picture" ID="0" Name="PIC0">
          <Position Left="0" Top="16" Width="16" Height="16"/>
          <Trait Compress="no" Reverse="no" Critical="128" LeftFill="0"/>
          <URL>pump.bmp</URL>
        </Part>
        <Part Type="Gauge" ID="0" Name="G0"><Position Left="0" Top="0" Width="8" Height="8"/></Part>
      </Parts>
    </Frame>
  </Frames>
  <AlarmList>
    <Alarm Station="1" Type="0X" Addr="0" Sub="0" Shift="0"/>
    <Items><Item>Pump 1 failed</Item><Item>Pump 2 failed</Item></Items>
  </AlarmList>
</MirloProject>
)";

std::string LegacyProject(const std::string& plc) { return Replace(kLegacyProject, "%PLC%", plc); }

} // namespace

TEST(ImportLegacyCli, WritesTheProjectAndNamesEveryIncompleteElement) {
    test::TempFolder folder;
    const std::filesystem::path xml = folder.Path() / "sys.xml";
    WriteFileText(xml, LegacyProject("1"));
    const std::string out = folder.File("old.ZPJ");
    CliRun run = Cli({"import-legacy", xml.string(), out});
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, out + "\n");
    EXPECT_NE(run.err.find("screen 3, ST0: the old form carries no text"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("screen 3, REG0: address \"4X\" 100.0 station 1 not taken over; the element reads LW 0"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("screen 3, PIC0: picture \"image/pump.bmp\" not found"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("screen 3, G0: type \"Gauge\" is not known here; the element is left out"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("AlarmList: 2 alarm messages not taken over"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("5 elements not taken over completely"), std::string::npos) << run.err;

    // The written project opens and holds screen 3 with the three known parts.
    run = Cli({"info", out, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"number\":3"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"elements\":4"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("REG1"), std::string::npos) << run.err;
    // The panel's own address is taken over.
    run = Cli({"xref", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("LOCAL LW 12 WORD\n  screen 3 REG1 address (read)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("LOCAL LW 0 WORD\n  screen 3 REG0 address (read)"), std::string::npos) << run.out;
}

TEST(ImportLegacyCli, CompleteImportExitsZero) {
    test::TempFolder folder;
    const std::filesystem::path xml = folder.Path() / "sys.xml";
    std::string text = LegacyProject("2");
    const size_t from = text.find("<Part Type=\"StaticText\"");
    const size_t to = text.find("</Parts>");
    text.replace(from, to - from, "");
    text = Replace(text, "<Items><Item>Pump 1 failed</Item><Item>Pump 2 failed</Item></Items>", "<Items/>");
    WriteFileText(xml, text);
    const CliRun run = Cli({"import-legacy", xml.string(), folder.File("empty.ZPJ")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder.File("empty.ZPJ")));
}

TEST(ImportLegacyCli, UnknownPlcOrMissingFileWritesNothing) {
    test::TempFolder folder;
    const std::filesystem::path xml = folder.Path() / "sys.xml";
    WriteFileText(xml, LegacyProject("99"));
    const std::string out = folder.File("old.ZPJ");
    CliRun run = Cli({"import-legacy", xml.string(), out});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("PLCID is not in the older PLC catalogue"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    run = Cli({"import-legacy", folder.File("none.xml"), out});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no such file"), std::string::npos);
    EXPECT_EQ(Cli({"import-legacy", xml.string()}).status, 2);
}
