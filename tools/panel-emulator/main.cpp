// panel-emulator: a simulated text panel on UDP (loopback), a pseudo-terminal
// or an emulated USB device. The first line on stdout says where the panel
// listens. Replies are counted from 1 over the emulator's lifetime.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <string>

#include "PanelModel.h"
#include "PtyServer.h"
#include "UdpServer.h"
#include "UsbServer.h"

namespace {

constexpr char kUsage[] =
    "usage: panel-emulator (--udp PORT | --pty | --usb) [options]\n"
    "  --udp PORT            serve on 127.0.0.1:PORT (0: a free port)\n"
    "  --pty                 serve on a pseudo-terminal\n"
    "  --usb                 emulate the USB device in a umockdev testbed\n"
    "panel:\n"
    "  --model N             hardware model (1, 2, 0xFFFF, ...)\n"
    "  --mode app|boot       start in the application or the bootloader\n"
    "  --gui-version N       version of the GUI program in the panel\n"
    "  --as-real-panel       do not say in the panel information that the panel is simulated\n"
    "  --out DIR             write verified regions to DIR\n"
    "  --journal FILE        one line per request: command, result, mode afterwards\n"
    "  --log                 hex dump of every frame on stderr\n"
    "line (pty):\n"
    "  --baud N              bytes cross the line no faster than N baud, 8N1\n"
    "  --split-reply MS      send each reply in two pieces MS milliseconds apart\n"
    "usb:\n"
    "  --usb-id VID:PID      the application's id (16c0:05dc)\n"
    "  --usb-boot-id VID:PID the bootloader's id (16c0:05dd)\n"
    "faults (N counts replies or verifications from 1):\n"
    "  --drop-reply N  --corrupt-checksum N  --noise N  --short-reply N  --fail-verify N\n"
    "  --slow-restart MS     silent for MS milliseconds after every restart\n"
    "  --help\n"
    "The first line on stdout names the endpoint: \"udp 127.0.0.1 PORT\", \"pty /dev/pts/N\"\n"
    "or \"usb TESTBED_ROOT VID:PID\".\n";

bool ParseInt(const char* text, long min, long max, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 0);
    return errno == 0 && end != text && *end == '\0' && value >= min && value <= max;
}

bool ParseUsbId(const std::string& text, uint16_t& vendor, uint16_t& product) {
    unsigned v = 0, p = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%4x:%4x%c", &v, &p, &extra) != 2) {
        return false;
    }
    vendor = static_cast<uint16_t>(v);
    product = static_cast<uint16_t>(p);
    return true;
}

void Dump(const char* direction, const panelsim::Bytes& bytes) {
    std::fprintf(stderr, "%s", direction);
    for (size_t i = 0; i < bytes.size() && i < 24; ++i) {
        std::fprintf(stderr, " %02X", bytes[i]);
    }
    std::fprintf(stderr, bytes.size() > 24 ? " ... (%zu bytes)\n" : " (%zu bytes)\n", bytes.size());
}

// The panel behind every transport: handles a request, logs it and appends
// the new journal lines to the journal file.
class Panel {
public:
    Panel(panelsim::Config config, bool log, const std::string& journalPath)
        : m_model(std::move(config)), m_log(log) {
        if (!journalPath.empty()) {
            m_journal.open(journalPath, std::ios::trunc);
        }
    }
    bool JournalOk() const { return !m_journal.is_open() || m_journal.good(); }

    panelsim::Bytes Respond(const panelsim::Bytes& request) {
        std::lock_guard lock(m_mutex);
        if (m_log) {
            Dump("<-", request);
        }
        panelsim::Bytes reply = m_model.Handle(request, std::chrono::steady_clock::now());
        if (m_log) {
            Dump("->", reply);
        }
        const auto& lines = m_model.Journal();
        for (; m_journaled < lines.size(); ++m_journaled) {
            if (m_journal.is_open()) {
                m_journal << lines[m_journaled] << '\n' << std::flush;
            }
        }
        return reply;
    }

    bool ApplicationRunning() {
        std::lock_guard lock(m_mutex);
        return m_model.ApplicationRunning();
    }

private:
    std::mutex m_mutex;
    panelsim::PanelModel m_model;
    bool m_log;
    std::ofstream m_journal;
    size_t m_journaled = 0;
};

} // namespace

