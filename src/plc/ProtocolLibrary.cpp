#include "plc/ProtocolLibrary.h"

#include <algorithm>
#include <system_error>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "plc/PlcStrings.h"
#include "plc/ProtocolDescription.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace fs = std::filesystem;

namespace {

// A manufacturer folder must stay inside the library: no absolute paths and
// no ".." steps.
bool IsInsideFolder(const std::string& dir) {
    const fs::path relative(dir);
    if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory()) {
        return false;
    }
    for (const fs::path& part : relative) {
        if (part == "..") {
            return false;
        }
    }
    return true;
}

// The ".CFG" files of a folder (extension compared without case), in name
// order so every run lists them alike.
std::vector<fs::path> ConfigFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        return files;
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) {
            continue;
        }
        if (AsciiUpper(entry.path().extension().string()) == ".CFG") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

ProtocolLibrary::ProtocolLibrary(fs::path plcFolder) : m_folder(std::move(plcFolder)) {}

ProtocolLibrary ProtocolLibrary::ForProgram() { return ProtocolLibrary(LibraryFolder() / "plc"); }

void ProtocolLibrary::EnsureLoaded(MessageSink& sink) {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    const fs::path indexPath = m_folder / "index.CFG";
    CXmlDocumentWrapper index;
    if (!index.Load(indexPath)) {
        sink.Message(Format(texts::kPlcErrorLoadXml, indexPath.string().c_str()));
        return;
    }
    const CXmlNodeListWrapper entries = index.RootElement().FindNodes("manufacturer");
    for (int i = 0; i < entries.Count(); ++i) {
        const CXmlNodeWrapper entry = entries.Node(i);
        Manufacturer manufacturer;
        manufacturer.name = entry.GetValue("discription");
        manufacturer.dir = entry.GetValue("dir");
        LoadManufacturerFolder(manufacturer, sink);
        m_manufacturers.push_back(std::move(manufacturer));
    }
}

void ProtocolLibrary::LoadManufacturerFolder(Manufacturer& manufacturer, MessageSink& sink) {
    if (!IsInsideFolder(manufacturer.dir)) {
        return;
    }
    for (const fs::path& file : ConfigFiles(m_folder / manufacturer.dir)) {
        CXmlDocumentWrapper document;
        if (!document.Load(file)) {
            sink.Message(Format(texts::kPlcErrorLoadXml, file.string().c_str()));
            continue;
        }
        const CXmlNodeWrapper root = document.RootElement();
        Protocol protocol{IntAttribute(root, "ID"), root.GetValue("PLCName"), file};
        m_idMap[protocol.id] = file;
        manufacturer.protocols.push_back(std::move(protocol));
    }
    std::stable_sort(manufacturer.protocols.begin(), manufacturer.protocols.end(),
                     [](const Protocol& a, const Protocol& b) { return a.id < b.id; });
}

void ProtocolLibrary::ManufacturerNames(std::vector<std::string>& out) const {
    for (const Manufacturer& manufacturer : m_manufacturers) {
        out.push_back(manufacturer.name);
    }
}

void ProtocolLibrary::ProtocolNames(int manufacturer, std::vector<std::string>& out) const {
    if (manufacturer < 0 || static_cast<size_t>(manufacturer) >= m_manufacturers.size()) {
        return;
    }
    for (const Protocol& protocol : m_manufacturers[static_cast<size_t>(manufacturer)].protocols) {
        out.push_back(protocol.name);
    }
}

fs::path ProtocolLibrary::ProtocolPath(int manufacturer, int protocol) const {
    if (manufacturer < 0 || static_cast<size_t>(manufacturer) >= m_manufacturers.size()) {
        return {};
    }
    const auto& protocols = m_manufacturers[static_cast<size_t>(manufacturer)].protocols;
    if (protocol < 0 || static_cast<size_t>(protocol) >= protocols.size()) {
        return {};
    }
    return protocols[static_cast<size_t>(protocol)].path;
}

fs::path ProtocolLibrary::DriverPath(int manufacturer, int protocol, int port) const {
    std::string path = ProtocolPath(manufacturer, protocol).string();
    if (path.size() < 4) {
        return {};
    }
    path.resize(path.size() - 4);
    return fs::path(path + Format("_%d", port) + ".bin");
}

bool ProtocolLibrary::FindProtocol(int32_t id, int& manufacturer, int& protocol) const {
    for (size_t m = 0; m < m_manufacturers.size(); ++m) {
        const auto& protocols = m_manufacturers[m].protocols;
        for (size_t p = 0; p < protocols.size(); ++p) {
            if (protocols[p].id == id) {
                manufacturer = static_cast<int>(m);
                protocol = static_cast<int>(p);
                return true;
            }
        }
    }
    return false;
}

const fs::path* ProtocolLibrary::PathForId(int32_t id) const {
    const auto it = m_idMap.find(id);
    return it == m_idMap.end() ? nullptr : &it->second;
}

bool ProtocolLibrary::LoadPortProtocol(ProtocolDescription& description, int32_t id, MessageSink& sink) const {
    const fs::path* path = PathForId(id);
    return path != nullptr && description.Load(*path, sink);
}

} // namespace balsar
