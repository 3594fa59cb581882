#include "ModbusTestServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pty.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace balsar::simulator::test {

namespace {

// Waits up to 50 ms for the descriptor to become readable.
bool Readable(int fd) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval tv{0, 50000};
    return select(fd + 1, &set, nullptr, nullptr, &tv) > 0;
}

} // namespace

ModbusTestServer::ModbusTestServer(Transport transport, int station) : m_transport(transport) {
    m_mapping = modbus_mapping_new(1000, 1000, 1000, 1000);
    if (transport == Transport::Tcp) {
        m_context = modbus_new_tcp("127.0.0.1", 0);
        m_listen = m_context != nullptr ? modbus_tcp_listen(m_context, 1) : -1;
        if (m_listen < 0) {
            m_error = std::string("listen: ") + modbus_strerror(errno);
            return;
        }
        sockaddr_in address{};
        socklen_t length = sizeof address;
        getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_tcpPort = ntohs(address.sin_port);
    } else {
        int slave = -1;
        char name[128] = {};
        if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0) {
            m_error = std::string("openpty: ") + strerror(errno);
            return;
        }
        // The slave side stays open here too, so that the master never sees
        // a hang-up between the test's connections.
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
        m_slavePath = name;
        m_client = slave; // closed at the end
        m_context = modbus_new_rtu(name, 9600, 'N', 8, 1);
        if (m_context == nullptr) {
            m_error = std::string("rtu: ") + modbus_strerror(errno);
            return;
        }
        modbus_set_socket(m_context, m_master);
    }
    modbus_set_slave(m_context, station);
    m_started = true;
    m_thread = std::thread([this] { Serve(); });
}

ModbusTestServer::~ModbusTestServer() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_context != nullptr) {
        if (m_transport == Transport::Tcp) {
            modbus_close(m_context); // the accepted client
            if (m_listen >= 0) {
                close(m_listen);
            }
        } else {
            close(m_master);
            close(m_client);
        }
        modbus_free(m_context);
    }
    if (m_mapping != nullptr) {
        modbus_mapping_free(m_mapping);
    }
}

std::string ModbusTestServer::Target() const {
    return m_transport == Transport::Tcp ? "127.0.0.1:" + std::to_string(m_tcpPort) : m_slavePath;
}

void ModbusTestServer::With(const std::function<void(modbus_mapping_t&)>& f) {
    std::lock_guard lock(m_mutex);
    f(*m_mapping);
}

uint16_t ModbusTestServer::Holding(int offset) {
    std::lock_guard lock(m_mutex);
    return m_mapping->tab_registers[offset];
}

void ModbusTestServer::SetHolding(int offset, uint16_t value) {
    std::lock_guard lock(m_mutex);
    m_mapping->tab_registers[offset] = value;
}

bool ModbusTestServer::Accept() {
    if (!Readable(m_listen)) {
        return false;
    }
    int socket = m_listen;
    if (modbus_tcp_accept(m_context, &socket) < 0) {
        return false;
    }
    return true;
}

void ModbusTestServer::Serve() {
    uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
    bool connected = m_transport == Transport::PseudoTerminal;
    while (!m_stop) {
        if (connected && m_drop.exchange(false) && m_transport == Transport::Tcp) {
            modbus_close(m_context);
            connected = false;
        }
        if (!connected) {
            connected = Accept();
            continue;
        }
        if (!Readable(modbus_get_socket(m_context))) {
            continue;
        }
        const int length = modbus_receive(m_context, query);
        if (length > 0) {
            std::lock_guard lock(m_mutex);
            modbus_reply(m_context, query, length, m_mapping);
            ++m_answered;
        } else if (length < 0 && m_transport == Transport::Tcp) {
            // The client went away: wait for the next one.
            modbus_close(m_context);
            connected = false;
        }
    }
}

} // namespace balsar::simulator::test
