#include "projecttext/XrefConflicts.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "plc/CAddr.h"
#include "plc/RegisterType.h"
#include "projecttext/AddressXref.h"

namespace balsar {

namespace {

constexpr int64_t kWordBits = 16;

int64_t UnitBits(int32_t unit) {
    switch (unit) {
    case UNIT_BIT:
        return 1;
    case UNIT_BYTE:
        return 8;
    case UNIT_DWORD:
        return 32;
    default:
        return kWordBits;
    }
}

// Bits one address step covers: words on LOCAL, the register type's unit on
// a PLC port; without the type, words, or single bits for a bit address
// without a bit number.
int64_t StepBits(const CAddr& address, const PortProtocols* protocols) {
    if (address.port == PORT_LOCAL) {
        return kWordBits;
    }
    if (const RegisterType* type = address.FindRegisterType(protocols)) {
        return UnitBits(type->unit);
    }
    return address.width == WIDTH_BIT && address.hasSub == 0 ? 1 : kWordBits;
}

std::string AreaOf(const std::string& regType) { return regType.substr(0, regType.find('.')); }

// Union-find over the uses.
class Groups {
public:
    explicit Groups(size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), size_t{0}); }
    size_t Find(size_t i) {
        while (m_parent[i] != i) {
            i = m_parent[i] = m_parent[m_parent[i]];
        }
        return i;
    }
    void Join(size_t a, size_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b) {
            m_parent[std::max(a, b)] = std::min(a, b);
        }
    }

private:
    std::vector<size_t> m_parent;
};

bool IsWord(int32_t width) { return width == WIDTH_WORD || width == WIDTH_DWORD; }

bool Clash(ConflictKind kind, const AddressUse& a, const MemorySpan& sa, const AddressUse& b, const MemorySpan& sb) {
    if (!sa.Overlaps(sb)) {
        return false;
    }
    const int32_t wa = a.address.width;
    const int32_t wb = b.address.width;
    switch (kind) {
    case ConflictKind::WidthOverlap:
        return IsWord(wa) && IsWord(wb) && (wa != wb || (wa == WIDTH_DWORD && sa.firstBit != sb.firstBit));
    case ConflictKind::WrittenByKeys:
        return a.byFunctionKey && b.byFunctionKey;
    case ConflictKind::BitAsWord:
        return (wa == WIDTH_BIT && IsWord(wb)) || (IsWord(wa) && wb == WIDTH_BIT);
    }
    return false;
}

} // namespace

MemorySpan SpanOf(const CAddr& address, int32_t values, const PortProtocols* protocols) {
    MemorySpan span;
    const bool local = address.port == PORT_LOCAL;
    span.area = {address.port, local ? 0 : address.station, AreaOf(address.regType),
                 address.hasIndex != 0 ? address.index : 0};
    span.firstBit = static_cast<int64_t>(address.address) * StepBits(address, protocols) +
                    (address.hasSub != 0 ? address.sub : 0);
    const int64_t count = std::max<int64_t>(1, values);
    switch (address.width) {
    case WIDTH_WORD:
        span.bits = kWordBits * std::max<int64_t>(1, address.Count()) * count;
        break;
    case WIDTH_DWORD:
        span.bits = 2 * kWordBits * std::max<int64_t>(1, address.Count()) * count;
        break;
    default:
        span.bits = count;
        break;
    }
    return span;
}

std::vector<XrefConflict> FindConflicts(const AddressXref& xref, const PortProtocols* protocols) {
    const size_t n = xref.uses.size();
    std::vector<MemorySpan> spans;
    spans.reserve(n);
    for (const AddressUse& use : xref.uses) {
        spans.push_back(SpanOf(use.address, use.values, protocols));
    }
    // Uses by area, so that only neighbours in memory are compared.
    std::map<decltype(MemorySpan::area), std::vector<size_t>> byArea;
    for (size_t i = 0; i < n; ++i) {
        byArea[spans[i].area].push_back(i);
    }

    std::vector<XrefConflict> conflicts;
    for (const ConflictKind kind : {ConflictKind::WidthOverlap, ConflictKind::WrittenByKeys, ConflictKind::BitAsWord}) {
        Groups groups(n);
        std::vector<bool> linked(n, false);
        for (const auto& [area, members] : byArea) {
            for (size_t x = 0; x < members.size(); ++x) {
                for (size_t y = x + 1; y < members.size(); ++y) {
                    const size_t a = members[x];
                    const size_t b = members[y];
                    if (Clash(kind, xref.uses[a], spans[a], xref.uses[b], spans[b])) {
                        groups.Join(a, b);
                        linked[a] = linked[b] = true;
                    }
                }
            }
        }
        std::map<size_t, XrefConflict> found;
        for (size_t i = 0; i < n; ++i) {
            if (!linked[i]) {
                continue;
            }
            XrefConflict& conflict = found[groups.Find(i)];
            conflict.kind = kind;
            conflict.uses.push_back(i);
            conflict.entries.push_back(xref.entryOfUse[i]);
        }
        std::vector<XrefConflict> ofKind;
        for (auto& [root, conflict] : found) {
            std::sort(conflict.entries.begin(), conflict.entries.end());
            conflict.entries.erase(std::unique(conflict.entries.begin(), conflict.entries.end()),
                                   conflict.entries.end());
            ofKind.push_back(std::move(conflict));
        }
        std::sort(ofKind.begin(), ofKind.end(),
                  [](const XrefConflict& a, const XrefConflict& b) { return a.entries < b.entries; });
        conflicts.insert(conflicts.end(), ofKind.begin(), ofKind.end());
    }
    return conflicts;
}

} // namespace balsar
