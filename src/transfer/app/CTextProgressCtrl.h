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
    int GetPos() const { return position_; }
    // Returns the previous step.
    int SetStep(int step);
    // Adds the step to the position; returns the previous position.
    int StepIt();
    void SetRange(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }
    // Repaints only when the caption changes.
    void SetCaption(const QString& caption);
    QString caption() const { return caption_; }
    void SetShowText(bool show);
    // The text the bar shows now, empty when nothing is drawn.
    QString DisplayText() const;
    // Number of paints so far (tests).
    int paintCount() const { return paints_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int FillWidth() const;

    int position_ = 0;
    int step_ = 1;
    int upper_ = 100;
    int lower_ = 0;
    QString caption_;
    bool showText_ = true;
    int lastWidth_ = -1;
    int paints_ = 0;
};

} // namespace caldo
