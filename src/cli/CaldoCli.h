// caldo-cli: the download of the transfer tools without a window, into one
// panel or into several at once.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/MessageSink.h"
#include "transfer/Downloader.h"

namespace caldo {

struct CaldoCliCommand {
    DownloadOptions options;            // the package and the flags
    std::vector<CLinkSettings> targets; // every panel, in the order given
    bool help = false;
};

// The usage text of "caldo-cli --help".
extern const char kCaldoCliUsage[];

// Parses "download PACKAGE LINK... [--targets FILE] [--force-gui] [--allow-placeholder]"
// (LINK: --udp HOST:PORT, --serial DEVICE, --usb [VID:PID]) or "--help".
// Returns false with a reason for a usage error.
bool ParseCaldoCliArgs(const std::vector<std::string>& args, CaldoCliCommand& command, std::string& error);

// Reads a targets file: one link per line ("udp HOST:PORT", "serial DEVICE",
// "usb [VID:PID]" or a bare "HOST:PORT"); blank lines and "#" comments are
// skipped. False with the file, line and reason.
bool ReadTargetsFile(const std::filesystem::path& file, std::vector<CLinkSettings>& targets, std::string& error);

// Terminal progress: a bar redrawn in place on a terminal, one line per caption otherwise.
class TerminalProgress : public ProgressView {
public:
    TerminalProgress(std::ostream& out, bool interactive) : m_out(out), m_interactive(interactive) {}
    ~TerminalProgress() override;
    void SetCaption(const std::string& caption) override;
    void SetRange(int lower, int upper) override;
    void SetPos(int position) override;
    void StepIt() override;
    void Repaint() override;
    void ShowPanel(const PanelInfo& panel) override;

private:
    void Draw(bool force);
    void EndLine();

    std::ostream& m_out;
    bool m_interactive;
    std::string m_caption;
    int m_lower = 0, m_upper = 100, m_position = 0;
    std::string m_lastText;
    std::string m_lastCaption;
    int m_lastFill = -1;
    bool m_lineOpen = false;
};

// Messages on a stream, each on a line of its own after the progress line.
class StreamMessages : public balsar::MessageSink {
public:
    explicit StreamMessages(std::ostream& out) : m_out(out) {}
    void Message(const std::string& text, balsar::MessageKind kind = balsar::MessageKind::Error,
                 const std::string& caption = {}) override;

private:
    std::ostream& m_out;
};

// Runs caldo-cli; returns the exit status (0 success, 1 failure of any panel,
// 2 usage error).
int RunCaldoCli(const std::vector<std::string>& args);

} // namespace caldo
