#include "projecttext/ImageLayout.h"

#include <cstring>

namespace balsar {

namespace {

constexpr size_t kSectionTable = 24;
constexpr size_t kScreenSection = 3;
constexpr const char kMagic[] = "ZemBra";

uint32_t Read32(const Image& image, size_t at) {
    return static_cast<uint32_t>(image[at]) | static_cast<uint32_t>(image[at + 1]) << 8 |
           static_cast<uint32_t>(image[at + 2]) << 16 | static_cast<uint32_t>(image[at + 3]) << 24;
}

} // namespace

uint32_t ImageLayout::SectionBytes(size_t section) const {
    if (section >= kSections || sectionOffsets[section] == 0) {
        return 0;
    }
    uint32_t end = totalLength;
    for (size_t next = section + 1; next < kSections; ++next) {
        if (sectionOffsets[next] != 0) {
            end = sectionOffsets[next];
            break;
        }
    }
    return end - sectionOffsets[section];
}

std::vector<uint32_t> ImageLayout::ScreenBytes() const {
    std::vector<uint32_t> bytes;
    const uint32_t sectionEnd = sectionOffsets[kScreenSection] + SectionBytes(kScreenSection);
    for (size_t i = 0; i < screenOffsets.size(); ++i) {
        const uint32_t end = i + 1 < screenOffsets.size() ? screenOffsets[i + 1] : sectionEnd;
        bytes.push_back(end - screenOffsets[i]);
    }
    return bytes;
}

bool ReadImageLayout(const Image& image, ImageLayout& layout, std::string& error) {
    if (image.size() < ImageLayout::kHeaderBytes || std::memcmp(image.data(), kMagic, 6) != 0) {
        error = "not a download image";
        return false;
    }
    ImageLayout read;
    read.totalLength = Read32(image, 12);
    if (read.totalLength != image.size()) {
        error = "the image's length field says " + std::to_string(read.totalLength) + " bytes, it holds " +
                std::to_string(image.size());
        return false;
    }
    uint32_t previous = ImageLayout::kHeaderBytes;
    for (size_t k = 0; k < ImageLayout::kSections; ++k) {
        const uint32_t offset = Read32(image, kSectionTable + 4 * k);
        if (offset != 0 && (offset < previous || offset >= read.totalLength)) {
            error = "section " + std::to_string(k) + " starts outside the image";
            return false;
        }
        read.sectionOffsets[k] = offset;
        previous = offset != 0 ? offset : previous;
    }
    if (const uint32_t block = read.sectionOffsets[kScreenSection]; block != 0) {
        const uint32_t blockBytes = read.SectionBytes(kScreenSection);
        const uint32_t end = block + blockBytes;
        const uint32_t count = blockBytes >= 4 ? Read32(image, block) : 0;
        if (blockBytes < 4 || count > (blockBytes - 4) / 4) {
            error = "the screen count runs past the screen block";
            return false;
        }
        uint32_t last = block + 4 + 4 * count;
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t offset = Read32(image, block + 4 + 4 * i);
            if (offset < last || offset > end) {
                error = "screen " + std::to_string(i) + " starts outside the screen block";
                return false;
            }
            read.screenOffsets.push_back(offset);
            last = offset;
        }
    }
    layout = std::move(read);
    return true;
}

} // namespace balsar
