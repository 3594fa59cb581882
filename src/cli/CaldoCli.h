// caldo-cli: the download of the transfer tools without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "transfer/Downloader.h"

namespace caldo {

struct CaldoCliCommand {
    DownloadOptions options;
};

// Parses "download PACKAGE (--udp HOST:PORT | --serial DEVICE | --usb [VID:PID]) [--force-gui]".
// Returns false with a reason for a usage error.
bool ParseCaldoCliArgs(const std::vector<std::string>& args, CaldoCliCommand& command, std::string& error);

// Terminal progress: a bar redrawn in place on a terminal, one line per caption otherwise.
class TerminalProgress : public ProgressView {
public:
    TerminalProgress(std::ostream& out, bool interactive) : out_(out), interactive_(interactive) {}
    ~TerminalProgress() override;
    void SetCaption(const std::string& caption) override;
    void SetRange(int lower, int upper) override;
    void SetPos(int position) override;
    void StepIt() override;
    void Repaint() override;

private:
    void Draw(bool force);

    std::ostream& out_;
    bool interactive_;
    std::string caption_;
    int lower_ = 0, upper_ = 100, position_ = 0;
    std::string lastText_;
    std::string lastCaption_;
    int lastFill_ = -1;
    bool lineOpen_ = false;
};

class StreamMessages : public MessageSink {
public:
    explicit StreamMessages(std::ostream& out) : out_(out) {}
    void ShowError(const std::string& text) override;

private:
    std::ostream& out_;
};

// Runs caldo-cli; returns the exit status (0 success, 1 failure, 2 usage error).
int RunCaldoCli(const std::vector<std::string>& args);

} // namespace caldo
