#pragma once
// The system-wide "project already open" lock: an exclusive flock on a lock
// file named after the normalised project path ("\" -> "/", lower case), so
// a second designer cannot open the same project file.
#include <string>

namespace balsar {

class ProjectLock {
public:
    ProjectLock() = default;
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;
    ProjectLock(ProjectLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    ProjectLock& operator=(ProjectLock&& other) noexcept;

    // Takes the lock for a project path. False when another holder has it
    // (or the lock file cannot be made); an earlier lock of this object is
    // kept in that case.
    bool Acquire(const std::string& projectPath);
    void Release();
    bool Held() const { return m_fd >= 0; }
    // The name the lock is known by.
    static std::string NormalisedName(const std::string& projectPath);
    // Lock file of a project path ($XDG_RUNTIME_DIR or /tmp).
    static std::string LockFilePath(const std::string& projectPath);

private:
    int m_fd = -1;
};

} // namespace balsar
