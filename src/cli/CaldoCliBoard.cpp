#include "cli/CaldoCliBoard.h"

#include <ostream>
#include <sstream>

#include "transfer/ProgressText.h"

namespace caldo {

namespace {

constexpr int kBoardBarWidth = 20;
constexpr std::chrono::milliseconds kRedrawInterval{100};

// The lines of a message text, each prefixed with the panel's name.
void PrintPrefixed(std::ostream& out, const std::string& name, const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        out << name << ": " << line << '\n';
    }
}

} // namespace

std::string PanelSummary(const PanelInfo& panel) {
    return "型号 " + std::to_string(panel.model) + "，GUI " + std::to_string(panel.guiVersion) +
           (panel.emulated ? "（模拟）" : "");
}

PanelBoard::PanelBoard(std::ostream& out, bool interactive, std::vector<std::string> panels)
    : m_out(out), m_interactive(interactive) {
    for (auto& name : panels) {
        m_rows.push_back({std::move(name), {}, {}, 0, 100, 0});
    }
}

PanelBoard::~PanelBoard() {
    Flush();
}

void PanelBoard::SetCaption(size_t row, const std::string& caption) {
    std::lock_guard lock(m_mutex);
    const bool changed = m_rows[row].caption != caption;
    m_rows[row].caption = caption;
    if (!m_interactive && changed) {
        m_out << m_rows[row].name << ": " << caption << '\n' << std::flush;
    }
    Draw(false);
}

void PanelBoard::SetRange(size_t row, int lower, int upper) {
    std::lock_guard lock(m_mutex);
    m_rows[row].lower = lower;
    m_rows[row].upper = upper;
    Draw(false);
}

void PanelBoard::SetPos(size_t row, int position) {
    std::lock_guard lock(m_mutex);
    m_rows[row].position = position;
    Draw(false);
}

void PanelBoard::StepIt(size_t row) {
    std::lock_guard lock(m_mutex);
    ++m_rows[row].position;
    Draw(false);
}

void PanelBoard::ShowPanel(size_t row, const PanelInfo& panel) {
    std::lock_guard lock(m_mutex);
    m_rows[row].panel = PanelSummary(panel);
    if (!m_interactive) {
        m_out << m_rows[row].name << ": " << m_rows[row].panel << '\n' << std::flush;
    }
    Draw(true);
}

void PanelBoard::Message(size_t row, const std::string& text) {
    std::lock_guard lock(m_mutex);
    if (m_interactive && m_drawn) {
        // The message goes below the board, which is drawn anew after it.
        m_out << '\n';
        m_drawn = false;
    }
    PrintPrefixed(m_out, m_rows[row].name, text);
    m_out << std::flush;
    Draw(true);
}

void PanelBoard::Flush() {
    std::lock_guard lock(m_mutex);
    Draw(true);
}

std::string PanelBoard::RowText(size_t row) const {
    std::lock_guard lock(m_mutex);
    return RowTextLocked(row);
}

std::string PanelBoard::RowTextLocked(size_t row) const {
    const Row& r = m_rows[row];
    const int fill = ProgressFillWidth(kBoardBarWidth, r.position, r.lower, r.upper);
    const std::string text = r.lower < r.upper ? ProgressText(r.caption, r.position, r.lower, r.upper) : r.caption;
    std::string line = r.name + " [" + std::string(static_cast<size_t>(fill), '#') +
                       std::string(static_cast<size_t>(kBoardBarWidth - fill), ' ') + "] " + text;
    if (!r.panel.empty()) {
        line += "  (" + r.panel + ")";
    }
    return line;
}

void PanelBoard::Draw(bool force) {
    if (!m_interactive) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!force && m_drawn && now - m_lastDraw < kRedrawInterval) {
        return;
    }
    if (m_drawn) {
        m_out << "\x1b[" << m_rows.size() << "A"; // back to the board's first line
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        m_out << '\r' << RowTextLocked(i) << "\x1b[K\n";
    }
    m_out << std::flush;
    m_drawn = true;
    m_lastDraw = now;
}

void PanelBoardView::Message(const std::string& text, balsar::MessageKind, const std::string&) {
    m_lastMessage = text;
    m_board.Message(m_row, text);
}

} // namespace caldo
