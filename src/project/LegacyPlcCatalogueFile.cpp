#include "project/LegacyPlcCatalogueFile.h"

#include "base/FileIo.h"
#include "base/MessageSink.h"

namespace balsar {

namespace {

std::filesystem::path Absolute(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    return ec ? file : absolute;
}

} // namespace

LegacyPlcCatalogueFile::LegacyPlcCatalogueFile(const std::filesystem::path& file, MessageSink& sink)
    : m_file(Absolute(file)), m_sink(sink) {}

void LegacyPlcCatalogueFile::EnsureLoaded() const {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(m_file, bytes, error)) {
        m_sink.Message(m_file.string() + ": " + error, MessageKind::Error);
        return;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!m_catalog.LoadXmlText(text, m_sink) || m_catalog.Size() == 0) {
        m_sink.Message(m_file.string() + ": no PLC description could be read", MessageKind::Error);
    }
}

std::optional<std::string> LegacyPlcCatalogueFile::FindName(int id) const {
    const LegacyPlcDescription* description = Find(id);
    return description ? std::optional<std::string>(description->name) : std::nullopt;
}

const LegacyPlcDescription* LegacyPlcCatalogueFile::Find(int id) const {
    EnsureLoaded();
    return m_catalog.Find(id);
}

size_t LegacyPlcCatalogueFile::Size() const {
    EnsureLoaded();
    return m_catalog.Size();
}

} // namespace balsar
