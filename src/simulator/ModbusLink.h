#pragma once
// The runtime's way to a real PLC over Modbus (libmodbus): a master on a
// serial line (RTU) or over TCP. Every device register of the image is
// mapped through its port's protocol (PortRegisters) onto a Modbus table
// (ModbusTarget); the request goes to the address's station, with the
// port's response timeout, pause between requests, packet sizes and
// retries. A port whose retries are used up and whose settings say "cut
// off" gets no more requests until Reconnect.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "runtime/PlcLink.h"
#include "simulator/LinkEndpoint.h"
#include "simulator/ModbusTarget.h"

typedef struct _modbus modbus_t;

namespace balsar::simulator {

class PortRegisters;

class ModbusLink : public runtime::PlcLink {
public:
    explicit ModbusLink(const PortRegisters& registers);
    ~ModbusLink() override;
    ModbusLink(const ModbusLink&) = delete;
    ModbusLink& operator=(const ModbusLink&) = delete;

    // Connects. The serial line takes baud, data bits, parity and stop bits
    // of the image's first port. False with the reason.
    bool Open(const LinkEndpoint& endpoint, std::string& error);
    void Close();
    bool IsOpen() const { return m_context != nullptr; }
    // Closes, opens again and forgets cut-off ports.
    bool Reconnect(std::string& error);
    const LinkEndpoint& Endpoint() const { return m_endpoint; }

    bool Read(const runtime::AddressRecord& address, std::span<uint16_t> values) override;
    bool Write(const runtime::AddressRecord& address, std::span<const uint16_t> values) override;

    // The last failure ("COM0 4X 100: Connection timed out"); empty after
    // a success.
    const std::string& LastError() const { return m_lastError; }
    // Whether a port is cut off after its retries.
    bool CutOff(uint8_t port) const;
    // Requests sent so far (each try counts).
    uint64_t Requests() const { return m_requests; }
    // Makes a request in progress stop after its current try (any thread),
    // so that closing the window never waits for every retry of a silent
    // device.
    void Abort() { m_abort = true; }

private:
    struct PortState {
        bool cutOff = false;
    };
    enum class Operation { Read, Write };

    bool Run(const runtime::AddressRecord& address, Operation operation, std::span<uint16_t> values);
    bool Transfer(const ModbusTarget& target, Operation operation, std::span<uint16_t> values, size_t packet);
    bool ReadChunk(const ModbusTarget& target, uint32_t offset, std::span<uint16_t> values);
    bool WriteChunk(const ModbusTarget& target, uint32_t offset, std::span<const uint16_t> values);
    bool HoldingBits(const ModbusTarget& target, Operation operation, std::span<uint16_t> values);
    void Pace(uint32_t intervalMs);

    const PortRegisters& m_registers;
    LinkEndpoint m_endpoint;
    modbus_t* m_context = nullptr;
    std::map<uint8_t, PortState> m_ports;
    std::string m_lastError;
    std::chrono::steady_clock::time_point m_lastRequest{};
    uint64_t m_requests = 0;
    std::atomic<bool> m_abort{false};
};

} // namespace balsar::simulator
