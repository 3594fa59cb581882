#pragma once
// The protocol library: the manufacturers of "plc/index.CFG" with the
// protocol descriptions found in their folders, an ID -> file map over all
// of them, and the driver files that go with each description. One per
// designer process, loaded on first use and kept until exit.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace balsar {

class MessageSink;
class ProtocolDescription;

class ProtocolLibrary {
public:
    struct Protocol {
        int32_t id = 0;
        std::string name;
        std::filesystem::path path;
    };
    struct Manufacturer {
        std::string name;
        std::string dir;
        std::vector<Protocol> protocols;
    };

    // plcFolder: the folder that holds "index.CFG" (normally lib/plc of the
    // program folder).
    explicit ProtocolLibrary(std::filesystem::path plcFolder);
    // The library of the running program: LibraryFolder() / "plc".
    static ProtocolLibrary ForProgram();

    // Loads the library the first time it is called; later calls do nothing.
    // A missing or malformed index or description is reported with
    // "Error Load XML: %s" and skipped.
    void EnsureLoaded(MessageSink& sink);
    bool IsLoaded() const { return m_loaded; }

    const std::vector<Manufacturer>& Manufacturers() const { return m_manufacturers; }
    // Appends every manufacturer name, in index order.
    void ManufacturerNames(std::vector<std::string>& out) const;
    // Appends the protocol names of one manufacturer, in ID order.
    void ProtocolNames(int manufacturer, std::vector<std::string>& out) const;
    // The ".CFG" path; empty for indexes out of range.
    std::filesystem::path ProtocolPath(int manufacturer, int protocol) const;
    // The driver file of a protocol for a port: the ".CFG" path without its
    // last four characters, then "_<port>.bin". Empty out of range.
    std::filesystem::path DriverPath(int manufacturer, int protocol, int port) const;
    // The first entry with that ID in list order.
    bool FindProtocol(int32_t id, int& manufacturer, int& protocol) const;
    // The file the ID map names for the ID (the last file found with it).
    const std::filesystem::path* PathForId(int32_t id) const;
    // Loads the description of that ID into a port's description; false
    // (description unchanged) when the ID is unknown or the file fails.
    bool LoadPortProtocol(ProtocolDescription& description, int32_t id, MessageSink& sink) const;

    const std::filesystem::path& Folder() const { return m_folder; }

private:
    void LoadManufacturerFolder(Manufacturer& manufacturer, MessageSink& sink);

    std::filesystem::path m_folder;
    bool m_loaded = false;
    std::vector<Manufacturer> m_manufacturers;
    std::map<int32_t, std::filesystem::path> m_idMap;
};

} // namespace balsar
