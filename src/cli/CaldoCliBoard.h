// The progress of several panels downloading at once, one line per panel: on
// a terminal the lines are redrawn in place, otherwise each panel's captions
// and messages are printed as lines that start with the panel's name.
#pragma once

#include <chrono>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

#include "base/MessageSink.h"
#include "transfer/ProgressView.h"

namespace caldo {

class PanelBoard {
public:
    PanelBoard(std::ostream& out, bool interactive, std::vector<std::string> panels);
    ~PanelBoard();

    void SetCaption(size_t row, const std::string& caption);
    void SetRange(size_t row, int lower, int upper);
    void SetPos(size_t row, int position);
    void StepIt(size_t row);
    void ShowPanel(size_t row, const PanelInfo& panel);
    void Message(size_t row, const std::string& text);
    // Draws every line once more (the end of the run).
    void Flush();

    // The text of one row as the terminal shows it.
    std::string RowText(size_t row) const;

private:
    struct Row {
        std::string name;
        std::string caption;
        std::string panel; // model and GUI version once known
        int lower = 0, upper = 100, position = 0;
    };
    // Redraws on a terminal at most every 100 ms unless forced.
    void Draw(bool force);
    std::string RowTextLocked(size_t row) const;

    std::ostream& m_out;
    bool m_interactive;
    mutable std::mutex m_mutex;
    std::vector<Row> m_rows;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_lastDraw{};
};

// One panel's row of a board, as the download's front end.
class PanelBoardView : public ProgressView, public balsar::MessageSink {
public:
    PanelBoardView(PanelBoard& board, size_t row) : m_board(board), m_row(row) {}
    void SetCaption(const std::string& caption) override { m_board.SetCaption(m_row, caption); }
    void SetRange(int lower, int upper) override { m_board.SetRange(m_row, lower, upper); }
    void SetPos(int position) override { m_board.SetPos(m_row, position); }
    void StepIt() override { m_board.StepIt(m_row); }
    void Repaint() override {}
    void ShowPanel(const PanelInfo& panel) override { m_board.ShowPanel(m_row, panel); }
    void Message(const std::string& text, balsar::MessageKind kind = balsar::MessageKind::Error,
                 const std::string& caption = {}) override;

    // The last message, for the summary.
    const std::string& LastMessage() const { return m_lastMessage; }

private:
    PanelBoard& m_board;
    size_t m_row;
    std::string m_lastMessage;
};

// "型号 1，GUI 5" for the panel line.
std::string PanelSummary(const PanelInfo& panel);

} // namespace caldo
