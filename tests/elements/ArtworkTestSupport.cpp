#include "ArtworkTestSupport.h"

#include <cstdlib>

#include "base/MessageSink.h"
#include "elements/SingleColorBitmap.h"

namespace balsar::test {

ProgramFolderOverride::ProgramFolderOverride(const std::filesystem::path& folder) {
    if (const char* home = std::getenv("BALSAR_HOME")) {
        m_previous = home;
    }
    setenv("BALSAR_HOME", folder.c_str(), 1);
}

ProgramFolderOverride::~ProgramFolderOverride() {
    if (m_previous) {
        setenv("BALSAR_HOME", m_previous->c_str(), 1);
    } else {
        unsetenv("BALSAR_HOME");
    }
}

ShippedArtwork::ShippedArtwork() : m_override(BALSAR_SOURCE_DIR) {}

std::vector<uint8_t> PictureRows(const std::string& subfolder, const std::string& name, int& width,
                                 int& height) {
    const auto path = std::filesystem::path(BALSAR_SOURCE_DIR) / "lib" / "component" / subfolder / name;
    RecordingMessageSink sink;
    std::vector<uint8_t> rows;
    if (!LoadSingleColorBitmap(path.string(), sink, width, height, rows)) {
        width = height = 0;
        rows.clear();
    }
    return rows;
}

} // namespace balsar::test
