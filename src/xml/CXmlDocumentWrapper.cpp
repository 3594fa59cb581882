#include "xml/CXmlDocumentWrapper.h"

#include <sstream>

namespace balsar {

struct CXmlDocumentWrapper::Impl {
    pugi::xml_document doc;
};

CXmlDocumentWrapper::CXmlDocumentWrapper() : m_impl(std::make_unique<Impl>()) {}
CXmlDocumentWrapper::~CXmlDocumentWrapper() = default;

bool CXmlDocumentWrapper::Load(const std::filesystem::path& path) {
    const pugi::xml_parse_result result = m_impl->doc.load_file(path.c_str());
    if (!result) {
        m_impl->doc.reset();
        return false;
    }
    return true;
}

bool CXmlDocumentWrapper::LoadXml(std::string_view text) {
    const pugi::xml_parse_result result = m_impl->doc.load_buffer(text.data(), text.size());
    if (!result) {
        m_impl->doc.reset();
        return false;
    }
    return true;
}

CXmlNodeWrapper CXmlDocumentWrapper::AsNode() { return CXmlNodeWrapper(m_impl->doc); }

CXmlNodeWrapper CXmlDocumentWrapper::RootElement() { return CXmlNodeWrapper(m_impl->doc.document_element()); }

bool CXmlDocumentWrapper::Save(const std::filesystem::path& path) const {
    return m_impl->doc.save_file(path.c_str(), "  ", pugi::format_default, pugi::encoding_utf8);
}

std::string CXmlDocumentWrapper::ToString() const {
    std::ostringstream out;
    m_impl->doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

} // namespace balsar
