#pragma once
// The older PLC catalogue read from a library file (lib/plc/legacy-plcs.xml:
// a "PLCS" element of "PLC" descriptions, described in
// docs/library-files.md). The file is read on the first lookup; a missing
// or broken file is reported through the sink once and leaves the
// catalogue empty, so the legacy import then ends without a project.
#include <filesystem>
#include <optional>
#include <string>

#include "plc/PLCAddrType.h"
#include "project/LegacyPlcCatalogue.h"

namespace balsar {

class MessageSink;

class LegacyPlcCatalogueFile : public LegacyPlcCatalogue {
public:
    // The path is made absolute now: the older form's pictures are read
    // relative to the current folder, which the import may change.
    LegacyPlcCatalogueFile(const std::filesystem::path& file, MessageSink& sink);

    std::optional<std::string> FindName(int id) const override;
    // The description with that ID; null when the catalogue has none.
    const LegacyPlcDescription* Find(int id) const;
    size_t Size() const;

private:
    void EnsureLoaded() const;

    std::filesystem::path m_file;
    MessageSink& m_sink;
    mutable bool m_loaded = false;
    mutable LegacyPlcCatalog m_catalog;
};

} // namespace balsar
