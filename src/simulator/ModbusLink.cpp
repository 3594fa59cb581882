#include "simulator/ModbusLink.h"

#include <modbus/modbus.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "simulator/PortRegisters.h"

namespace balsar::simulator {

namespace {

constexpr uint32_t kDefaultTimeoutMs = 500;

bool LinkLost(int code) {
    return code == EPIPE || code == ECONNRESET || code == EBADF || code == ENOTCONN || code == ECONNREFUSED ||
           code == ECONNABORTED;
}

size_t PacketLimit(const ModbusTarget& target, const runtime::PortRecord* port) {
    const bool bits = target.IsBitTable();
    size_t limit = bits ? MODBUS_MAX_READ_BITS : MODBUS_MAX_READ_REGISTERS;
    const uint16_t configured = port == nullptr ? 0 : bits ? port->maxBitsPerPacket : port->maxWordsPerPacket;
    if (configured > 0) {
        limit = std::min<size_t>(limit, configured);
    }
    return std::max<size_t>(limit, 1);
}

} // namespace

ModbusLink::ModbusLink(const PortRegisters& registers) : m_registers(registers) {}

ModbusLink::~ModbusLink() {
    Close();
}

bool ModbusLink::Open(const LinkEndpoint& endpoint, std::string& error) {
    Close();
    m_endpoint = endpoint;
    m_ports.clear();
    if (endpoint.kind == LinkEndpoint::Kind::Tcp) {
        const std::string service = std::to_string(endpoint.tcpPort);
        m_context = modbus_new_tcp_pi(endpoint.host.c_str(), service.c_str());
    } else {
        const std::vector<runtime::PortRecord> ports = m_registers.Ports();
        runtime::PortRecord line;
        line.baud = 9600;
        if (!ports.empty()) {
            line = ports.front();
        }
        const char parity = line.parity == 'E' || line.parity == 'O' ? static_cast<char>(line.parity) : 'N';
        m_context =
            modbus_new_rtu(endpoint.device.c_str(), static_cast<int>(line.baud == 0 ? 9600 : line.baud),
                           parity, line.dataBits == 7 ? 7 : 8, line.stopBits == 2 ? 2 : 1);
    }
    if (m_context == nullptr) {
        error = endpoint.Text() + ": " + modbus_strerror(errno);
        return false;
    }
    if (modbus_connect(m_context) != 0) {
        error = endpoint.Text() + ": " + modbus_strerror(errno);
        Close();
        return false;
    }
    return true;
}

void ModbusLink::Close() {
    if (m_context != nullptr) {
        modbus_close(m_context);
        modbus_free(m_context);
        m_context = nullptr;
    }
}

bool ModbusLink::Reconnect(std::string& error) {
    const LinkEndpoint endpoint = m_endpoint;
    return Open(endpoint, error);
}

bool ModbusLink::CutOff(uint8_t port) const {
    const auto it = m_ports.find(port);
    return it != m_ports.end() && it->second.cutOff;
}

bool ModbusLink::Read(const runtime::AddressRecord& address, std::span<uint16_t> values) {
    return Run(address, Operation::Read, values);
}

bool ModbusLink::Write(const runtime::AddressRecord& address, std::span<const uint16_t> values) {
    std::vector<uint16_t> copy(values.begin(), values.end());
    return Run(address, Operation::Write, copy);
}

bool ModbusLink::Run(const runtime::AddressRecord& address, Operation operation, std::span<uint16_t> values) {
    const std::string name = m_registers.Text(address);
    if (m_context == nullptr) {
        m_lastError = name + ": not connected";
        return false;
    }
    const RegisterType* type = m_registers.TypeOf(address);
    if (type == nullptr) {
        m_lastError = name + ": the port's protocol does not name this register";
        return false;
    }
    ModbusTarget target;
    std::string reason;
    if (!ModbusTargetOf(*type, address, target, reason)) {
        m_lastError = name + ": " + reason;
        return false;
    }
    if (operation == Operation::Write && !target.Writable()) {
        m_lastError = name + ": " + TableName(target.table) + " are read-only";
        return false;
    }
    PortState& state = m_ports[address.port];
    if (state.cutOff) {
        m_lastError = name + ": " + PortRegisters::PortName(address.port) + " is cut off after its retries";
        return false;
    }
    const runtime::PortRecord* port = m_registers.Port(address.port);
    const uint32_t timeoutMs =
        port != nullptr && port->commTimeout != 0 ? port->commTimeout : kDefaultTimeoutMs;
    modbus_set_response_timeout(m_context, timeoutMs / 1000, (timeoutMs % 1000) * 1000);
    const int station = address.station != 0 ? address.station : (port != nullptr ? port->station : 1);
    modbus_set_slave(m_context, station);
    const int tries = 1 + (port != nullptr ? port->retries : 0);
    for (int attempt = 0; attempt < tries && !m_abort; ++attempt) {
        Pace(port != nullptr ? port->commInterval : 0);
        if (Transfer(target, operation, values, PacketLimit(target, port))) {
            m_lastError.clear();
            return true;
        }
        const int code = errno;
        m_lastError = name + ": " + modbus_strerror(code);
        if (code == EMBXILADD || code == EMBXILFUN || code == EMBXILVAL) {
            break; // the device answered with a refusal: trying again changes nothing
        }
        if (m_endpoint.kind == LinkEndpoint::Kind::Tcp && LinkLost(code)) {
            // The connection is gone (the device restarted or dropped us):
            // the next try goes over a new one.
            modbus_close(m_context);
            modbus_connect(m_context);
        } else {
            modbus_flush(m_context);
        }
    }
    if (port != nullptr && port->cutOffAfterRetries) {
        state.cutOff = true;
    }
    return false;
}

void ModbusLink::Pace(uint32_t intervalMs) {
    const auto now = std::chrono::steady_clock::now();
    const auto due = m_lastRequest + std::chrono::milliseconds(intervalMs);
    if (now < due) {
        std::this_thread::sleep_for(due - now);
    }
    ++m_requests;
}

bool ModbusLink::Transfer(const ModbusTarget& target, Operation operation, std::span<uint16_t> values,
                          size_t packet) {
    struct Done {
        ModbusLink& link;
        ~Done() { link.m_lastRequest = std::chrono::steady_clock::now(); }
    } done{*this};
    if (target.bit >= 0) {
        return HoldingBits(target, operation, values);
    }
    for (size_t first = 0; first < values.size(); first += packet) {
        const size_t count = std::min(packet, values.size() - first);
        const auto chunk = values.subspan(first, count);
        const uint32_t offset = target.offset + static_cast<uint32_t>(first);
        const bool ok = operation == Operation::Read ? ReadChunk(target, offset, chunk)
                                                     : WriteChunk(target, offset, chunk);
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool ModbusLink::ReadChunk(const ModbusTarget& target, uint32_t offset, std::span<uint16_t> values) {
    const int n = static_cast<int>(values.size());
    const int at = static_cast<int>(offset);
    switch (target.table) {
    case ModbusTable::Coils:
    case ModbusTable::DiscreteInputs: {
        std::vector<uint8_t> bits(values.size());
        const int got = target.table == ModbusTable::Coils
                            ? modbus_read_bits(m_context, at, n, bits.data())
                            : modbus_read_input_bits(m_context, at, n, bits.data());
        if (got != n) {
            return false;
        }
        std::transform(bits.begin(), bits.end(), values.begin(), [](uint8_t b) { return b != 0 ? 1 : 0; });
        return true;
    }
    case ModbusTable::InputRegisters:
        return modbus_read_input_registers(m_context, at, n, values.data()) == n;
    case ModbusTable::HoldingRegisters:
        return modbus_read_registers(m_context, at, n, values.data()) == n;
    }
    return false;
}

bool ModbusLink::WriteChunk(const ModbusTarget& target, uint32_t offset, std::span<const uint16_t> values) {
    const int n = static_cast<int>(values.size());
    const int at = static_cast<int>(offset);
    if (target.table == ModbusTable::Coils) {
        if (n == 1) {
            return modbus_write_bit(m_context, at, values[0] != 0 ? 1 : 0) == 1;
        }
        std::vector<uint8_t> bits(values.size());
        std::transform(values.begin(), values.end(), bits.begin(), [](uint16_t v) { return v != 0 ? 1 : 0; });
        return modbus_write_bits(m_context, at, n, bits.data()) == n;
    }
    if (n == 1) {
        return modbus_write_register(m_context, at, values[0]) == 1;
    }
    return modbus_write_registers(m_context, at, n, values.data()) == n;
}

// Bits of holding registers: the registers that hold them are read; a
// write changes the bits and writes each register back.
bool ModbusLink::HoldingBits(const ModbusTarget& target, Operation operation, std::span<uint16_t> values) {
    const size_t firstBit = static_cast<size_t>(target.bit);
    const size_t words = (firstBit + values.size() + 15) / 16;
    std::vector<uint16_t> registers(words);
    if (!ReadChunk(target, target.offset, registers)) {
        return false;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        const size_t bit = firstBit + i;
        uint16_t& word = registers[bit / 16];
        const uint16_t mask = static_cast<uint16_t>(1u << (bit % 16));
        if (operation == Operation::Read) {
            values[i] = (word & mask) != 0 ? 1 : 0;
        } else {
            word = values[i] != 0 ? static_cast<uint16_t>(word | mask) : static_cast<uint16_t>(word & ~mask);
        }
    }
    if (operation == Operation::Read) {
        return true;
    }
    for (size_t w = 0; w < words; ++w) {
        if (modbus_write_register(m_context, static_cast<int>(target.offset + w), registers[w]) != 1) {
            return false;
        }
    }
    return true;
}

} // namespace balsar::simulator
