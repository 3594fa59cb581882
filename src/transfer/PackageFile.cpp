#include "transfer/PackageFile.h"

#include <system_error>

#include "base/ByteWriter.h"
#include "base/FileIo.h"
#include "transfer/Frame.h"

namespace caldo {

CPackageFile::Status CPackageFile::Load(const std::filesystem::path& path) {
    m_bytes.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Status::CannotOpen;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        return Status::CannotOpen;
    }
    if (size > kPackageMaxSize) {
        return Status::Damaged;
    }
    std::string error;
    if (!balsar::ReadFileBytes(path, m_bytes, error)) {
        m_bytes.clear();
        return Status::CannotOpen;
    }
    return Status::Ok;
}

bool CPackageFile::ReadU32(size_t offset, uint32_t& value) const {
    if (offset > m_bytes.size() || m_bytes.size() - offset < 4) {
        return false;
    }
    value = balsar::ReadAt(m_bytes, offset, 4);
    return true;
}

bool CPackageFile::ReadDescriptor(size_t offset, RegionDescriptor& d) const {
    return ReadU32(offset, d.offset) && ReadU32(offset + 4, d.length) && ReadU32(offset + 8, d.version) &&
           ReadU32(offset + 12, d.checksum) && ReadU32(offset + 16, d.reserved);
}

CPackageFile::Status CPackageFile::ReadKind(uint32_t& kind) const {
    if (m_bytes.size() < kPackageHeaderSize) {
        return Status::Damaged;
    }
    ReadU32(16, kind);
    return Status::Ok;
}

bool CPackageFile::RegionIsSound(const RegionDescriptor& region) const {
    if (region.length == 0) {
        return true;
    }
    const uint64_t end = static_cast<uint64_t>(region.offset) + region.length;
    if (end > m_bytes.size()) {
        return false;
    }
    return Sum32({m_bytes.data() + region.offset, region.length}) == region.checksum;
}

CPackageFile::Status CPackageFile::Parse() {
    m_kind = 0;
    m_userData = m_guiModel1 = m_guiModel2 = {};
    m_sectionCount = 0;
    m_sections.clear();
    uint32_t kind = 0;
    if (ReadKind(kind) != Status::Ok) {
        return Status::Damaged;
    }
    if (kind != 1 && kind != 2) {
        return Status::UnknownKind;
    }
    const size_t area = kind == 1 ? kPackageAreaKind1 : kPackageAreaKind2;
    if (m_bytes.size() < area) {
        return Status::Damaged;
    }
    RegionDescriptor user, gui1, gui2;
    ReadDescriptor(kUserDataDescriptorOffset, user);
    ReadDescriptor(kGuiModel1DescriptorOffset, gui1);
    if (kind == 2) {
        ReadDescriptor(kGuiModel2DescriptorOffset, gui2);
    }
    uint32_t count = 0, tableOffset = 0;
    ReadU32(area - 8, count);
    ReadU32(area - 4, tableOffset);
    // The table must lie inside the file; this also bounds the count.
    const uint64_t tableEnd =
        static_cast<uint64_t>(tableOffset) + static_cast<uint64_t>(count) * kRegionDescriptorSize;
    if (count > 0 && tableEnd > m_bytes.size()) {
        return Status::Damaged;
    }
    std::vector<RegionDescriptor> sections(count);
    for (uint32_t i = 0; i < count; ++i) {
        ReadDescriptor(tableOffset + static_cast<size_t>(i) * kRegionDescriptorSize, sections[i]);
    }
    if (!RegionIsSound(user) || !RegionIsSound(gui1) || !RegionIsSound(gui2)) {
        return Status::Damaged;
    }
    for (const auto& s : sections) {
        if (!RegionIsSound(s)) {
            return Status::Damaged;
        }
    }
    // Nothing of a damaged package is published.
    m_kind = kind;
    m_userData = user;
    m_guiModel1 = gui1;
    m_guiModel2 = gui2;
    m_sectionCount = count;
    m_sections = std::move(sections);
    return Status::Ok;
}

std::span<const uint8_t> CPackageFile::RegionData(const RegionDescriptor& region) const {
    const uint64_t end = static_cast<uint64_t>(region.offset) + region.length;
    if (region.length == 0 || end > m_bytes.size()) {
        return {};
    }
    return {m_bytes.data() + region.offset, region.length};
}

} // namespace caldo
