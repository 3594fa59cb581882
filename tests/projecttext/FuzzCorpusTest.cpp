// The seed corpus of the JSON import's fuzz target holds the exports of the
// test projects. They must stay what an export writes now, so the fuzzer
// starts from valid projects; BALSAR_UPDATE_FUZZ_CORPUS=1 rewrites them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/FileIo.h"
#include "projecttext/ProjectTextFixtures.h"

using namespace balsar;
using namespace balsar::test;

TEST(ProjectJsonCorpus, SeedsAreTheExportsOfTheTestProjects) {
    const std::filesystem::path folder = std::filesystem::path(BALSAR_SOURCE_DIR) / "fuzz/projecttext/corpus";
    const bool updating = std::getenv("BALSAR_UPDATE_FUZZ_CORPUS") != nullptr;
    struct Seed {
        const char* name;
        std::unique_ptr<CMirloProject> project;
    };
    Seed seeds[] = {{"every-kind.json", LoadProjectFile(ReferenceProjectPath())},
                    {"every-kind-unusual.json", RichProject()},
                    {"older-records.json", LoadProjectBytes(OlderRecordsFile())}};
    for (Seed& seed : seeds) {
        ASSERT_TRUE(seed.project) << seed.name;
        const std::string text = ExportProjectJson(*seed.project);
        const std::vector<uint8_t> bytes(text.begin(), text.end());
        const std::filesystem::path path = folder / seed.name;
        std::string error;
        if (updating) {
            ASSERT_TRUE(WriteFileAtomically(path, bytes, error)) << error;
            continue;
        }
        std::vector<uint8_t> committed;
        ASSERT_TRUE(ReadFileBytes(path, committed, error)) << error;
        EXPECT_TRUE(committed == bytes) << path << " is stale: run with BALSAR_UPDATE_FUZZ_CORPUS=1";
    }
}
