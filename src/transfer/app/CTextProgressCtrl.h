// A progress bar that paints its own caption and percent: the done part in the
// highlight colour with window-coloured text, the rest the other way round.
#pragma once

#include <QColor>
#include <QWidget>

namespace caldo {

class CTextProgressCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CTextProgressCtrl(QWidget* parent = nullptr);

    // Returns the previous position. Repaints only when the filled width changes.
    int SetPos(int position);
    int GetPos() const { return m_position; }
    // Returns the previous step.
    int SetStep(int step);
    // Adds the step to the position; returns the previous position.
    int StepIt();
    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // Repaints only when the caption changes.
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    void SetShowText(bool show);
    // The text the bar shows now, empty when nothing is drawn.
    QString DisplayText() const;
    // Number of paints so far (tests).
    int PaintCount() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int FillWidth() const;

    int m_position = 0;
    int m_step = 1;
    int m_upper = 100;
    int m_lower = 0;
    QString m_caption;
    bool m_showText = true;
    int m_lastWidth = -1;
    int m_paints = 0;
};

} // namespace caldo
