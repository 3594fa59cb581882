#include "projecttext/AddressFields.h"

#include <string>

#include "plc/CAddr.h"
#include "plc/CPLCAddr.h"
#include "plc/PLCAddrType.h"
#include "projecttext/JsonIo.h"

namespace balsar {

void AddressFields(JsonIo& io, CAddr& address) {
    io.Field("width", address.width);
    io.Field("port", address.port);
    io.Field("station", address.station);
    io.Field("regType", address.regType);
    io.Field("text", address.text);
    io.Field("address", address.address);
    io.Field("hasSub", address.hasSub);
    io.Field("sub", address.sub);
    io.Field("hasIndex", address.hasIndex);
    io.Field("index", address.index);
    io.Field("encoding", address.encoding);
    io.Field("wordCount", address.wordCount);
}

void AddressObject(JsonIo& io, const char* name, CAddr& address) {
    io.Object(name, [&](JsonIo& fields) { AddressFields(fields, address); });
}

const PLCAddrType* LegacyTypeStore::Intern(int32_t kind, const std::string& name) {
    for (const auto& type : m_types) {
        if (type->kind == kind && type->typeName == name) {
            return type.get();
        }
    }
    auto type = std::make_unique<PLCAddrType>();
    type->kind = kind;
    type->typeName = name;
    m_types.push_back(std::move(type));
    return m_types.back().get();
}

void LegacyAddressFields(JsonIo& io, CPLCAddr& address, LegacyTypeStore* types) {
    io.Field("kind", address.kind);
    io.Property("typeName", address.type != nullptr ? address.type->typeName : std::string(),
                [&](const std::string& name) {
                    if (name.empty()) {
                        address.type = nullptr;
                    } else if (types != nullptr) {
                        address.type = types->Intern(address.kind, name);
                    } else {
                        io.Fail("typeName", "no older address catalogue to name a type in");
                    }
                });
    io.Field("typeIndex", address.typeIndex);
    io.Field("access", address.access);
    io.Field("station", address.station);
    io.Field("addr", address.addr);
    io.Field("sub", address.sub);
    io.Field("shift", address.shift);
    io.Field("num", address.num);
}

} // namespace balsar
