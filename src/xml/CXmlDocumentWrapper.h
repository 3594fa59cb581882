#pragma once
// An XML document: the entry point of every XML file the system reads or
// writes (library descriptions, panel models, legacy project forms).
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "xml/CXmlNodeWrapper.h"

namespace balsar {

class CXmlDocumentWrapper {
public:
    CXmlDocumentWrapper();
    ~CXmlDocumentWrapper();
    CXmlDocumentWrapper(const CXmlDocumentWrapper&) = delete;
    CXmlDocumentWrapper& operator=(const CXmlDocumentWrapper&) = delete;

    // Reads and parses a file. False when the file cannot be read or is not
    // well-formed XML; the document is then empty. Callers report
    // "Error Load XML: %s" or their own message.
    bool Load(const std::filesystem::path& path);
    // Parses XML text. False on a parse error; the document is then empty.
    bool LoadXml(std::string_view text);
    // The document node; look up the root element with FindNode. Never fails.
    CXmlNodeWrapper AsNode();
    // The root element, whatever its name; a null node for an empty document.
    CXmlNodeWrapper RootElement();
    // Writes the document (UTF-8 with a declaration, indented). False when the
    // file cannot be written.
    bool Save(const std::filesystem::path& path) const;
    // The document as text.
    std::string ToString() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace balsar
