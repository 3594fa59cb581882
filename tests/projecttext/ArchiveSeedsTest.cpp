// The project-file fuzz target's seeds must stay projects this reader
// loads: a seed the reader refuses only tests its first bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileIo.h"
#include "projecttext/ProjectTextFixtures.h"

using namespace balsar;
using namespace balsar::test;

TEST(ProjectArchiveCorpus, EverySeedLoads) {
    const std::filesystem::path folder = std::filesystem::path(BALSAR_SOURCE_DIR) / "fuzz/archive/corpus";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadFileBytes(entry.path(), bytes, error)) << error;
        EXPECT_TRUE(LoadProjectBytes(bytes)) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
