#pragma once
// A Modbus slave for the tests, run by a thread of the test: libmodbus's
// own server over loopback TCP (a free port) or over a pseudo-terminal
// pair (the test talks to the slave side's device path). Its coils,
// discrete inputs, input and holding registers (1000 of each) are read and
// changed under a lock while it runs.
#include <modbus/modbus.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace balsar::simulator::test {

class ModbusTestServer {
public:
    enum class Transport { Tcp, PseudoTerminal };

    // Starts serving as station `station`; check Started().
    ModbusTestServer(Transport transport, int station = 1);
    ~ModbusTestServer();
    ModbusTestServer(const ModbusTestServer&) = delete;
    ModbusTestServer& operator=(const ModbusTestServer&) = delete;

    bool Started() const { return m_started; }
    const std::string& Error() const { return m_error; }
    // "127.0.0.1:<port>" for TCP, the device path for the pseudo-terminal.
    std::string Target() const;
    int TcpPort() const { return m_tcpPort; }

    // Runs f on the register tables under the server's lock.
    void With(const std::function<void(modbus_mapping_t&)>& f);
    uint16_t Holding(int offset);
    void SetHolding(int offset, uint16_t value);
    // Closes the connection of the TCP client (as a restarting device
    // does); the next client is accepted as before.
    void DropClient() { m_drop = true; }
    // Requests answered so far.
    int Answered() const { return m_answered; }

private:
    void Serve();
    bool Accept();

    Transport m_transport;
    modbus_t* m_context = nullptr;
    modbus_mapping_t* m_mapping = nullptr;
    std::mutex m_mutex;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_drop{false};
    std::atomic<int> m_answered{0};
    bool m_started = false;
    std::string m_error;
    int m_listen = -1;
    int m_client = -1;
    int m_master = -1; // pseudo-terminal master side
    int m_tcpPort = 0;
    std::string m_slavePath;
};

} // namespace balsar::simulator::test
