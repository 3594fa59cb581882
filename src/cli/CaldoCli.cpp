#include "cli/CaldoCli.h"

#include <unistd.h>

#include <iostream>

#include "transfer/ProgressText.h"
#include "transfer/UsbPipeLink.h"

namespace caldo {

namespace {

constexpr char kUsage[] = "usage: caldo-cli download PACKAGE.qk (--udp HOST:PORT | --serial DEVICE | --usb "
                          "[VID:PID]) [--force-gui]\n";
constexpr int kBarWidth = 40;

bool IsLinkOption(const std::string& arg) {
    return arg == "--udp" || arg == "--serial" || arg == "--usb";
}

// Reads the link option at args[i] and its value, leaving i on the last
// argument taken. False with the reason for a missing or malformed value.
bool ParseLinkOption(const std::vector<std::string>& args, size_t& i, CLinkSettings& link,
                     std::string& error) {
    const std::string& option = args[i];
    const bool haveValue = i + 1 < args.size();
    if (option == "--udp") {
        const std::string target = haveValue ? args[i + 1] : std::string();
        const size_t colon = target.rfind(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == target.size()) {
            error = "--udp needs HOST:PORT";
            return false;
        }
        ++i;
        link.kind = kLinkUdp;
        link.addressText = target.substr(0, colon);
        link.portText = target.substr(colon + 1);
        return true;
    }
    if (option == "--serial") {
        if (!haveValue) {
            error = "--serial needs a device";
            return false;
        }
        link.kind = kLinkSerial;
        link.serialPortName = args[++i];
        link.baudRate = 115200;
        return true;
    }
    // --usb, optionally followed by VID:PID.
    link.kind = kLinkUsb;
    if (haveValue && args[i + 1].find(':') != std::string::npos && args[i + 1].rfind("--", 0) != 0 &&
        !ParseUsbId(args[++i], link.usbVendorId, link.usbProductId)) {
        error = "--usb takes VID:PID in hexadecimal";
        return false;
    }
    return true;
}

} // namespace

bool ParseCaldoCliArgs(const std::vector<std::string>& args, CaldoCliCommand& command, std::string& error) {
    if (args.empty() || args[0] != "download") {
        error = "unknown command";
        return false;
    }
    bool havePackage = false, haveLink = false;
    DownloadOptions& options = command.options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsLinkOption(arg)) {
            if (haveLink) {
                error = "only one of --udp, --serial, --usb may be given";
                return false;
            }
            haveLink = true;
            if (!ParseLinkOption(args, i, options.link, error)) {
                return false;
            }
        } else if (arg == "--force-gui") {
            options.forceGuiUpdate = true;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (!havePackage) {
            options.packagePath = arg;
            havePackage = true;
        } else {
            error = "unexpected argument " + arg;
            return false;
        }
    }
    if (!havePackage) {
        error = "no package given";
        return false;
    }
    if (!haveLink) {
        error = "no link given";
        return false;
    }
    return true;
}

TerminalProgress::~TerminalProgress() {
    if (m_lineOpen) {
        m_out << '\n' << std::flush;
    }
}

void TerminalProgress::SetCaption(const std::string& caption) {
    m_caption = caption;
    Draw(false);
}

void TerminalProgress::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    Draw(false);
}

void TerminalProgress::SetPos(int position) {
    m_position = position;
    Draw(false);
}

void TerminalProgress::StepIt() {
    ++m_position;
    Draw(false);
}

void TerminalProgress::Repaint() {
    Draw(true);
}

void TerminalProgress::Draw(bool force) {
    // Without a range the caption alone is shown.
    const std::string text =
        m_lower < m_upper ? ProgressText(m_caption, m_position, m_lower, m_upper) : m_caption;
    const int fill = ProgressFillWidth(kBarWidth, m_position, m_lower, m_upper);
    if (!force && text == m_lastText && fill == m_lastFill) {
        return;
    }
    if (!m_interactive) {
        // A log gets one line per caption, not one per block.
        if (m_caption != m_lastCaption) {
            m_out << m_caption << '\n' << std::flush;
        }
        m_lastCaption = m_caption;
        m_lastText = text;
        m_lastFill = fill;
        return;
    }
    m_out << "\r[" << std::string(static_cast<size_t>(fill), '#')
          << std::string(static_cast<size_t>(kBarWidth - fill), ' ') << "] " << text << "\x1b[K"
          << std::flush;
    m_lineOpen = true;
    m_lastText = text;
    m_lastFill = fill;
}

void StreamMessages::Message(const std::string& text, balsar::MessageKind, const std::string&) {
    m_out << '\n' << text << '\n' << std::flush;
}

int RunCaldoCli(const std::vector<std::string>& args) {
    CaldoCliCommand command;
    std::string error;
    if (!ParseCaldoCliArgs(args, command, error)) {
        std::cerr << "caldo-cli: " << error << '\n' << kUsage;
        return 2;
    }
    bool ok = false;
    {
        TerminalProgress progress(std::cerr, ::isatty(STDERR_FILENO) == 1);
        StreamMessages messages(std::cerr);
        SteadyClock clock;
        CDownloader downloader(command.options, progress, messages, clock);
        ok = downloader.RunDownload();
    }
    return ok ? 0 : 1;
}

} // namespace caldo
