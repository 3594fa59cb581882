// Reader of the package file the designer writes: the user-data region, the GUI
// program regions of the two hardware models and the PLC driver sections.
// All integers little-endian.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace caldo {

struct RegionDescriptor {
    uint32_t offset = 0;
    uint32_t length = 0;
    uint32_t version = 0;  // low 16 bits used
    uint32_t checksum = 0; // 32-bit sum of the data bytes
    uint32_t reserved = 0;
};

inline constexpr size_t kPackageHeaderSize = 20; // identification text and kind
inline constexpr size_t kRegionDescriptorSize = 20;
inline constexpr size_t kUserDataDescriptorOffset = 20;
inline constexpr size_t kGuiModel1DescriptorOffset = 60;
inline constexpr size_t kGuiModel2DescriptorOffset = 80; // kind 2 only
inline constexpr size_t kDescriptorVersionField = 8;     // within a descriptor
inline constexpr size_t kPackageAreaKind1 = 88;
inline constexpr size_t kPackageAreaKind2 = 108;
inline constexpr uint32_t kPackageMaxSize = 64u << 20; // refuse anything larger than 64 MiB

// The layout of a package held in memory. Parse() checks every descriptor it
// returns against the bytes present, so RegionData() never reads outside them.
class CPackageFile {
public:
    enum class Status { Ok, CannotOpen, Damaged, UnknownKind };

    // Reads the whole file. CannotOpen when it cannot be read, Damaged when it is
    // larger than kPackageMaxSize.
    Status Load(const std::filesystem::path& path);
    // Takes the bytes of a package (tests, fuzzing).
    void Assign(std::vector<uint8_t> bytes) { m_bytes = std::move(bytes); }

    // The 20-byte header: Damaged when it is missing.
    Status ReadKind(uint32_t& kind) const;
    // Checks and reads the header area of kind 1 or 2, the section table and every
    // region with a non-zero length: Damaged when any lies outside the file or a
    // region's data does not sum to its checksum; UnknownKind for other kinds.
    Status Parse();

    uint32_t Kind() const { return m_kind; }
    const RegionDescriptor& UserData() const { return m_userData; }
    const RegionDescriptor& GuiModel1() const { return m_guiModel1; }
    // Kind 2 only; all zero for kind 1.
    const RegionDescriptor& GuiModel2() const { return m_guiModel2; }
    uint32_t SectionCount() const { return m_sectionCount; }
    const std::vector<RegionDescriptor>& Sections() const { return m_sections; }

    // The data of a region checked by Parse().
    std::span<const uint8_t> RegionData(const RegionDescriptor& region) const;

    // Little-endian 32-bit value at a file offset; false when outside the file.
    bool ReadU32(size_t offset, uint32_t& value) const;

private:
    bool ReadDescriptor(size_t offset, RegionDescriptor& descriptor) const;
    bool RegionIsSound(const RegionDescriptor& region) const;

    std::vector<uint8_t> m_bytes;
    uint32_t m_kind = 0;
    RegionDescriptor m_userData, m_guiModel1, m_guiModel2;
    uint32_t m_sectionCount = 0;
    std::vector<RegionDescriptor> m_sections;
};

} // namespace caldo
