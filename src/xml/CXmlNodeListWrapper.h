#pragma once
// A list of nodes returned by FindNodes.
#include <vector>

#include "xml/CXmlNodeWrapper.h"

namespace balsar {

class CXmlNodeListWrapper {
public:
    CXmlNodeListWrapper() = default;
    explicit CXmlNodeListWrapper(std::vector<CXmlNodeWrapper> nodes) : m_nodes(std::move(nodes)) {}

    int Count() const { return static_cast<int>(m_nodes.size()); }
    // Node at index from 0; a null node when out of range.
    CXmlNodeWrapper Node(int index) const;

private:
    std::vector<CXmlNodeWrapper> m_nodes;
};

} // namespace balsar