int main(int argc, char** argv) {
    panelsim::Config config;
    panelsim::PtyLine line;
    panelsim::UsbIdentity usb;
    bool udp = false, pty = false, usbLink = false, log = false;
    long port = 0;
    std::string journal;
    // The options that take a number: its range and where it goes.
    struct NumberOption {
        const char* name;
        long min, max;
        std::function<void(long)> set;
    };
    const auto count = [](int& target) { return [&target](long v) { target = static_cast<int>(v); }; };
    const NumberOption numberOptions[] = {
        {"--udp", 0, 65535,
         [&](long v) {
             udp = true;
             port = v;
         }},
        {"--model", 0, 65535, [&](long v) { config.model = static_cast<uint16_t>(v); }},
        {"--gui-version", 0, 65535, [&](long v) { config.guiVersion = static_cast<uint16_t>(v); }},
        {"--drop-reply", 1, 1000000, count(config.faults.dropReply)},
        {"--corrupt-checksum", 1, 1000000, count(config.faults.corruptChecksum)},
        {"--noise", 1, 1000000, count(config.faults.noiseBefore)},
        {"--short-reply", 1, 1000000, count(config.faults.shortReply)},
        {"--fail-verify", 1, 1000000, count(config.faults.failVerify)},
        {"--slow-restart", 0, 3600000, count(config.faults.slowRestartMs)},
        {"--baud", 50, 4000000, count(line.baudRate)},
        {"--split-reply", 0, 10000, count(line.splitReplyMs)},
    };
    // The options that take a text.
    const auto usbId = [](uint16_t& vendor, uint16_t& product) {
        return [&vendor, &product](const std::string& v) { return ParseUsbId(v, vendor, product); };
    };
    struct TextOption {
        const char* name;
        std::function<bool(const std::string&)> set;
    };
    const TextOption textOptions[] = {
        {"--mode",
         [&](const std::string& v) {
             config.bootMode = v == "boot";
             return v == "app" || v == "boot";
         }},
        {"--out",
         [&](const std::string& v) {
             config.outDir = v;
             return true;
         }},
        {"--journal",
         [&](const std::string& v) {
             journal = v;
             return true;
         }},
        {"--usb-id", usbId(usb.applicationVendor, usb.applicationProduct)},
        {"--usb-boot-id", usbId(usb.bootloaderVendor, usb.bootloaderProduct)},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto number = std::find_if(std::begin(numberOptions), std::end(numberOptions),
                                         [&](const NumberOption& o) { return a == o.name; });
        const auto text = std::find_if(std::begin(textOptions), std::end(textOptions),
                                       [&](const TextOption& o) { return a == o.name; });
        if (number != std::end(numberOptions)) {
            long value = 0;
            if (i + 1 >= argc || !ParseInt(argv[i + 1], number->min, number->max, value)) {
                std::fprintf(stderr, "panel-emulator: %s needs a number\n%s", a.c_str(), kUsage);
                return 2;
            }
            ++i;
            number->set(value);
        } else if (text != std::end(textOptions)) {
            if (i + 1 >= argc || !text->set(argv[i + 1])) {
                std::fprintf(stderr, "panel-emulator: %s needs a valid value\n%s", a.c_str(), kUsage);
                return 2;
            }
            ++i;
        } else if (a == "--pty") {
            pty = true;
        } else if (a == "--usb") {
            usbLink = true;
        } else if (a == "--as-real-panel") {
            config.announceEmulation = false;
        } else if (a == "--log") {
            log = true;
        } else if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "panel-emulator: unknown argument %s\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (int(udp) + int(pty) + int(usbLink) != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    config.replyLengthLowFirst = usbLink;
    std::signal(SIGPIPE, SIG_IGN);
    Panel panel(config, log, journal);
    if (!panel.JournalOk()) {
        std::fprintf(stderr, "panel-emulator: cannot write the journal %s\n", journal.c_str());
        return 1;
    }
    const panelsim::Responder respond = [&panel](const panelsim::Bytes& request) { return panel.Respond(request); };
    if (udp) {
        return panelsim::ServeUdp(static_cast<uint16_t>(port), respond);
    }
    if (pty) {
        return panelsim::ServePty(line, respond);
    }
    return panelsim::ServeUsb(usb, respond, [&panel] { return panel.ApplicationRunning(); });
}
