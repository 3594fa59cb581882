#include "CTextProgressCtrl.h"

#include <QPainter>

#include "transfer/ProgressText.h"

namespace caldo {

CTextProgressCtrl::CTextProgressCtrl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(16);
}

int CTextProgressCtrl::FillWidth() const {
    return ProgressFillWidth(width(), m_position, m_lower, m_upper);
}

int CTextProgressCtrl::SetPos(int position) {
    const int old = m_position;
    m_position = position;
    if (FillWidth() != m_lastWidth) {
        update();
    }
    return old;
}

int CTextProgressCtrl::SetStep(int step) {
    const int old = m_step;
    m_step = step;
    return old;
}

int CTextProgressCtrl::StepIt() {
    return SetPos(m_position + m_step);
}

void CTextProgressCtrl::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    update();
}

void CTextProgressCtrl::SetCaption(const QString& caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = caption;
    update();
}

void CTextProgressCtrl::SetShowText(bool show) {
    m_showText = show;
    update();
}

QString CTextProgressCtrl::DisplayText() const {
    if (!m_showText) {
        return {};
    }
    return QString::fromStdString(ProgressText(m_caption.toStdString(), m_position, m_lower, m_upper));
}

void CTextProgressCtrl::resizeEvent(QResizeEvent* event) {
    m_lastWidth = -1;
    QWidget::resizeEvent(event);
}

void CTextProgressCtrl::paintEvent(QPaintEvent*) {
    ++m_paints;
    QPainter painter(this);
    const QColor bar = palette().color(QPalette::Highlight);
    const QColor background = palette().color(QPalette::Base);
    const QRect all = rect();
    if (m_lower >= m_upper) {
        painter.fillRect(all, background); // nothing of the bar is drawn
        return;
    }
    const int fill = FillWidth();
    m_lastWidth = fill;
    const QRect done(0, 0, fill, all.height());
    const QRect rest(fill, 0, all.width() - fill, all.height());
    painter.fillRect(done, bar);
    painter.fillRect(rest, background);
    const QString text = DisplayText();
    if (text.isEmpty()) {
        return;
    }
    painter.setClipRect(done);
    painter.setPen(background);
    painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.setClipRect(rest);
    painter.setPen(bar);
    painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, text);
}

} // namespace caldo
