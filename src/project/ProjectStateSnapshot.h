#pragma once
// One state of what a settings dialog may change in a project (ports,
// languages, every screen's addresses and texts, settings, event list, data
// transfers), kept as bytes: the before and after of one undo step. The
// bitmap library is not part of it, so undoing a settings change never
// drops a bitmap a picture elsewhere on the undo history still needs.
#include <cstdint>
#include <utility>
#include <vector>

namespace balsar {

class ClassRegistry;
class CMirloProject;

class ProjectStateSnapshot {
public:
    ProjectStateSnapshot() = default;
    explicit ProjectStateSnapshot(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    static ProjectStateSnapshot Take(CMirloProject& project);

    // Puts the project back into this state. The screens are new objects
    // afterwards (pointers to the old ones are stale). False, with the
    // project unchanged, when the bytes cannot be read.
    bool Restore(CMirloProject& project, const ClassRegistry& registry) const;

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    bool operator==(const ProjectStateSnapshot& other) const = default;

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace balsar
