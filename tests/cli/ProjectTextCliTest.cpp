// balsar-cli export, import, xref and the memory meter of info, driven as
// a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/FileIo.h"
#include "cli/BalsarCli.h"
#include "projecttext/JsonIo.h"
#include "support/TestSupport.h"
#include "cli/CliRun.h"

using namespace balsar;

namespace {

const std::filesystem::path kReference = std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference/every-kind.ZPJ";

using test::Cli;
using test::CliRun;
using test::FileBytes;
using test::FileText;
using test::WriteFileText;

} // namespace

TEST(ProjectTextCli, ExportThenImportGivesTheSameProjectFile) {
    test::TempFolder folder;
    const std::string json = folder.File("every-kind.json");
    const std::string project = folder.File("again.ZPJ");
    CliRun run = Cli({"export", kReference.string(), json});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, json + "\n");
    run = Cli({"import", json, project});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, project + "\n");
    EXPECT_TRUE(FileBytes(project) == FileBytes(kReference));

    // "-" writes the same text to standard output.
    run = Cli({"export", kReference.string(), "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, FileText(json));
}

TEST(ProjectTextCli, ABadTextWritesNothing) {
    test::TempFolder folder;
    const std::string json = folder.File("p.json");
    ASSERT_EQ(Cli({"export", kReference.string(), json}).status, 0);
    std::string text = FileText(json);

    // Cut short: a syntax error with its place; no project file appears.
    WriteFileText(json, text.substr(0, text.size() / 2));
    CliRun run = Cli({"import", json, folder.File("new.ZPJ")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(json + ": line ", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("new.ZPJ")));

    // A wrong type: the member's path; an existing project stays as it was.
    const std::string existing = folder.File("existing.ZPJ");
    std::filesystem::copy_file(kReference, existing);
    const size_t at = text.find("\"panelModelId\": 1");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 17, "\"panelModelId\": true");
    WriteFileText(json, text);
    run = Cli({"import", json, existing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, json + ": $.panelModelId: expected an integer from -2147483648 to 2147483647, found a "
                              "boolean true\n");
    EXPECT_TRUE(FileBytes(existing) == FileBytes(kReference));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);

    run = Cli({"import", folder.File("missing.json"), folder.File("x.ZPJ")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(folder.File("missing.json") + ": ", 0), 0u) << run.err;
}

TEST(ProjectTextCli, UsageErrors) {
    EXPECT_EQ(Cli({"import", "only-one.json"}).status, 2);
    EXPECT_EQ(Cli({"import", "a.json", "b.ZPJ", "c"}).status, 2);
    const CliRun run = Cli({"export", kReference.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: balsar-cli export PROJECT.ZPJ OUT.json"), std::string::npos);
    EXPECT_EQ(Cli({"export", kReference.string(), "a.json", "b.json"}).status, 2);
    EXPECT_EQ(Cli({"xref", kReference.string(), "--text"}).status, 2);
    EXPECT_NE(Cli({"--help"}).out.find("  xref PROJECT.ZPJ [--json]"), std::string::npos);
}

TEST(ProjectTextCli, CrossReferenceOfTheReferenceProject) {
    const CliRun text = Cli({"xref", kReference.string()});
    ASSERT_EQ(text.status, 0) << text.err;
    // The shipped protocol and panel model name types, values and ports.
    EXPECT_NE(text.out.find("COM0 station 1 4X 100 WORD\n  screen 2 REG0 address (read-write)\n"
                            "  screen 2 BAR0 address (read)\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("LOCAL RW 100 WORD\n  data transfer 1 destination (write, 4 values)\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("COM0 station 1 4X 300 WORD\n  settings screen select (read)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n17 addresses, 19 uses, 0 conflicts\n"), std::string::npos);

    const CliRun json = Cli({"xref", kReference.string(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(Cli({"xref", kReference.string(), "--json"}).out, json.out);
    const Json document = Json::parse(json.out);
    EXPECT_EQ(document.at("addresses").size(), 17u);
    EXPECT_TRUE(document.at("conflicts").empty());
    EXPECT_EQ(document.at("addresses").at(0).at("label"), "LOCAL LW 40 WORD");
}

TEST(ProjectTextCli, InfoShowsTheMemoryMeter) {
    const CliRun text = Cli({"info", kReference.string()});
    ASSERT_EQ(text.status, 0) << text.err;
    const size_t at = text.out.find("memory: ");
    ASSERT_NE(at, std::string::npos) << text.out;
    // Model 1 with COM1 in use: a second driver and a GUI program of 92 bytes.
    EXPECT_NE(text.out.find(" bytes of 99312 (", at), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  capacity: panel hardware 1 with a GUI program of 92 bytes and a second driver; "
                            "panel hardware 2: 131056 bytes\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("  largest screens:\n"), std::string::npos);

    const CliRun json = Cli({"info", kReference.string(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const Json document = Json::parse(json.out);
    const Json& memory = document.at("memory");
    const auto imageSize = std::filesystem::file_size(std::filesystem::path(BALSAR_SOURCE_DIR) /
                                                      "tests/data/reference/every-kind.bin");
    EXPECT_EQ(memory.at("imageBytes"), imageSize);
    EXPECT_EQ(memory.at("capacity").at("bytes"), 99312);
    EXPECT_EQ(memory.at("sections").at(3).at("name"), "screens");
    EXPECT_EQ(memory.at("largestScreens").size(), 4u);
}
