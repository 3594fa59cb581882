#pragma once
// One node of an XML document. A default-constructed or missing node is a
// harmless "null" node: lookups on it find nothing, reads give empty text and
// writes do nothing. Copyable; copies refer to the same node.
#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace balsar {

class CXmlNodeListWrapper;

class CXmlNodeWrapper {
public:
    CXmlNodeWrapper() = default;
    explicit CXmlNodeWrapper(pugi::xml_node node) : m_node(node) {}

    // False for the null node.
    bool IsValid() const { return static_cast<bool>(m_node); }
    explicit operator bool() const { return IsValid(); }
    // Element name; empty for the null node and for non-element nodes.
    std::string Name() const;

    // First child element with that name; a null node when there is none.
    CXmlNodeWrapper FindNode(std::string_view name) const;
    // All child elements with that name (possibly none).
    CXmlNodeListWrapper FindNodes(std::string_view name) const;
    // Number of child nodes (elements and text alike).
    int NumNodes() const;
    // Child node at index from 0; a null node when out of range.
    CXmlNodeWrapper GetNode(int index) const;
    // A new child element placed at child position index (clamped to
    // 0..NumNodes()); NumNodes() appends. Null on a null node.
    CXmlNodeWrapper InsertNode(int index, std::string_view name);

    // Attribute text; empty when the attribute is missing.
    std::string GetValue(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view text);
    void SetValue(std::string_view name, const char* text) { SetValue(name, std::string_view(text)); }
    void SetValue(std::string_view name, int32_t value);
    void SetValue(std::string_view name, int16_t value);
    // Sets the attribute to printf-formatted text.
    void SetValueV(std::string_view name, const char* format, ...) __attribute__((format(printf, 3, 4)));

    // Text content of the node (concatenated text of its children).
    std::string GetText() const;
    // Replaces the text content with printf-formatted text.
    void SetText(const char* format, ...) __attribute__((format(printf, 2, 3)));

    pugi::xml_node Raw() const { return m_node; }

private:
    pugi::xml_node m_node;
};

} // namespace balsar
