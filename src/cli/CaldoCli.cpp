#include "cli/CaldoCli.h"

#include <unistd.h>

#include <iostream>
#include <sstream>

#include "base/FileIo.h"
#include "cli/CaldoCliParallel.h"
#include "transfer/LinkCheck.h"
#include "transfer/LinkOptions.h"
#include "transfer/ProgressText.h"
#include "transfer/TransferStrings.h"

namespace caldo {

const char kCaldoCliUsage[] =
    "usage: caldo-cli download PACKAGE.qk LINK... [--targets FILE] [--force-gui] [--allow-placeholder]\n"
    "       caldo-cli --help\n"
    "LINK is one panel:\n"
    "  --udp HOST:PORT     the panel's IPv4 address and UDP port\n"
    "  --serial DEVICE     a serial device path or comN (115200 baud, 8N1)\n"
    "  --usb [VID:PID]     USB; without an id the panels of lib/usb/panels.conf\n"
    "Several LINK options, or a targets file with one link per line (\"udp HOST:PORT\",\n"
    "\"serial DEVICE\", \"usb [VID:PID]\"), download into all those panels at once.\n"
    "  --force-gui          rewrite the panel's GUI program whatever its version\n"
    "  --allow-placeholder  write placeholder programs into a panel that is not emulated\n"
    "Exit status: 0 every panel downloaded, 1 a panel failed, 2 usage error.\n";

namespace {

constexpr int kBarWidth = 40;

int RunOne(const DownloadOptions& options) {
    bool ok = false;
    {
        TerminalProgress progress(std::cerr, ::isatty(STDERR_FILENO) == 1);
        StreamMessages messages(std::cerr);
        SteadyClock clock;
        CDownloader downloader(options, progress, messages, clock);
        ok = downloader.RunDownload();
    }
    if (ok) {
        std::cerr << text::kDownloadDone << '\n';
    }
    return ok ? 0 : 1;
}

int RunMany(const DownloadOptions& options, const std::vector<CLinkSettings>& targets) {
    std::vector<std::string> names;
    for (const auto& target : targets) {
        names.push_back(DescribeLink(target));
    }
    std::vector<PanelResult> results;
    {
        PanelBoard board(std::cerr, ::isatty(STDERR_FILENO) == 1, names);
        SteadyClock clock;
        results = DownloadToAll(options, targets, board, clock);
    }
    std::cout << SummaryTable(results) << std::flush;
    for (const auto& r : results) {
        if (!r.ok) {
            return 1;
        }
    }
    return 0;
}

} // namespace

bool ReadTargetsFile(const std::filesystem::path& file, std::vector<CLinkSettings>& targets, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!balsar::ReadFileBytes(file, bytes, reason)) {
        error = file.string() + ": " + reason;
        return false;
    }
    std::istringstream lines(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const size_t hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        CLinkSettings link;
        if (!ParseLinkTarget(line, link, reason)) {
            error = file.string() + ":" + std::to_string(number) + ": " + reason;
            return false;
        }
        targets.push_back(link);
    }
    return true;
}

bool ParseCaldoCliArgs(const std::vector<std::string>& args, CaldoCliCommand& command, std::string& error) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        command.help = true;
        return true;
    }
    if (args.empty() || args[0] != "download") {
        error = args.empty() ? "no command given" : "unknown command " + args[0];
        return false;
    }
    bool havePackage = false;
    DownloadOptions& options = command.options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsLinkOption(arg)) {
            CLinkSettings link;
            if (!ParseLinkOption(args, i, link, error)) {
                return false;
            }
            command.targets.push_back(link);
        } else if (arg == "--targets") {
            if (i + 1 >= args.size()) {
                error = "--targets needs a file";
                return false;
            }
            if (!ReadTargetsFile(args[++i], command.targets, error)) {
                return false;
            }
        } else if (arg == "--force-gui") {
            options.forceGuiUpdate = true;
        } else if (arg == "--allow-placeholder") {
            options.allowPlaceholder = true;
        } else if (arg == "--help" || arg == "-h") {
            command.help = true;
            return true;
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
    if (command.targets.empty()) {
        error = "no link given";
        return false;
    }
    options.link = command.targets.front();
    return true;
}

TerminalProgress::~TerminalProgress() {
    EndLine();
}

void TerminalProgress::EndLine() {
    if (m_lineOpen) {
        m_out << '\n' << std::flush;
        m_lineOpen = false;
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

void TerminalProgress::ShowPanel(const PanelInfo& panel) {
    EndLine();
    m_out << PanelSummary(panel) << '\n' << std::flush;
    m_lastText.clear();
    m_lastFill = -1;
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
        std::cerr << "caldo-cli: " << error << '\n' << kCaldoCliUsage;
        return 2;
    }
    if (command.help) {
        std::cout << kCaldoCliUsage;
        return 0;
    }
    if (command.targets.size() == 1) {
        return RunOne(command.options);
    }
    return RunMany(command.options, command.targets);
}

} // namespace caldo
