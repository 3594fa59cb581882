#include "xml/CXmlNodeWrapper.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "xml/CXmlNodeListWrapper.h"

namespace balsar {

namespace {

std::string VFormat(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(n));
}

} // namespace

std::string CXmlNodeWrapper::Name() const {
    return m_node.type() == pugi::node_element ? std::string(m_node.name()) : std::string();
}

CXmlNodeWrapper CXmlNodeWrapper::FindNode(std::string_view name) const {
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && name == child.name()) {
            return CXmlNodeWrapper(child);
        }
    }
    return CXmlNodeWrapper();
}

CXmlNodeListWrapper CXmlNodeWrapper::FindNodes(std::string_view name) const {
    std::vector<CXmlNodeWrapper> nodes;
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && name == child.name()) {
            nodes.emplace_back(child);
        }
    }
    return CXmlNodeListWrapper(std::move(nodes));
}

int CXmlNodeWrapper::NumNodes() const {
    int count = 0;
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        ++count;
    }
    return count;
}

CXmlNodeWrapper CXmlNodeWrapper::GetNode(int index) const {
    if (index < 0) {
        return CXmlNodeWrapper();
    }
    pugi::xml_node child = m_node.first_child();
    for (int i = 0; child && i < index; ++i) {
        child = child.next_sibling();
    }
    return CXmlNodeWrapper(child);
}

CXmlNodeWrapper CXmlNodeWrapper::InsertNode(int index, std::string_view name) {
    if (!m_node) {
        return CXmlNodeWrapper();
    }
    const std::string tag(name);
    pugi::xml_node before = index < 0 ? m_node.first_child() : GetNode(index).m_node;
    pugi::xml_node created = before ? m_node.insert_child_before(tag.c_str(), before) : m_node.append_child(tag.c_str());
    return CXmlNodeWrapper(created);
}

std::string CXmlNodeWrapper::GetValue(std::string_view name) const {
    const std::string key(name);
    return m_node.attribute(key.c_str()).value();
}

void CXmlNodeWrapper::SetValue(std::string_view name, std::string_view text) {
    if (!m_node || m_node.type() != pugi::node_element) {
        return;
    }
    const std::string key(name);
    pugi::xml_attribute attr = m_node.attribute(key.c_str());
    if (!attr) {
        attr = m_node.append_attribute(key.c_str());
    }
    attr.set_value(std::string(text).c_str());
}

void CXmlNodeWrapper::SetValue(std::string_view name, int32_t value) { SetValue(name, std::to_string(value)); }

void CXmlNodeWrapper::SetValue(std::string_view name, int16_t value) { SetValue(name, std::to_string(value)); }

void CXmlNodeWrapper::SetValueV(std::string_view name, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = VFormat(format, args);
    va_end(args);
    SetValue(name, text);
}

std::string CXmlNodeWrapper::GetText() const { return m_node.text().get(); }

void CXmlNodeWrapper::SetText(const char* format, ...) {
    if (!m_node || m_node.type() != pugi::node_element) {
        return;
    }
    va_list args;
    va_start(args, format);
    const std::string text = VFormat(format, args);
    va_end(args);
    // Replace every text child by one new text node, keep element children.
    for (pugi::xml_node child = m_node.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            m_node.remove_child(child);
        }
        child = next;
    }
    m_node.prepend_child(pugi::node_pcdata).set_value(text.c_str());
}

CXmlNodeWrapper CXmlNodeListWrapper::Node(int index) const {
    if (index < 0 || index >= Count()) {
        return CXmlNodeWrapper();
    }
    return m_nodes[static_cast<size_t>(index)];
}

} // namespace balsar
