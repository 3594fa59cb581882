// Damaged images: truncations, corrupted offsets and flipped bytes give an
// ImageError that names a record and an offset inside the image, never a
// crash (this program also runs under the sanitizers).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/FileIo.h"
#include "runtime/ImageBuilder.h"
#include "runtime/ImageError.h"
#include "runtime/PanelImage.h"

using namespace balsar::runtime;

namespace {

std::vector<uint8_t> Reference() {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(balsar::ReadFileBytes(std::filesystem::path(BALSAR_SOURCE_DIR) / "tests/data/reference/every-kind.bin",
                                      bytes, error))
        << error;
    return bytes;
}

// Reads the image; on failure checks the error's offset and text. Returns
// whether it was read.
bool ReadOrExplain(const std::vector<uint8_t>& bytes, std::string* record = nullptr) {
    try {
        ReadPanelImage(bytes);
        return true;
    } catch (const ImageError& error) {
        EXPECT_LE(error.Offset(), bytes.size()) << error.what();
        EXPECT_FALSE(error.Record().empty()) << error.what();
        EXPECT_NE(std::string(error.what()).find("offset"), std::string::npos);
        if (record != nullptr) {
            *record = error.Record();
        }
        return false;
    }
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16) |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

TEST(MalformedImage, TheReferenceImageReads) {
    const std::vector<uint8_t> bytes = Reference();
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(ReadOrExplain(bytes));
}

TEST(MalformedImage, EveryTruncationIsRefusedAsTruncated) {
    const std::vector<uint8_t> bytes = Reference();
    for (size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        try {
            ReadPanelImage(cut);
            ADD_FAILURE() << "a cut at " << n << " was read";
        } catch (const ImageError& error) {
            EXPECT_NE(std::string(error.what()).find(n < 52 ? "needs" : "truncated"), std::string::npos)
                << n << ": " << error.what();
        }
    }
}

TEST(MalformedImage, TruncationsWithARepairedHeaderNameTheCutRecord) {
    const std::vector<uint8_t> bytes = Reference();
    size_t refused = 0;
    for (size_t n = 52; n < bytes.size(); ++n) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        test::Reseal(cut);
        refused += ReadOrExplain(cut) ? 0 : 1;
    }
    // Only cuts inside the final padding of the last section could be read.
    EXPECT_GT(refused, bytes.size() - 60);
}

TEST(MalformedImage, CorruptedWordsAreRefusedOrHarmless) {
    const std::vector<uint8_t> bytes = Reference();
    // Offset fields sit at multiples of 4; the byte flips below reach the rest.
    const uint32_t values[] = {0xFFFFFFF0u, static_cast<uint32_t>(bytes.size()), 26};
    for (size_t at = 24; at + 4 <= bytes.size(); at += 4) {
        for (const uint32_t value : values) {
            std::vector<uint8_t> damaged = bytes;
            PutU32(damaged, at, value);
            test::Reseal(damaged);
            ReadOrExplain(damaged);
        }
    }
}

TEST(MalformedImage, FlippedBytesAreRefusedOrHarmless) {
    const std::vector<uint8_t> bytes = Reference();
    for (size_t at = 24; at < bytes.size(); ++at) {
        std::vector<uint8_t> damaged = bytes;
        damaged[at] ^= 0xFF;
        test::Reseal(damaged);
        ReadOrExplain(damaged);
    }
}

TEST(MalformedImage, HeaderFaultsAreNamed) {
    const std::vector<uint8_t> bytes = Reference();
    std::vector<uint8_t> magic = bytes;
    magic[0] = 'X';
    std::string record;
    EXPECT_FALSE(ReadOrExplain(magic, &record));
    EXPECT_EQ(record, "header");

    std::vector<uint8_t> sum = bytes;
    sum[bytes.size() - 1] ^= 1;
    try {
        ReadPanelImage(sum);
        ADD_FAILURE() << "a wrong checksum was accepted";
    } catch (const ImageError& error) {
        EXPECT_EQ(error.Offset(), 16u);
        EXPECT_NE(std::string(error.what()).find("checksum"), std::string::npos) << error.what();
    }

    std::vector<uint8_t> longer = bytes;
    PutU32(longer, 12, static_cast<uint32_t>(bytes.size() + 8));
    EXPECT_FALSE(ReadOrExplain(longer, &record));
    EXPECT_EQ(record, "header");
}

TEST(MalformedImage, ABadElementOffsetNamesTheScreenAndElement) {
    std::vector<uint8_t> bytes = Reference();
    const uint32_t screens = GetU32(bytes, 24 + 4 * 3);
    const uint32_t firstScreen = GetU32(bytes, screens + 4);
    // The first element offset of the first screen, moved off its alignment.
    const size_t field = firstScreen + 20;
    PutU32(bytes, field, GetU32(bytes, field) + 2);
    test::Reseal(bytes);
    try {
        ReadPanelImage(bytes);
        ADD_FAILURE() << "a misaligned element was read";
    } catch (const ImageError& error) {
        EXPECT_EQ(error.Offset(), field);
        EXPECT_EQ(error.Record(), "screen 1 element 0 (static text)");
        EXPECT_NE(std::string(error.what()).find("multiple of 4"), std::string::npos) << error.what();
    }

    // Pointing it at the settings instead reads a wrong record kind there.
    PutU32(bytes, field, GetU32(bytes, 24));
    test::Reseal(bytes);
    std::string record;
    EXPECT_FALSE(ReadOrExplain(bytes, &record));
    EXPECT_NE(record.find("screen 1 element 0"), std::string::npos) << record;
}

TEST(MalformedImage, ACountBeyondTheImageIsRefusedBeforeAnythingIsAllocated) {
    std::vector<uint8_t> bytes = Reference();
    const uint32_t screens = GetU32(bytes, 24 + 4 * 3);
    PutU32(bytes, screens, 0x40000000);
    test::Reseal(bytes);
    std::string record;
    EXPECT_FALSE(ReadOrExplain(bytes, &record));
    EXPECT_EQ(record, "screen block");
}

} // namespace
