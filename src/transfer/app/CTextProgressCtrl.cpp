#include "CTextProgressCtrl.h"

#include <QPainter>

#include "transfer/TransferUi.h"

namespace caldo {

CTextProgressCtrl::CTextProgressCtrl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(16);
}

int CTextProgressCtrl::FillWidth() const { return ProgressFillWidth(width(), position_, lower_, upper_); }

int CTextProgressCtrl::SetPos(int position) {
    const int old = position_;
    position_ = position;
    if (FillWidth() != lastWidth_)
        update();
    return old;
}

int CTextProgressCtrl::SetStep(int step) {
    const int old = step_;
    step_ = step;
    return old;
}

int CTextProgressCtrl::StepIt() { return SetPos(position_ + step_); }

void CTextProgressCtrl::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    update();
}

void CTextProgressCtrl::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void CTextProgressCtrl::SetShowText(bool show) {
    showText_ = show;
    update();
}

QString CTextProgressCtrl::DisplayText() const {
    if (!showText_)
        return {};
    return QString::fromStdString(ProgressText(caption_.toStdString(), position_, lower_, upper_));
}

void CTextProgressCtrl::resizeEvent(QResizeEvent* event) {
    lastWidth_ = -1;
    QWidget::resizeEvent(event);
}

void CTextProgressCtrl::paintEvent(QPaintEvent*) {
    ++paints_;
    QPainter painter(this);
    const QColor bar = palette().color(QPalette::Highlight);
    const QColor background = palette().color(QPalette::Base);
    const QRect all = rect();
    if (lower_ >= upper_) {
        painter.fillRect(all, background);  // nothing of the bar is drawn
        return;
    }
    const int fill = FillWidth();
    lastWidth_ = fill;
    const QRect done(0, 0, fill, all.height());
    const QRect rest(fill, 0, all.width() - fill, all.height());
    painter.fillRect(done, bar);
    painter.fillRect(rest, background);
    const QString text = DisplayText();
    if (text.isEmpty())
        return;
    painter.setClipRect(done);
    painter.setPen(background);
    painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.setClipRect(rest);
    painter.setPen(bar);
    painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, text);
}

} // namespace caldo
