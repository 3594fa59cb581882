#include <gtest/gtest.h>

#include <set>

#include "ArtworkTestSupport.h"
#include "base/MessageSink.h"
#include "elements/ComponentArtwork.h"
#include "hardware/HardwareModel.h"

namespace balsar {
namespace {

using test::PictureRows;

constexpr int kSizes[] = {8, 12, 16, 24, 32};

std::set<int> ShippedKeyCodes() {
    std::set<int> codes;
    RecordingMessageSink sink;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "hardware")) {
        if (entry.path().extension() != ".CFG") {
            continue;
        }
        HardwareModel model;
        EXPECT_TRUE(model.Load(entry.path(), sink)) << entry.path();
        for (const HardwareKey& key : model.Keys()) {
            codes.insert(key.code);
        }
    }
    return codes;
}

// Rows of a picture with every pixel inside the width flipped.
std::vector<uint8_t> Inverted(std::vector<uint8_t> rows, int width) {
    const int stride = (width + 7) / 8;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int bits = std::min(8, width - 8 * static_cast<int>(i % static_cast<size_t>(stride)));
        rows[i] = static_cast<uint8_t>(rows[i] ^ ((1u << bits) - 1));
    }
    return rows;
}

TEST(Artwork, EveryShippedKeyHasItsPicturesAsTheCompilerNeedsThem) {
    const std::set<int> codes = ShippedKeyCodes();
    ASSERT_GE(codes.size(), 20u);
    for (const int size : kSizes) {
        std::set<std::vector<uint8_t>> distinct;
        for (const int code : codes) {
            std::vector<uint8_t> variants[3];
            for (int variant = 0; variant < 3; ++variant) {
                const std::string name = artwork::KeyFileName(code, variant, size);
                int w = 0;
                int h = 0;
                variants[variant] = PictureRows("funckey", name, w, h);
                EXPECT_EQ(w, size) << name;
                EXPECT_EQ(h, size) << name;
            }
            EXPECT_EQ(variants[1], Inverted(variants[0], size)) << code << " " << size;
            EXPECT_NE(variants[2], variants[0]) << code << " " << size;
            distinct.insert(variants[0]);
        }
        // Every key shows its own caption.
        EXPECT_EQ(distinct.size(), codes.size()) << size;
    }
}

TEST(Artwork, HandsAndLamps) {
    for (const int size : kSizes) {
        int w = 0;
        int h = 0;
        const auto hand = PictureRows("funckey", artwork::HandFileName(0, size), w, h);
        EXPECT_EQ(w, size);
        EXPECT_EQ(h, size);
        EXPECT_EQ(PictureRows("funckey", artwork::HandFileName(1, size), w, h), Inverted(hand, size));
        for (int shape = 0; shape < 2; ++shape) {
            const auto off = PictureRows("led", artwork::LampFileName(shape, 0, size), w, h);
            EXPECT_EQ(w, size);
            EXPECT_EQ(h, size);
            const auto on = PictureRows("led", artwork::LampFileName(shape, 1, size), w, h);
            EXPECT_EQ(w, size);
            ASSERT_FALSE(on.empty());
            EXPECT_NE(on, off);
        }
    }
}

} // namespace
} // namespace balsar
