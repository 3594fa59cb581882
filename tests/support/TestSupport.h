#pragma once
// Helpers shared by the unit tests.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balsar::test {

// Bytes from a hex text ("FF FE 03"); blanks ignored.
std::vector<uint8_t> Hex(const std::string& text);
// The whole file; a file that cannot be read fails the running test.
std::vector<uint8_t> FileBytes(const std::filesystem::path& path);
std::string FileText(const std::filesystem::path& path);
// Writes the text as the whole file; a failure fails the running test.
void WriteFileText(const std::filesystem::path& path, const std::string& text);

// A fresh empty folder under the system temp dir, removed by the destructor.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace balsar::test
